// Clipboard picture and printed page.
#include "ui/commands/DiagramOutput.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>

#include "drawing/PainterSurface.h"
#include "drawing/TCopyDiagram.h"
#include "drawing/TPrintDiagram.h"
#include "ui/views/ClipboardPictureView.h"
#include "ui/views/DisplayOptions.h"

namespace kaldoventri {

std::unique_ptr<QPrinter> JobPrinterFor(const QPrinter& chosen) {
    auto job = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // In this order: a file name ending in ".pdf" switches a printer to PDF,
    // so the chosen format comes after the file, and the printer's name after
    // the format, which would otherwise replace it with the default printer.
    if (!chosen.outputFileName().isEmpty()) job->setOutputFileName(chosen.outputFileName());
    job->setOutputFormat(chosen.outputFormat());
    if (chosen.outputFormat() == QPrinter::NativeFormat) job->setPrinterName(chosen.printerName());
    job->setPageLayout(chosen.pageLayout());
    job->setFullPage(chosen.fullPage());
    job->setCopyCount(chosen.copyCount());
    job->setCollateCopies(chosen.collateCopies());
    job->setColorMode(chosen.colorMode());
    job->setDuplex(chosen.duplex());
    job->setPageOrder(chosen.pageOrder());
    job->setPaperSource(chosen.paperSource());
    job->setDocName(chosen.docName());
    job->setResolution(std::min(chosen.resolution(), MaximumPrintResolution));
    return job;
}

DiagramOutput::DiagramOutput(const DisplayOptions& options)
    : copyDiagram_(std::make_unique<TCopyDiagram>()), printDiagram_(std::make_unique<TPrintDiagram>()) {
    const auto follow = [this, &options] { options.ApplyTo(*copyDiagram_); };
    following_ = QObject::connect(&options, &DisplayOptions::changed, follow);
    follow();
}

DiagramOutput::~DiagramOutput() { QObject::disconnect(following_); }

void DiagramOutput::Copy(const TNewTabSheet& sheet, ClipboardPictureView& view, QSize size) {
    // A new picture each time, so that a resized window never gives a clipped picture.
    if (size.isEmpty()) return;
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        PainterSurface surface(painter, picture.width(), picture.height());
        copyDiagram_->DrawDiagram(&sheet, surface);
    }
    view.SetPicture(picture);
    QGuiApplication::clipboard()->setImage(picture);
}

bool DiagramOutput::Print(const TNewTabSheet& sheet) {
    printer_.setPageOrientation(QPageLayout::Landscape);
    // Painting on the chosen printer itself would leave it "active" for good
    // when a job cannot start (a PDF printer without a file name), and every
    // later change under Skrivare, Inställningar would be refused.
    const std::unique_ptr<QPrinter> job = JobPrinterFor(printer_);
    QPainter painter;
    if (!painter.begin(job.get())) return false;
    {
        PainterSurface surface(painter, job->width(), job->height());
        printDiagram_->DrawDiagram(&sheet, surface);
    }
    const bool finished = painter.end();
    return finished && job->printerState() != QPrinter::Error && job->printerState() != QPrinter::Aborted;
}

}  // namespace kaldoventri
