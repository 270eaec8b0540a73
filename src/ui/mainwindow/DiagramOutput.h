// The diagram leaving the window: the clipboard picture ("Kopiera") and the
// printed page ("Skriv ut") with their renderers, and the printer chosen
// under Skrivare, Inställningar. The picture follows the window's display
// options; the printed page always shows tray squares and metre labels.
#pragma once

#include <QPrinter>

#include <memory>

namespace kaldoventri {

class ClipboardPictureView;
class TCopyDiagram;
class TNewTabSheet;
class TPrintDiagram;

class DiagramOutput {
public:
    DiagramOutput();
    ~DiagramOutput();

    const TCopyDiagram& CopyRenderer() const { return *copyDiagram_; }
    const TPrintDiagram& PrintRenderer() const { return *printDiagram_; }
    QPrinter& Printer() { return printer_; }

    // The picture's display options; the printed page keeps its own.
    void SetTrayMarking(int mode);
    void SetShowMetres(bool show);

    // Draws the sheet's picture at the view's current size, shows it in the
    // view and puts it on the clipboard.
    void Copy(TNewTabSheet& sheet, ClipboardPictureView& view);
    // Prints the sheet on one landscape page of the chosen printer; false
    // when the job could not be started or finished.
    bool Print(TNewTabSheet& sheet);

private:
    std::unique_ptr<TCopyDiagram> copyDiagram_;
    std::unique_ptr<TPrintDiagram> printDiagram_;
    QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace kaldoventri
