// The test record's lines: written last and only when given, read back in
// any order among the others, and each refusal naming its line. A test
// without a record keeps its bytes (the writer and round-trip tests hold those).
#include <gtest/gtest.h>

#include "files/SheetFromTestFile.h"
#include "files/TestFileWriter.h"
#include "TestFileFixtures.h"

namespace kaldoventri {
namespace {

TEST(RecordLines, WrittenLastAndReadBackInAnyOrder) {
    TestFileContents known = testing::ContentsOf(testing::ReadBytes(testing::KnownFile));
    TNewTabSheet sheet;
    FillSheetFromTestFile(sheet, known, std::get<TrayAmounts>(CompleteTrayAmounts(known)));
    // A customer with a comma and a character code page 1252 lacks (written as "?", as in the descriptions).
    const TestRecord record{"2026-04-12", "Gård AB, Öster", "Åsa", 10.5, 540, 3.25, "Vind från väster \u2192 ok"};
    sheet.SetRecord(record);
    const QByteArray bytes = WriteTestFile(MakeTestFileValues(sheet, QLocale(QLocale::Swedish, QLocale::Sweden)));
    EXPECT_EQ(bytes, testing::KnownFile + "Provdatum,2026-04-12\r\nKund,G\xE5rd AB, \xD6ster\r\nProvare,\xC5sa\r\n"
                                          "K\xF6rhastighet,10.5\r\nVarvtal,540\r\nVind,3.25\r\n"
                                          "Anteckning,Vind fr\xE5n v\xE4ster ? ok\r\n");
    TestRecord expected = record;
    expected.note = "Vind från väster ? ok";
    EXPECT_EQ(testing::ContentsOf(testing::ReadBytes(bytes)).Record, expected);

    const QByteArray shuffled = testing::KnownFile + "Vind,0\r\nBackyta,0.25\r\nKund,Ek\r\nProvdatum,2025-12-31\r\n";
    EXPECT_EQ(testing::ContentsOf(testing::ReadBytes(shuffled)).Record,
              (TestRecord{"2025-12-31", "Ek", "", std::nullopt, std::nullopt, 0.0, ""}));
}

TEST(RecordLines, RefusalsNameTheLine) {
    struct Row { const char* name; QByteArray lines; QString message; };
    const Row rows[] = {
        {"date not ISO", "Provdatum,12/4\r\n", "rad 13 (Provdatum): ett datum väntas, som 2026-04-12"},
        {"date that does not exist", "Provdatum,2026-02-30\r\n", "rad 13 (Provdatum): ett datum väntas, som 2026-04-12"},
        {"speed in words", "K\xF6rhastighet,fort\r\n", "rad 13 (Körhastighet): ett positivt tal med decimalpunkt väntas, som 10.5"},
        {"speed with a comma", "K\xF6rhastighet,10,5\r\n", "rad 13 (Körhastighet): ett positivt tal med decimalpunkt väntas, som 10.5"},
        {"wind negative", "Vind,-3\r\n", "rad 13 (Vind): ett tal från 0 med decimalpunkt väntas, som 3.5"},
        {"rpm decimal", "Varvtal,540.5\r\n", "rad 13 (Varvtal): ett heltal väntas, som 540"},
        {"second customer", "Kund,A\r\nBackyta,1\r\nKund,B\r\n", "rad 15 (Kund): raden finns redan"},
        {"note too long", "Anteckning," + QByteArray(251, 'x') + "\r\n", "rad 13 (Anteckning): högst 250 tecken"},
    };
    for (const Row& r : rows) {
        const TestFileReadResult read = testing::ReadBytes(testing::KnownFile + r.lines);
        ASSERT_TRUE(std::holds_alternative<TestFileError>(read)) << r.name;
        EXPECT_EQ(std::get<TestFileError>(read).message, r.message) << r.name;
    }
}

}  // namespace
}  // namespace kaldoventri
