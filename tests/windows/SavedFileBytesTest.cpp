// A test file saved on Windows has the bytes it has on Linux (CR LF once,
// code page 1252), also under folder and file names with letters that the
// ANSI code page cannot hold.
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "../files/TestFileFixtures.h"
#include "workbook/Workbook.h"

namespace kaldoventri {
namespace {

QByteArray BytesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

struct PathCase {
    const char* name;
    const char16_t* folder;
    const char16_t* file;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }

class SavedFileBytesTest : public ::testing::TestWithParam<PathCase> {
protected:
    // The known file's working width is written "12,5 m".
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }
};

TEST_P(SavedFileBytesTest, OpenedAndSavedAgainUnchanged) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.filePath(QString::fromUtf16(GetParam().folder));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString original = QDir(folder).filePath(QString::fromUtf16(GetParam().file));
    {
        QFile file(original);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(testing::KnownFile);
    }

    Workbook workbook;
    ASSERT_FALSE(workbook.OpenSheet(original).has_value());
    const QString saved = QDir(folder).filePath(QStringLiteral("sparad ") + QString::fromUtf16(GetParam().file));
    ASSERT_FALSE(workbook.SaveCurrentSheet(saved).has_value());

    const QByteArray bytes = BytesOf(saved);
    EXPECT_EQ(bytes, testing::KnownFile);
    EXPECT_FALSE(bytes.contains("\r\r")) << "a CR added before the CR LF";
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
}

INSTANTIATE_TEST_SUITE_P(Paths, SavedFileBytesTest,
                         ::testing::Values(PathCase{"Plain", u"prov", u"prov.vkf"},
                                           PathCase{"SwedishLetters", u"Åsa/Dokument", u"prov ö.vkf"},
                                           PathCase{"OutsideCodePage1252", u"Łódź", u"Čáp ő.vkf"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri
