// Writing, finding and removing the recovery copies of unsaved sheets.
#include "workbook/SheetRecovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <set>

#include "files/FileAccess.h"
#include "files/TestSheetReading.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

constexpr int SyncDelayMs = 1000;
const QString LockName = QStringLiteral("lock");
const QString TestSuffix = QStringLiteral(".vkf");
const QString InfoSuffix = QStringLiteral(".txt");

// A lock no other program's lifetime ends by a clock: it is stale only when
// the program that took it no longer runs.
std::unique_ptr<QLockFile> TakeLock(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + LockName);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

// "Blad7" -> "7": copies are named by the sheet's number, which follows the tab order.
QString CopyName(const std::string& sheetName) {
    return QString::fromStdString(sheetName.substr(std::min<std::size_t>(4, sheetName.size())));
}

QByteArray InfoBytes(const QString& title, const QString& filePath) {
    return (title + QLatin1Char('\n') + filePath + QLatin1Char('\n')).toUtf8();
}

// Empties a folder whose lock is held, then lets the lock and the folder go.
void RemoveFolder(const QString& folder, QLockFile& lock) {
    QDir dir(folder);
    for (const QString& file : dir.entryList(QDir::Files))
        if (file != LockName) dir.remove(file);
    lock.unlock();
    QDir().rmdir(folder);
}

// The copies of one folder, in the order of their numbers.
std::vector<RecoveredSheet> ReadCopies(const QDir& folder) {
    std::vector<std::pair<long long, RecoveredSheet>> found;
    for (const QFileInfo& info : folder.entryInfoList({QLatin1Char('*') + InfoSuffix}, QDir::Files)) {
        bool numbered = false;
        const long long number = info.completeBaseName().toLongLong(&numbered);
        if (!numbered) continue;
        QFile infoFile(info.filePath());
        if (!infoFile.open(QIODevice::ReadOnly)) continue;
        const QStringList lines = QString::fromUtf8(infoFile.readAll()).split(QLatin1Char('\n'));
        if (lines.size() < 2) continue;
        auto read = ReadTestSheet(folder.filePath(info.completeBaseName() + TestSuffix), 0);
        if (auto* sheet = std::get_if<TNewTabSheet>(&read))
            found.push_back({number, RecoveredSheet{std::move(*sheet), lines[0], lines[1]}});
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<RecoveredSheet> sheets;
    for (auto& entry : found) sheets.push_back(std::move(entry.second));
    return sheets;
}

}  // namespace

LeftBehind FindLeftBehind(const QString& root) {
    LeftBehind left;
    const QDir rootDir(root);
    for (const QString& name : rootDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString folder = rootDir.filePath(name);
        // A folder whose lock another program holds is that program's.
        const std::unique_ptr<QLockFile> lock = TakeLock(folder);
        if (lock == nullptr) continue;
        std::vector<RecoveredSheet> sheets = ReadCopies(QDir(folder));
        for (RecoveredSheet& sheet : sheets) left.sheets.push_back(std::move(sheet));
        left.folders << folder;
    }
    return left;
}

void RemoveLeftBehind(const QStringList& folders) {
    for (const QString& folder : folders) {
        // Taken again, so that no program starting meanwhile reads it half removed.
        if (const std::unique_ptr<QLockFile> lock = TakeLock(folder)) RemoveFolder(folder, *lock);
    }
}

SheetRecovery::SheetRecovery(Workbook& workbook, const QString& root, QObject* parent)
    : QObject(parent), workbook_(workbook), root_(root) {
    timer_.setSingleShot(true);
    timer_.setInterval(SyncDelayMs);
    connect(&timer_, &QTimer::timeout, this, &SheetRecovery::Sync);
    connect(&workbook_, &Workbook::changed, this, [this](Workbook::Changes what) {
        // Saving and closing take their copies away at once; a change is
        // copied within the delay, which a stream of key presses never postpones.
        if (what & (Workbook::Sheets | Workbook::Saved))
            Sync();
        else if (!timer_.isActive())
            timer_.start();
    });
}

SheetRecovery::~SheetRecovery() = default;

bool SheetRecovery::Prepare() {
    if (lock_ != nullptr) return true;
    const QString folder = QDir(root_).filePath(QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                                                QString::number(QDateTime::currentMSecsSinceEpoch()));
    if (!QDir().mkpath(folder)) {
        Fail(QStringLiteral("mappen %1 kan inte skapas").arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    lock_ = TakeLock(folder);
    if (lock_ == nullptr) {
        Fail(QStringLiteral("mappen %1 kan inte skrivas").arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    folder_ = folder;
    return true;
}

void SheetRecovery::Fail(const QString& reason) {
    if (failed_) return;
    failed_ = true;
    emit writeFailed(reason);
}

void SheetRecovery::Sync() {
    timer_.stop();
    if (ended_) return;
    std::set<std::string> unsaved;
    for (const int index : workbook_.ModifiedSheets()) {
        const TNewTabSheet* sheet = workbook_.Sheet(index);
        unsaved.insert(sheet->GetName());
        const QByteArray test = workbook_.FileBytes(index);
        const QByteArray info = InfoBytes(QString::fromStdString(sheet->GetTitle()), workbook_.FilePath(index));
        QByteArray& written = written_[sheet->GetName()];
        if (written == test + info) continue;
        if (!Prepare()) return;
        const QString base = QDir(folder_).filePath(CopyName(sheet->GetName()));
        // The test first: a title without its test is passed over at the next start.
        std::optional<QString> failed = WriteFileAtomically(base + TestSuffix, test);
        if (!failed) failed = WriteFileAtomically(base + InfoSuffix, info);
        if (failed) {
            written.clear();
            Fail(*failed);
            continue;
        }
        written = test + info;
    }
    for (auto it = written_.begin(); it != written_.end();) {
        if (unsaved.count(it->first) != 0) {
            ++it;
            continue;
        }
        const QString base = QDir(folder_).filePath(CopyName(it->first));
        QFile::remove(base + InfoSuffix);
        QFile::remove(base + TestSuffix);
        it = written_.erase(it);
    }
}

void SheetRecovery::EndNormally() {
    ended_ = true;
    timer_.stop();
    if (lock_ == nullptr) return;
    RemoveFolder(folder_, *lock_);
    lock_.reset();
    written_.clear();
}

}  // namespace kaldoventri
