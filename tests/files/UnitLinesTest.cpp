// The unit lines of a test file: written after the layout's and the kit's
// lines only when given, read back in any order, and each refusal naming its
// line. A test without units keeps its bytes (the writer and round-trip
// tests hold those).
#include <gtest/gtest.h>

#include "files/SheetFromTestFile.h"
#include "files/TestFileWriter.h"
#include "TestFileFixtures.h"

namespace kaldoventri {
namespace {

const QByteArray UnitLines = "Backyta,0.25\r\nEnhet,1,ml\r\nDensitet,1.05\r\nM\xE5lgiva,200\r\n";
const SheetUnits Millilitres{0.25, AmountUnit{1, AmountKind::Volume}, 1.05, 200.0};

TEST(UnitLines, WrittenAfterTheLayoutAndReadBackInAnyOrder) {
    TestFileContents known = testing::ContentsOf(testing::ReadBytes(testing::KnownFile));
    TNewTabSheet sheet;
    FillSheetFromTestFile(sheet, known, std::get<TrayAmounts>(CompleteTrayAmounts(known)));
    sheet.SetUnits(Millilitres);
    const QByteArray bytes = WriteTestFile(MakeTestFileValues(sheet, QLocale(QLocale::Swedish, QLocale::Sweden)));
    EXPECT_EQ(bytes, testing::KnownFile + UnitLines);
    EXPECT_EQ(testing::ContentsOf(testing::ReadBytes(bytes)).Units, Millilitres);

    const QByteArray shuffled = testing::KnownFile + "M\xE5lgiva,200\r\nDensitet,1.05\r\nK\xF6rm\xF6nster,Varv\r\n"
                                                     "Enhet,1,ml\r\nBackyta,0.25\r\n";
    EXPECT_EQ(testing::ContentsOf(testing::ReadBytes(shuffled)).Units, Millilitres);
    const QByteArray grams = testing::KnownFile + "Enhet,0.1,g\r\n";
    EXPECT_EQ(testing::ContentsOf(testing::ReadBytes(grams)).Units,
              (SheetUnits{std::nullopt, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, std::nullopt}));
}

TEST(UnitLines, AfterAnOwnKitsLines) {
    TNewTabSheet sheet;
    sheet.SetDescription("", "", "", "", LayoutOwn, 20, "", "");
    ApplyKit(TrayKit{LayoutOwn, "Tre", {-2, 0, 2}, {10, 11}}, sheet);
    sheet.SetUnits(SheetUnits{0.2, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, std::nullopt});
    const QByteArray bytes = WriteTestFile(MakeTestFileValues(sheet));
    EXPECT_TRUE(bytes.contains("Uppst\xE4llningsnamn,Tre\r\nBackyta,0.2\r\nEnhet,0.1,g\r\n")) << bytes.toStdString();
    const TestFileContents contents = testing::ContentsOf(testing::ReadBytes(bytes));
    EXPECT_EQ(contents.Units, sheet.GetUnits());
    EXPECT_TRUE(contents.Kit.has_value());
}

TEST(UnitLines, RefusalsNameTheLine) {
    struct Row { const char* name; QByteArray lines; QString message; };
    const Row rows[] = {
        {"area zero", "Backyta,0\r\n", "rad 13 (Backyta): ett positivt tal med decimalpunkt väntas, som 0.25"},
        {"area negative", "Enhet,1,g\r\nBackyta,-0.25\r\n", "rad 14 (Backyta): ett positivt tal med decimalpunkt väntas, som 0.25"},
        {"area with a comma", "Backyta,0,25\r\n", "rad 13 (Backyta): ett positivt tal med decimalpunkt väntas, som 0.25"},
        {"target with a comma", "M\xE5lgiva,212,5\r\n", "rad 13 (Målgiva): ett positivt tal med decimalpunkt väntas, som 200"},
        {"unit no number", "Enhet,g\r\n", "rad 13 (Enhet): ett positivt tal med decimalpunkt väntas, som 0.1,g"},
        {"unit kg", "Enhet,1,kg\r\n", "rad 13 (Enhet): enheten ska vara g eller ml"},
        {"unit missing", "Enhet,1\r\n", "rad 13 (Enhet): enheten ska vara g eller ml"},
        {"density nan", "Enhet,1,ml\r\nDensitet,nan\r\n", "rad 14 (Densitet): ett positivt tal med decimalpunkt väntas, som 1.05"},
        {"density with grams", "Densitet,1.05\r\nEnhet,1,g\r\n", "rad 13 (Densitet): en densitet hör bara till enheten ml"},
        {"density alone", "Densitet,1.05\r\n", "rad 13 (Densitet): en densitet hör bara till enheten ml"},
        {"target infinite", "M\xE5lgiva,inf\r\n", "rad 13 (Målgiva): ett positivt tal med decimalpunkt väntas, som 200"},
    };
    for (const Row& r : rows) {
        const TestFileReadResult read = testing::ReadBytes(testing::KnownFile + r.lines);
        ASSERT_TRUE(std::holds_alternative<TestFileError>(read)) << r.name;
        EXPECT_EQ(std::get<TestFileError>(read).kind, TestFileError::Kind::BadUnit) << r.name;
        EXPECT_EQ(std::get<TestFileError>(read).message, r.message) << r.name;
    }
}

}  // namespace
}  // namespace kaldoventri
