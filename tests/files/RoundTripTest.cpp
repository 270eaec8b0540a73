// Random sheets saved and read back come back as the same sheet with the same
// results, racetrack sheets too.
#include <QLocale>

#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "TestFileFixtures.h"
#include "evaluation/CalculateSheet.h"
#include "files/Cp1252.h"
#include "files/SheetFromTestFile.h"
#include "files/TestFileWriter.h"

namespace kaldoventri {
namespace {

class RandomSheets {
public:
    explicit RandomSheets(unsigned seed) : random(seed) {}

    // A text of code page 1252 characters with blanks and commas inside; it
    // does not begin with a separator, which the format cannot keep.
    std::string Text() {
        const int length = Between(0, 40);
        QByteArray bytes;
        while (bytes.size() < length) {
            char c;
            if (Between(0, 5) == 0)
                c = Between(0, 1) ? ' ' : ',';
            else
                c = static_cast<char>(Between(0, 255));
            if (c == '\r' || c == '\n' || c == '\x1A') continue;
            if (bytes.isEmpty() && (c == ' ' || c == ',')) continue;
            bytes.append(c);
        }
        return DecodeCp1252(bytes).toStdString();
    }

    qint32 Amount() {
        switch (Between(0, 5)) {
            case 0: return 0;
            case 1: return std::numeric_limits<qint32>::max();
            case 2: return Between(0, 1000);
            default: return Between(0, std::numeric_limits<qint32>::max());
        }
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

private:
    std::mt19937 random;
};

void ExpectSameSheet(const TNewTabSheet& a, const TNewTabSheet& b) {
    EXPECT_EQ(a.GetGodselFabrikat(), b.GetGodselFabrikat());
    EXPECT_EQ(a.GetSpridarFabrikat(), b.GetSpridarFabrikat());
    EXPECT_EQ(a.GetGodselMedel(), b.GetGodselMedel());
    EXPECT_EQ(a.GetSpridarModell(), b.GetSpridarModell());
    EXPECT_EQ(a.GetSpridarInstallning(), b.GetSpridarInstallning());
    EXPECT_EQ(a.GetProduktionsplats(), b.GetProduktionsplats());
    EXPECT_EQ(a.GetABredd(), b.GetABredd());
    EXPECT_EQ(a.GetBackuppstallning(), b.GetBackuppstallning());
    EXPECT_EQ(a.GetLeftPassReversed(), b.GetLeftPassReversed());
    EXPECT_EQ(a.GetRightPassReversed(), b.GetRightPassReversed());
    for (int tray = 1; tray <= TrayCount; ++tray) {
        EXPECT_EQ(a.GetTrayAmount(tray), b.GetTrayAmount(tray)) << "tray " << tray;
        EXPECT_EQ(a.GetTrayPosition(tray), b.GetTrayPosition(tray)) << "tray " << tray;
        EXPECT_EQ(a.GetTraySum(tray), b.GetTraySum(tray)) << "tray " << tray;
    }
    for (int width = 1; width <= MaxCurveWidth; ++width) EXPECT_EQ(a.GetVK(width), b.GetVK(width)) << "width " << width;
    EXPECT_EQ(a.GetOptimalWidth(), b.GetOptimalWidth());
    EXPECT_EQ(a.GetOptimalVK(), b.GetOptimalVK());
    EXPECT_EQ(a.GetYAxisMax(), b.GetYAxisMax());
}

TEST(RoundTripTest, TenThousandRandomSheets) {
    RandomSheets random(20240611);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    constexpr int widths = 100 - 10 + 1;
    for (int n = 0; n < 10'000 && !HasFailure(); ++n) {
        SCOPED_TRACE(n);
        const int layout = (n / widths) % 2;
        const int aBredd = 10 + n % widths;

        TNewTabSheet original;
        original.SetDescription(random.Text(), random.Text(), random.Text(), random.Text(), layout, aBredd,
                                random.Text(), random.Text());
        for (int tray = 1; tray <= TrayCount; ++tray) {
            original.SetTrayAmount(random.Amount(), tray);
            original.SetTrayPosition(tray, TrayPlacementFor(layout, tray));
        }
        SetDrivingPattern(original, n % 3 == 0 ? DrivingPattern::Racetrack : DrivingPattern::BackAndForth);
        const int yScaleMode = n % 2 ? YScalePercent : YScaleValue;
        CalculateSheet(original, yScaleMode);

        const QByteArray file = WriteTestFile(MakeTestFileValues(original, swedish));
        const TestFileContents contents = testing::ContentsOf(testing::ReadBytes(file));
        ASSERT_EQ(contents.TrayValues.size(), TrayCount) << file.toStdString();
        const auto amounts = CompleteTrayAmounts(contents);
        ASSERT_TRUE((std::holds_alternative<TrayAmounts>(amounts)));

        TNewTabSheet reread;
        FillSheetFromTestFile(reread, contents, std::get<TrayAmounts>(amounts));
        CalculateSheet(reread, yScaleMode);
        ExpectSameSheet(original, reread);
    }
}

// Only "Körmönster,Varv", the last such line, makes a racetrack sheet.
TEST(RoundTripTest, DrivingPatternLineAfterTheTwelfth) {
    const QByteArray key = "K\xF6rm\xF6nster";
    struct Row { QByteArray lines; DrivingPattern pattern; };
    using enum DrivingPattern;
    for (const Row& r : {Row{"", BackAndForth}, Row{key + ",Varv\r\n", Racetrack}, Row{key + " Varv\r\n", Racetrack},
                         Row{key + ",varv\r\n", BackAndForth}, Row{key + "\r\n", BackAndForth},
                         Row{key + ",Varv\r\n" + key + ",Fram\r\n", BackAndForth},
                         Row{key + ",Fram\r\nABredd,30\r\n" + key + ",Varv\r\n", Racetrack}}) {
        const TestFileContents c = testing::ContentsOf(testing::ReadBytes(testing::KnownFile + r.lines));
        EXPECT_EQ(c.Pattern, r.pattern) << r.lines.toStdString();
        TNewTabSheet sheet;
        FillSheetFromTestFile(sheet, c, {});
        EXPECT_EQ(DrivingPatternOf(sheet), r.pattern);
    }
}

// An averaged sheet keeps its origin in a line of its own; other sheets write none.
TEST(RoundTripTest, OriginLineOnlyWhenThereIsOne) {
    TNewTabSheet sheet;
    sheet.SetDescription("", "", "", "", Layout12m, 24, "", "");
    SetDrivingPattern(sheet, DrivingPattern::BackAndForth);
    EXPECT_FALSE(WriteTestFile(MakeTestFileValues(sheet)).contains("Ursprung"));
    sheet.SetOrigin("Medelvärde av Blad2, Blad1");
    const QByteArray bytes = WriteTestFile(MakeTestFileValues(sheet));
    EXPECT_TRUE(bytes.endsWith("Backuppst\xE4llning,0\r\nUrsprung,Medelv\xE4rde av Blad2, Blad1\r\n"));
    TNewTabSheet reread;
    FillSheetFromTestFile(reread, testing::ContentsOf(testing::ReadBytes(bytes)), {});
    EXPECT_EQ(reread.GetOrigin(), sheet.GetOrigin());
}

}  // namespace
}  // namespace kaldoventri
