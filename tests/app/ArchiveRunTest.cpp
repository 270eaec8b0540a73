// The real executable's archive runs on an SQLite file: a folder with broken
// and repeated files imported and listed, and two imports into one archive at
// the same moment, which must lose nothing and double nothing.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kaldoventri {
namespace {

QByteArray Sample(int number = 0) {
    QFile file(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE));
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (number > 0) bytes.replace("Produktionsplats,K\xF6ping", "Produktionsplats,K\xF6ping " + QByteArray::number(number));
    return bytes;
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.section('/', 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QProcess* Start(const QString& folder, const QStringList& arguments) {
    auto* program = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("sv_SE.UTF-8"));
    program->setProcessEnvironment(environment);
    program->setWorkingDirectory(folder);
    program->start(QStringLiteral(KALDOVENTRI_EXECUTABLE), arguments);
    return program;
}

struct Outcome {
    int status;
    QString out, err;
};
Outcome Finish(QProcess* program) {
    program->waitForFinished(120000);
    Outcome run{program->exitCode(), QString::fromUtf8(program->readAllStandardOutput()),
            QString::fromUtf8(program->readAllStandardError())};
    delete program;
    return run;
}

TEST(ArchiveRun, ImportsAFolderPastItsBrokenFilesAndListsWhatCameIn) {
    QTemporaryDir dir;
    Write(dir.filePath(QStringLiteral("prov/a.vkf")), Sample(1));
    Write(dir.filePath(QStringLiteral("prov/under/b.VKF")), Sample(2));
    Write(dir.filePath(QStringLiteral("prov/under/kopia.vkf")), Sample(1));
    Write(dir.filePath(QStringLiteral("prov/trasig.vkf")), "Kaldoventri\r\nNormal,1,x\r\n");
    Write(dir.filePath(QStringLiteral("prov/anteckning.txt")), "inget prov");
    const QStringList archive{QStringLiteral("--archive"), QStringLiteral("arkiv.sqlite")};

    Outcome import = Finish(Start(dir.path(), archive + QStringList{QStringLiteral("--import"), QStringLiteral("prov")}));
    EXPECT_EQ(import.status, 1);
    EXPECT_TRUE(import.err.endsWith(QStringLiteral("2 nya prov, 1 fanns redan, 1 kunde inte läsas\n"))) << import.err.toStdString();
    EXPECT_TRUE(import.err.contains(QStringLiteral("trasig.vkf"))) << import.err.toStdString();

    Outcome list = Finish(Start(dir.path(), archive + QStringList{QStringLiteral("--list"), QStringLiteral("KÖPING 2"),
                                                              QStringLiteral("--csv"), QStringLiteral("-")}));
    EXPECT_EQ(list.status, 0) << list.err.toStdString();
    const QStringList rows = list.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("b.VKF;Amazone;"))) << rows[1].toStdString();
}

TEST(ArchiveRun, TwoImportsAtOnceLoseNothingAndDoubleNothing) {
    QTemporaryDir dir;
    // 1..40 in one folder, 21..60 in the other: 60 tests, 20 of them in both.
    for (int n = 1; n <= 60; ++n) {
        if (n <= 40) Write(dir.filePath(QStringLiteral("a/%1.vkf").arg(n)), Sample(n));
        if (n > 20) Write(dir.filePath(QStringLiteral("b/%1.vkf").arg(n)), Sample(n));
    }
    const QStringList archive{QStringLiteral("--archive"), QStringLiteral("arkiv.sqlite")};
    QProcess* first = Start(dir.path(), archive + QStringList{QStringLiteral("--import"), QStringLiteral("a")});
    QProcess* second = Start(dir.path(), archive + QStringList{QStringLiteral("--import"), QStringLiteral("b")});
    const Outcome one = Finish(first), two = Finish(second);
    EXPECT_EQ(one.status, 0) << one.err.toStdString();
    EXPECT_EQ(two.status, 0) << two.err.toStdString();

    Outcome list = Finish(Start(dir.path(), archive + QStringList{QStringLiteral("--list"), QStringLiteral("--csv"),
                                                              QStringLiteral("-")}));
    EXPECT_EQ(list.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).size(), 1 + 60);
}

}  // namespace
}  // namespace kaldoventri
