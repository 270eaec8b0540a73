// The diagram leaving the window: the clipboard picture ("Kopiera") and the
// printed page ("Skriv ut") with their renderers, and the printer chosen
// under Skrivare, Inställningar. The picture follows the window's display
// options; the printed page always shows tray squares and metre labels.
// Each print goes through a printer of its own that copies the user's choices.
#pragma once

#include <QPrinter>

#include <memory>

namespace kaldoventri {

class ClipboardPictureView;
class DisplayOptions;
class TCopyDiagram;
class TNewTabSheet;
class TPrintDiagram;

// The header lines of the printed page stand 200 printer pixels apart whatever
// the resolution, while their 18-point text grows with it: at 1200 dpi a line
// is about 300 pixels high and the second would cover the first. At 600 dpi it
// is 150, and the page is still sharp.
inline constexpr int MaximumPrintResolution = 600;

// A printer for one job with the choices made under Skrivare, Inställningar
// (printer, output format and file, page size, orientation and margins,
// copies, colour, duplex, collation, page order, paper source, document name)
// at no more than MaximumPrintResolution. Printing through it leaves the
// chosen printer as the user set it, and a job that fails takes its broken
// state with it.
std::unique_ptr<QPrinter> JobPrinterFor(const QPrinter& chosen);

class DiagramOutput {
public:
    explicit DiagramOutput(const DisplayOptions& options);
    ~DiagramOutput();

    const TCopyDiagram& CopyRenderer() const { return *copyDiagram_; }
    const TPrintDiagram& PrintRenderer() const { return *printDiagram_; }
    QPrinter& Printer() { return printer_; }

    // Draws the sheet's picture at the given size, shows it in the view and
    // puts it on the clipboard.
    void Copy(const TNewTabSheet& sheet, ClipboardPictureView& view, QSize size);
    // Prints the sheet on one landscape page of the chosen printer, which
    // shows landscape from then on; false when the job could not be started
    // or finished.
    bool Print(const TNewTabSheet& sheet);

private:
    std::unique_ptr<TCopyDiagram> copyDiagram_;
    std::unique_ptr<TPrintDiagram> printDiagram_;
    QPrinter printer_{QPrinter::HighResolution};
    QMetaObject::Connection following_;
};

}  // namespace kaldoventri
