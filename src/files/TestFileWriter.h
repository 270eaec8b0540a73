// Turns a sheet into the twelve lines of a .vkf test file.
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

#include "evaluation/DrivingPattern.h"
#include "evaluation/TNewTabSheet.h"
#include "evaluation/TrayKit.h"
#include "evaluation/TrayLayout.h"

namespace kaldoventri {

// Everything a test file holds, as the texts that will be written.
struct TestFileValues {
    std::vector<QString> TrayTexts;  // tray 1 first
    QString SpridarFabrikat;
    QString SpridarModell;
    QString SpridarInstallning;
    QString ArbetsbreddText;  // the working width as shown, such as "12,5 m"; never read back
    QString GodselFabrikat;
    QString GodselMedel;
    QString Produktionsplats;
    qint32 ABredd = DefaultWorkingWidth;  // half-metres
    qint32 Backuppstallning = Layout12m;
    DrivingPattern Pattern = DrivingPattern::BackAndForth;
    QString Origin;  // written only when there is one
    std::optional<TrayKit> Kit;  // an own kit; a built-in layout has none
    SheetUnits Units;
    TestRecord Record;           // its lines come last, each only when given
};

// The values of `sheet` as the main window shows them: its stored amounts, its
// texts (UTF-8 in the sheet) and its working width in the locale's form.
TestFileValues MakeTestFileValues(const TNewTabSheet& sheet, const QLocale& locale = QLocale());

// The complete file: twelve lines in code page 1252, each ending with CR LF,
// and "Körmönster,Varv" as a thirteenth for a racetrack sheet. A test of an
// own kit begins "Kaldoventri,2" and gives its kit after "Backuppställning".
// The unit lines follow the layout's (and the kit's) lines, each only when
// given, so a test without units is written as it always was.
// No value can break a line or end the text early (see EncodeCp1252).
QByteArray WriteTestFile(const TestFileValues& values);

}  // namespace kaldoventri
