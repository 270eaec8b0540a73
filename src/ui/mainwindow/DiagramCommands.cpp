// The diagram's commands: painting, display options, copy to the clipboard,
// printing, and the pointer read-out.
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>

#include "drawing/PainterSurface.h"
#include "drawing/TCopyDiagram.h"
#include "drawing/TDiagram.h"
#include "drawing/TPrintDiagram.h"
#include "ui/mainwindow/MessageBoxes.h"
#include "ui/mainwindow/ReadoutText.h"
#include "ui/mainwindow/TForm1.h"
#include "ui/mainwindow/PointerReadout.h"

namespace kaldoventri {

namespace {
const QSize ReadoutSize(150, 30);
}  // namespace

void TForm1::Diagram_PaintBoxPaint(QPainter& painter) {
    PainterSurface surface(painter, Diagram_PaintBox->width(), Diagram_PaintBox->height());
    screenDiagram_->DrawDiagram(currentSheet_, surface);
}

void TForm1::SetTrayMarkingBoth(int mode) {
    screenDiagram_->SetTrayMarking(mode);
    copyDiagram_->SetTrayMarking(mode);
}

void TForm1::Visameter1Click() {
    const bool show = !Visameter1->isChecked();
    screenDiagram_->SetShowMetres(show);
    copyDiagram_->SetShowMetres(show);
    Visameter1->setChecked(show);
    Diagram_PaintBox->update();
}

// The two tray items act as a pair of which at most one is ticked; choosing
// the ticked one again turns the tray marking off.
void TForm1::ChooseTrayMarking(const QAction* chosen, int mode) {
    const int marking = chosen->isChecked() ? 0 : mode;
    SetTrayMarkingBoth(marking);
    VisaBackar1->setChecked(marking == 1);
    VisaBackarbacknr1->setChecked(marking == 2);
    Diagram_PaintBox->update();
}

void TForm1::VisaBackar1Click() { ChooseTrayMarking(VisaBackar1, 1); }

void TForm1::VisaBackarbacknr1Click() { ChooseTrayMarking(VisaBackarbacknr1, 2); }

void TForm1::Kopiera1Click() {
    if (currentSheet_ == nullptr) return;
    // A new picture at the diagram's current size each time, so that a
    // resized window never gives a clipped picture.
    const QSize size = Diagram_Image->size();
    if (size.isEmpty()) return;
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        PainterSurface surface(painter, picture.width(), picture.height());
        copyDiagram_->DrawDiagram(currentSheet_, surface);
    }
    Diagram_Image->SetPicture(picture);
    QGuiApplication::clipboard()->setImage(picture);
}

void TForm1::Print_ToolButtonClick() {
    if (currentSheet_ == nullptr) return;
    const QString failed = QStringLiteral("Utskriften kunde inte göras. Kontrollera att en skrivare är installerad "
                                          "och vald under Skrivare, Inställningar.");
    printer_.setPageOrientation(QPageLayout::Landscape);
    // The header lines stand 200 printer pixels apart whatever the resolution,
    // while their 18-point text grows with it: at 1200 dpi a line is about 300
    // pixels high and the second line would cover the first. At 600 dpi it is
    // 150, and the page is still sharp.
    if (printer_.resolution() > 600) printer_.setResolution(600);
    QPainter painter;
    if (!painter.begin(&printer_)) {
        ShowPlainMessage(this, failed);
        return;
    }
    {
        PainterSurface surface(painter, printer_.width(), printer_.height());
        printDiagram_->DrawDiagram(currentSheet_, surface);
    }
    const bool finished = painter.end();
    if (!finished || printer_.printerState() == QPrinter::Error || printer_.printerState() == QPrinter::Aborted)
        ShowPlainMessage(this, failed);
}

void TForm1::Diagram_PaintBoxMouseMove(int x, int y) {
    Diagram_PaintBox->SetShowHint(false);
    pointerOverDiagram_ = true;
    if (currentSheet_ == nullptr) return;
    currentSheet_->SetMouse(x, y);
    Timer1->start();
}

void TForm1::Diagram_PaintBoxMouseLeave() {
    // Windows stacked over the diagram (the read-out itself, a tooltip) can
    // report a leave while the pointer is still above the diagram.
    if (Diagram_PaintBox->rect().contains(Diagram_PaintBox->mapFromGlobal(QCursor::pos()))) return;
    pointerOverDiagram_ = false;
    if (readoutWindow_) readoutWindow_->ReleaseHint();
}

void TForm1::Diagram_PaintBoxClick() { Diagram_PaintBox->SetShowHint(true); }

void TForm1::Timer1Timer() {
    // Only while the pointer is over the diagram: a sheet that was just
    // created or switched to would otherwise pop up a read-out for a pointer
    // position the user never chose.
    if (currentSheet_ == nullptr || !pointerOverDiagram_ || !readoutWindow_) return;
    // No read-out over an open menu.
    if (QApplication::activePopupWidget() != nullptr) return;
    const int x = currentSheet_->GetMouseX();
    const int y = currentSheet_->GetMouseY();
    if (x != lastMouseX_ || y != lastMouseY_) {
        readoutWindow_->ReleaseHint();
        lastMouseX_ = x;
        lastMouseY_ = y;
        Diagram_PaintBox->SetShowHint(false);
        return;
    }
    const std::optional<QString> text =
        ReadoutText(screenDiagram_->ValueAtPointer(Diagram_PaintBox->height(), *currentSheet_));
    if (!text) return;
    Diagram_PaintBox->setToolTip(*text);
    Diagram_PaintBox->SetShowHint(true);
    readoutRect_ = QRect(Diagram_PaintBox->mapToGlobal(QPoint(x, y)), ReadoutSize);
    readoutWindow_->ActivateHint(readoutRect_, *text);
    Timer1->stop();
}

}  // namespace kaldoventri
