// The frame every page of the PDF report shares: A4 landscape at 600 dots per
// inch, the margins, the fonts and the wrapping of texts, a title with the
// report's date on the right, and "Sida 3 av 12" at the foot. The pages' own
// parts draw inside Content().
#pragma once

#include <QFont>
#include <QLocale>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <limits>

class QPainter;
class QPdfWriter;

namespace kaldoventri {

class DrawingSurface;

struct ReportSettings {
    QLocale locale;
    QString date;  // "2026-12-09"
    // A report of compared sheets begins with the comparison page, the first
    // test the reference.
    bool comparisonFirst = false;
};

class ReportPageFrame {
public:
    static constexpr int Resolution = 600;

    // A4 landscape, no margins of the writer's own (the frame keeps its own), Resolution dpi.
    static void SetUpWriter(QPdfWriter& writer);

    // `painter` is active on `writer`.
    ReportPageFrame(QPdfWriter& writer, QPainter& painter, const ReportSettings& settings, int pageCount);

    // Page `number` (1 first): a new page after the first, the page number at
    // its foot and `title` at its top left, "Rapportdatum 2026-12-09" at its
    // top right. A title too long for its line wraps onto at most three.
    void StartPage(int number, const QString& title);

    // Below the title of the page last started (one line before any), above the page number.
    QRect Content() const { return content_; }
    QPainter& Painter() const { return painter_; }
    QPdfWriter& Writer() const { return writer_; }
    const ReportSettings& Settings() const { return settings_; }
    int PageCount() const { return pageCount_; }

    // Millimetres in the page's pixels.
    static int Mm(double mm);
    static QFont Font(int points, bool bold = false);

    // `text` in lines at most `width` wide, broken between words, and inside a
    // word only where it is wider than a line. A text that would need more
    // than `maxLines` lines is shortened in the middle ("…") until it takes
    // that many, so two texts that differ only at their ends still print apart.
    QStringList WrapText(const QFont& font, const QString& text, int width,
                         int maxLines = std::numeric_limits<int>::max()) const;

    // Runs `draw` on a surface of the box's size at the box, clipped to it, in
    // the page's font of `points`: how the diagrams and plots go onto a page.
    void DrawInBox(QRect box, int points, const std::function<void(DrawingSurface&)>& draw) const;

private:
    QPdfWriter& writer_;
    QPainter& painter_;
    ReportSettings settings_;
    int pageCount_;
    QRect page_;
    QRect content_;
};

}  // namespace kaldoventri
