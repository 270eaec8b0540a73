// The comparison window.
#include "ui/comparison/ComparisonWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

#include "drawing/ComparisonRenderer.h"
#include "drawing/PainterSurface.h"
#include "evaluation/CalculateSheet.h"
#include "evaluation/Comparison.h"
#include "report/PdfReport.h"
#include "report/SavedOutput.h"
#include "ui/commands/DiagramOutput.h"
#include "ui/comparison/CompareSheetsDialog.h"
#include "ui/controls/ProgramFont.h"
#include "ui/support/CommandBoundary.h"
#include "ui/support/CommandError.h"
#include "ui/support/FileDialogs.h"
#include "ui/support/MessageBoxes.h"
#include "ui/support/RecentFolder.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

const FileKind PdfFiles{QStringLiteral("PDF-filer"), QStringLiteral("pdf")};

// The drawing area; it paints whatever the window compares at the moment.
class ComparisonCanvas : public QWidget {
public:
    ComparisonCanvas(std::function<const std::vector<const TNewTabSheet*>&()> sheets, QWidget* parent)
        : QWidget(parent), sheets_(std::move(sheets)) {
        setObjectName(QStringLiteral("ComparisonView"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(640, 420);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(font());
        PainterSurface surface(painter, width(), height());
        ComparisonRenderer().Draw(sheets_(), surface);
    }

private:
    std::function<const std::vector<const TNewTabSheet*>&()> sheets_;
};

}  // namespace

ComparisonWindow::ComparisonWindow(const Workbook& workbook, const std::vector<int>& indices, QPrinter& chosenPrinter,
                                   const RecentFolder& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), workbook_(&workbook), chosenPrinter_(chosenPrinter), folder_(folder) {
    setObjectName(QStringLiteral("ComparisonWindow"));
    setWindowTitle(QStringLiteral("Jämförelse"));
    setAttribute(Qt::WA_DeleteOnClose);
    for (const int index : indices)
        if (const TNewTabSheet* sheet = workbook.Sheet(index)) sheets_.push_back(sheet);

    canvas_ = new ComparisonCanvas([this]() -> const std::vector<const TNewTabSheet*>& { return sheets_; }, this);
    canvas_->setFont(ProgramPixelFont(QStringLiteral("MS Sans Serif"), 14, false));
    auto* copy = new QPushButton(QStringLiteral("&Kopiera"), this);
    auto* print = new QPushButton(QStringLiteral("&Skriv ut"), this);
    auto* report = new QPushButton(QStringLiteral("&Rapport (PDF)..."), this);
    report->setObjectName(QStringLiteral("ComparisonReportButton"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {copy, print, report}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(canvas_, 1);

    const auto command = [this](auto* sender, auto signal, void (ComparisonWindow::*work)()) {
        connect(sender, signal, this, [this, work] { RunCommand(this, [this, work] { (this->*work)(); }); });
    };
    auto* copyKey = new QAction(this);
    copyKey->setShortcut(QKeySequence::Copy);
    auto* printKey = new QAction(this);
    printKey->setShortcut(QKeySequence::Print);
    addActions({copyKey, printKey});
    command(copy, &QPushButton::clicked, &ComparisonWindow::CopyPicture);
    command(copyKey, &QAction::triggered, &ComparisonWindow::CopyPicture);
    command(print, &QPushButton::clicked, &ComparisonWindow::PrintOrSay);
    command(printKey, &QAction::triggered, &ComparisonWindow::PrintOrSay);
    command(report, &QPushButton::clicked, &ComparisonWindow::WriteReport);
    connect(&workbook, &Workbook::changed, this, [this](Workbook::Changes what) { WorkbookChanged(what.toInt()); });
    resize(1100, 760);
}

void ComparisonWindow::WorkbookChanged(int what) {
    if (what & Workbook::Sheets) {
        // A closed sheet is gone from the workbook; only its address is compared.
        std::erase_if(sheets_, [this](const TNewTabSheet* sheet) { return !workbook_ || workbook_->IndexOf(sheet) < 0; });
        if (static_cast<int>(sheets_.size()) < FewestComparedTests) {
            close();
            return;
        }
    }
    canvas_->update();
}

QImage ComparisonWindow::Picture(QSize size) const {
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setFont(canvas_->font());
    PainterSurface surface(painter, size.width(), size.height());
    ComparisonRenderer().Draw(sheets_, surface);
    return picture;
}

void ComparisonWindow::CopyPicture() { QGuiApplication::clipboard()->setImage(Picture(canvas_->size())); }

bool PrintComparison(QPrinter& chosen, const std::vector<const TNewTabSheet*>& sheets) {
    const std::unique_ptr<QPrinter> job = JobPrinterFor(chosen);
    job->setPageSize(QPageSize(QPageSize::A4));
    job->setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(job.get())) return false;
    {
        PainterSurface surface(painter, job->width(), job->height());
        ComparisonRenderer(ComparisonPageStyle).Draw(sheets, surface);
    }
    const bool finished = painter.end();
    return finished && job->printerState() != QPrinter::Error && job->printerState() != QPrinter::Aborted;
}

bool ComparisonWindow::Print() { return PrintComparison(chosenPrinter_, sheets_); }

void ComparisonWindow::PrintOrSay() {
    if (Print()) return;
    ShowPlainMessage(this, QStringLiteral("Utskriften kunde inte göras. Kontrollera att en skrivare är installerad "
                                          "och vald under Skrivare, Inställningar."));
}

void ComparisonWindow::WriteReport() {
    const QString path = ChooseFileToSave(this, PdfFiles, folder_.StartFolder(), QStringLiteral("Jämförelse"));
    if (path.isEmpty()) return;
    ReportSettings settings{QLocale(), QDate::currentDate().toString(Qt::ISODate)};
    settings.comparisonFirst = true;
    // Each sheet evaluated anew in a copy on the value Y scale, as the main report does.
    std::vector<ReportTest> tests;
    for (const TNewTabSheet* sheet : sheets_) {
        TNewTabSheet copy = *sheet;
        CalculateSheet(copy, YScaleValue);
        QString name = QString::fromStdString(copy.GetTitle());
        tests.push_back(MakeReportTest(std::move(name), std::move(copy), settings.locale));
    }
    const SaveOutcome saved = SaveThrough(path, [&](QIODevice& out) { return WritePdfReport(out, tests, settings); });
    if (saved.kind == SaveOutcome::Kind::Failed) throw CommandError(saved.error);
}

ComparisonWindow* StartComparison(QWidget* window, const Workbook& workbook, QPrinter& chosenPrinter,
                                  const RecentFolder& folder) {
    if (workbook.SheetCount() < FewestComparedTests) {
        ShowPlainMessage(window, QStringLiteral("Öppna minst två blad för att jämföra dem."));
        return nullptr;
    }
    CompareSheetsDialog dialog(workbook, window);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return ShowComparison(window, workbook, dialog.ChosenSheets(), chosenPrinter, folder);
}

ComparisonWindow* ShowComparison(QWidget* window, const Workbook& workbook, const std::vector<int>& indices,
                                 QPrinter& chosenPrinter, const RecentFolder& folder) {
    auto* comparison = new ComparisonWindow(workbook, indices, chosenPrinter, folder, window);
    comparison->show();
    return comparison;
}

}  // namespace kaldoventri
