// The open sheets and the commands that change them.
#include "workbook/Workbook.h"

#include <QFileInfo>

#include "evaluation/AveragedAmounts.h"
#include "evaluation/CalculateSheet.h"
#include "files/FileAccess.h"
#include "files/TestFileWriter.h"

namespace kaldoventri {

Workbook::Workbook(QObject* parent) : QObject(parent) {}

Workbook::~Workbook() = default;

std::string Workbook::NextSheetName() const { return "Blad" + std::to_string(nextSheetNumber_); }

namespace {

// Two paths name one file when their canonical forms agree; Windows file
// names ignore case.
bool SameFile(const QString& a, const QString& b) {
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    if (canonicalA.isEmpty()) return false;
#ifdef Q_OS_WIN
    return canonicalA.compare(QFileInfo(b).canonicalFilePath(), Qt::CaseInsensitive) == 0;
#else
    return canonicalA == QFileInfo(b).canonicalFilePath();
#endif
}

// The number of a title "Blad" + number, or 0.
int SheetNumberOf(const QString& title) {
    if (!title.startsWith(QLatin1String("Blad"))) return 0;
    bool ok = false;
    const int number = title.mid(4).toInt(&ok);
    return ok && number > 0 ? number : 0;
}

}  // namespace

const Workbook::OpenTest* Workbook::Entry(int index) const {
    return index >= 0 && index < SheetCount() ? &sheets_[static_cast<std::size_t>(index)] : nullptr;
}

const TNewTabSheet* Workbook::Sheet(int index) const {
    const OpenTest* entry = Entry(index);
    return entry != nullptr ? entry->sheet.get() : nullptr;
}

int Workbook::IndexOf(const TNewTabSheet* sheet) const {
    for (int i = 0; i < SheetCount(); ++i)
        if (sheets_[static_cast<std::size_t>(i)].sheet.get() == sheet) return i;
    return -1;
}

QString Workbook::FilePath(int index) const {
    const OpenTest* entry = Entry(index);
    return entry != nullptr ? entry->filePath : QString();
}

bool Workbook::IsModified(int index) const {
    const OpenTest* entry = Entry(index);
    return entry != nullptr && entry->modified;
}

std::vector<int> Workbook::ModifiedSheets() const {
    std::vector<int> modified;
    for (int i = 0; i < SheetCount(); ++i)
        if (IsModified(i)) modified.push_back(i);
    return modified;
}

QByteArray Workbook::FileBytes(int index) const {
    const TNewTabSheet* sheet = Sheet(index);
    return sheet != nullptr ? WriteTestFile(MakeTestFileValues(*sheet)) : QByteArray();
}

int Workbook::IndexOfFile(const QString& path) const {
    for (int i = 0; i < SheetCount(); ++i)
        if (!sheets_[static_cast<std::size_t>(i)].filePath.isEmpty() && SameFile(sheets_[static_cast<std::size_t>(i)].filePath, path))
            return i;
    return -1;
}

TNewTabSheet& Workbook::Append(OpenTest test, bool evaluated) {
    test.sheet->SetName(NextSheetName());
    ++nextSheetNumber_;
    sheets_.push_back(std::move(test));
    current_ = SheetCount() - 1;
    if (evaluated)
        ++evaluations_;
    else
        Evaluate();
    emit changed(Sheets | Current | Evaluated | Saved);
    return *sheets_.back().sheet;
}

Workbook::Changes Workbook::CheckSaved() {
    if (current_ < 0) return {};
    OpenTest& entry = sheets_[static_cast<std::size_t>(current_)];
    const bool modified = !entry.savedBytes || FileBytes(current_) != *entry.savedBytes;
    if (modified == entry.modified) return {};
    entry.modified = modified;
    return Saved;
}

void Workbook::Changed(Changes what) { emit changed(what | CheckSaved()); }

const TNewTabSheet& Workbook::AddSheet(const SheetSettings& settings) {
    auto sheet = std::make_unique<TNewTabSheet>();
    kaldoventri::ApplySettings(settings, *sheet);
    sheet->ToggleLeftPassReversed();
    sheet->ToggleRightPassReversed();
    sheet->SetTitle(NextSheetName());
    return Append({std::move(sheet), {}, {}, true});
}

const TNewTabSheet* Workbook::AddAveragedSheet(const std::vector<int>& indices) {
    std::vector<const TNewTabSheet*> chosen;
    for (const int index : indices)
        if (const TNewTabSheet* sheet = Sheet(index); sheet != nullptr && (chosen.empty() || !AveragingObstacleOf(*sheet, *chosen.front())))
            chosen.push_back(sheet);
    if (chosen.size() < 2) return nullptr;
    SheetSettings settings = SettingsOf(*chosen.front());
    const auto means = AveragedAmounts(chosen);
    settings.amounts.assign(means.begin(), means.end());
    auto sheet = std::make_unique<TNewTabSheet>();
    kaldoventri::ApplySettings(settings, *sheet);
    kaldoventri::SetDrivingPattern(*sheet, DrivingPatternOf(*chosen.front()));
    sheet->SetReplicateVariance(VarianceOfMeans(chosen));
    std::string origin = "Medelvärde av ";
    for (std::size_t i = 0; i < chosen.size(); ++i) origin += (i > 0 ? ", " : "") + chosen[i]->GetTitle();
    sheet->SetOrigin(std::move(origin));
    sheet->SetTitle(NextSheetName());
    return &Append({std::move(sheet), {}, {}, true});
}

std::optional<OpenFailure> Workbook::OpenSheet(const QString& path) {
    if (const int open = IndexOfFile(path); open >= 0) {
        if (open != current_) SetCurrentIndex(open);
        return std::nullopt;
    }
    auto read = ReadTestSheet(path, yScaleMode_);
    if (auto* failure = std::get_if<OpenFailure>(&read)) return std::move(*failure);
    auto sheet = std::make_unique<TNewTabSheet>(std::move(std::get<TNewTabSheet>(read)));
    QByteArray bytes = WriteTestFile(MakeTestFileValues(*sheet));
    Append({std::move(sheet), path, std::move(bytes), false}, true);
    return std::nullopt;
}

std::optional<OpenFailure> Workbook::OpenArchivedSheet(const QByteArray& bytes, const QString& path) {
    int open = IndexOfFile(path);  // the file may be gone, its sheet still belonging to the path
    for (int i = 0; i < SheetCount() && open < 0; ++i)
        if (!FilePath(i).isEmpty() && QFileInfo(FilePath(i)).absoluteFilePath() == QFileInfo(path).absoluteFilePath()) open = i;
    if (open >= 0) {
        if (open != current_) SetCurrentIndex(open);
        return std::nullopt;
    }
    auto read = ReadTestSheetBytes(bytes, path, yScaleMode_);
    if (auto* failure = std::get_if<OpenFailure>(&read)) return std::move(*failure);
    auto sheet = std::make_unique<TNewTabSheet>(std::move(std::get<TNewTabSheet>(read)));
    // Read as "Öppna" reads it: a file spelt another way may hold the same test.
    std::optional<QByteArray> onDisk;
    if (auto disk = ReadTestSheet(path, yScaleMode_); std::holds_alternative<TNewTabSheet>(disk))
        onDisk = WriteTestFile(MakeTestFileValues(std::get<TNewTabSheet>(disk)));
    const bool modified = !onDisk || WriteTestFile(MakeTestFileValues(*sheet)) != *onDisk;
    Append({std::move(sheet), path, std::move(onDisk), modified}, true);
    return std::nullopt;
}

std::optional<QString> Workbook::SaveCurrentSheet(const QString& path) { return SaveSheet(current_, path); }

std::optional<QString> Workbook::SaveSheet(int index, const QString& path) {
    if (Entry(index) == nullptr) return std::nullopt;
    OpenTest& entry = sheets_[static_cast<std::size_t>(index)];
    QByteArray bytes = FileBytes(index);
    if (auto failed = WriteFileAtomically(path, bytes)) return failed;
    entry.sheet->SetTitle(SheetTitleOf(path).toStdString());
    entry.filePath = path;
    entry.savedBytes = std::move(bytes);
    entry.modified = false;
    emit changed(Sheets | Saved);
    return std::nullopt;
}

const TNewTabSheet& Workbook::RestoreSheet(TNewTabSheet sheet, const QString& title, const QString& filePath) {
    // A sheet restored as "Blad7" keeps that name where the number is still
    // free, and new sheets go on after it.
    nextSheetNumber_ = std::max(nextSheetNumber_, SheetNumberOf(title));
    sheet.SetTitle(title.toStdString());
    return Append({std::make_unique<TNewTabSheet>(std::move(sheet)), filePath, {}, true});
}

void Workbook::ApplySettings(const SheetSettings& settings) {
    TNewTabSheet* sheet = Editable();
    if (sheet == nullptr) return;
    kaldoventri::ApplySettings(settings, *sheet);
    Evaluate();
    Changed(Evaluated);
}

void Workbook::SetWorkingWidth(int halfMetres) {
    TNewTabSheet* sheet = Editable();
    if (sheet == nullptr) return;
    sheet->SetABredd(ClampWorkingWidth(halfMetres));
    Evaluate();
    Changed(Evaluated);
}

void Workbook::SetDrivingPattern(DrivingPattern pattern) {
    TNewTabSheet* sheet = Editable();
    if (sheet == nullptr) return;
    kaldoventri::SetDrivingPattern(*sheet, pattern);
    Evaluate();
    Changed(Evaluated);
}

bool Workbook::Store(const TrayEntries& amounts) {
    TNewTabSheet* sheet = Editable();
    if (sheet == nullptr) return false;
    const auto trays = std::min(amounts.size(), static_cast<std::size_t>(sheet->GetTrayCount()));
    for (std::size_t i = 0; i < trays; ++i)
        if (const auto& amount = amounts[i]) sheet->SetTrayAmount(*amount, static_cast<int>(i) + 1);
    return true;
}

void Workbook::SetTrayAmounts(const TrayEntries& amounts) {
    if (!Store(amounts)) return;
    Evaluate();
    Changed(Evaluated);
}

void Workbook::StoreTrayAmounts(const TrayEntries& amounts) {
    if (Store(amounts)) Changed(Stored);
}

void Workbook::SetCurrentIndex(int index) {
    if (index < 0 || index >= SheetCount()) return;
    current_ = index;
    // The sheet may last have been evaluated under another Y scale.
    Evaluate();
    emit changed(Current | Evaluated);
}

void Workbook::CloseSheet(int index) {
    if (Entry(index) == nullptr) return;
    if (index == current_) {
        CloseCurrentSheet();
        return;
    }
    sheets_.erase(sheets_.begin() + index);
    if (index < current_) --current_;
    emit changed(Sheets | Current);
}

void Workbook::CloseCurrentSheet() {
    if (current_ < 0) return;
    sheets_.erase(sheets_.begin() + current_);
    if (current_ >= SheetCount()) current_ = SheetCount() > 0 ? 0 : -1;
    Changes what = Sheets | Current;
    if (current_ >= 0) {
        Evaluate();
        what |= Evaluated;
    }
    emit changed(what);
}

void Workbook::CloseAllSheets() {
    if (sheets_.empty()) return;
    sheets_.clear();
    current_ = -1;
    emit changed(Sheets | Current);
}

void Workbook::SetYScaleMode(int mode) {
    // Like any command without its data: no tray area and unit, no rate to draw.
    if (mode == YScaleKgPerHa && !(CurrentSheet() != nullptr && KgPerHaPerUnit(CurrentSheet()->GetUnits()))) return;
    yScaleMode_ = mode;
    Changes what = YScale;
    if (CurrentSheet() != nullptr) {
        Evaluate();
        what |= Evaluated;
    }
    emit changed(what);
}

void Workbook::SetPointer(int x, int y) {
    if (TNewTabSheet* sheet = Editable()) sheet->SetMouse(x, y);
}

void Workbook::Evaluate() {
    CalculateSheet(*Editable(), yScaleMode_);
    ++evaluations_;
}

}  // namespace kaldoventri
