// Clipboard picture and printed page.
#include "ui/mainwindow/DiagramOutput.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

#include "drawing/PainterSurface.h"
#include "drawing/TCopyDiagram.h"
#include "drawing/TPrintDiagram.h"
#include "ui/mainwindow/ClipboardPictureView.h"

namespace kaldoventri {

DiagramOutput::DiagramOutput()
    : copyDiagram_(std::make_unique<TCopyDiagram>()), printDiagram_(std::make_unique<TPrintDiagram>()) {
    for (DiagramRenderer* renderer : std::initializer_list<DiagramRenderer*>{copyDiagram_.get(), printDiagram_.get()}) {
        renderer->SetTrayMarking(1);
        renderer->SetShowMetres(true);
    }
}

DiagramOutput::~DiagramOutput() = default;

void DiagramOutput::SetTrayMarking(int mode) { copyDiagram_->SetTrayMarking(mode); }

void DiagramOutput::SetShowMetres(bool show) { copyDiagram_->SetShowMetres(show); }

void DiagramOutput::Copy(TNewTabSheet& sheet, ClipboardPictureView& view) {
    // A new picture at the diagram's current size each time, so that a
    // resized window never gives a clipped picture.
    const QSize size = view.size();
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

bool DiagramOutput::Print(TNewTabSheet& sheet) {
    printer_.setPageOrientation(QPageLayout::Landscape);
    // The header lines stand 200 printer pixels apart whatever the resolution,
    // while their 18-point text grows with it: at 1200 dpi a line is about 300
    // pixels high and the second line would cover the first. At 600 dpi it is
    // 150, and the page is still sharp.
    if (printer_.resolution() > 600) printer_.setResolution(600);
    QPainter painter;
    if (!painter.begin(&printer_)) return false;
    {
        PainterSurface surface(painter, printer_.width(), printer_.height());
        printDiagram_->DrawDiagram(&sheet, surface);
    }
    const bool finished = painter.end();
    return finished && printer_.printerState() != QPrinter::Error && printer_.printerState() != QPrinter::Aborted;
}

}  // namespace kaldoventri
