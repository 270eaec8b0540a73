#include "archive/ArchivedTest.h"

#include <QFileInfo>

#include "evaluation/ApplicationRate.h"
#include "evaluation/SheetFigures.h"
#include "evaluation/TrayKit.h"

namespace kaldoventri {

namespace {
QString Text(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

ArchivedTest ArchivedFiguresOf(const TNewTabSheet& sheet, const QString& file) {
    ArchivedTest test;
    test.file = file;
    const TestRecord& record = sheet.GetRecord();
    test.testDate = Text(record.date);
    test.customer = Text(record.customer);
    test.tester = Text(record.tester);
    test.spreaderMaker = Text(sheet.GetSpridarFabrikat());
    test.spreaderModel = Text(sheet.GetSpridarModell());
    test.spreaderSetting = Text(sheet.GetSpridarInstallning());
    test.fertiliser = Text(sheet.GetGodselMedel());
    test.fertiliserMaker = Text(sheet.GetGodselFabrikat());
    test.productionSite = Text(sheet.GetProduktionsplats());
    test.kit = Text(KitNameOf(sheet));
    test.workingWidth = sheet.GetABredd() / 2.0;
    const SheetFigures figures = ComputeSheetFigures(sheet);
    test.vk = figures.vk;
    if (sheet.HasOptimum()) {
        test.optimalWidth = sheet.GetOptimalWidth();
        test.optimalVK = sheet.GetOptimalVK();
    }
    test.rate = figures.rate;
    if (figures.target) test.correction = figures.target->correction;
    return test;
}

QString FoldedForSearch(const QString& word) { return word.toCaseFolded(); }

QString SearchTextOf(const ArchivedTest& test, const QString& note) {
    const QStringList texts{test.spreaderMaker, test.spreaderModel, test.spreaderSetting, test.fertiliser,
                            test.fertiliserMaker, test.productionSite, test.customer, test.tester, note,
                            QFileInfo(test.file).fileName(), test.kit};
    // A line break cannot be typed into a field, so no word runs across two texts.
    return FoldedForSearch(texts.join(QLatin1Char('\n')));
}

}  // namespace kaldoventri
