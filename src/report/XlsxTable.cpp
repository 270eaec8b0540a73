// The xlsx table, written with libxlsxwriter. The library writes only to a
// named file; it writes one in a private temporary folder, whose bytes then
// go to the target through SaveThrough like every other output.
#include "report/XlsxTable.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <string>

#include <xlsxwriter.h>

#include "report/TableCells.h"

namespace kaldoventri {

namespace {

// Excel holds at most this many characters in a cell.
constexpr qsizetype MostCellCharacters = 32767;
// Column widths in characters: no column too narrow to read, none wider than a screen's third.
constexpr double NarrowestColumn = 6;
constexpr double WidestColumn = 50;
// Number formats by decimals shown; the decimal point in a format code is
// the reader's own separator.
constexpr std::array<const char*, 3> NumberFormats{"0", "0.0", "0.00"};

QString CellText(const TableCell& cell) {
    if (cell.kind == TableCell::Kind::Text) return cell.text.left(MostCellCharacters);
    if (cell.kind == TableCell::Kind::Number) return QString::number(cell.number, 'f', cell.decimals);
    return {};
}

// The longest line of a text, in characters.
double TextWidth(const QString& text) {
    qsizetype widest = 0;
    for (const QStringView line : QStringView(text).split(u'\n')) widest = std::max(widest, line.size());
    return static_cast<double>(widest);
}

// libxlsxwriter prints its numbers with the C library, which follows the
// process's LC_NUMERIC: under a Swedish locale (Qt takes it from the
// environment on Linux) "2,2" and widths of "10,7" went into the XML, a file
// that spreadsheets refuse or repair. The writing runs with C numbers.
class CNumbers {
public:
    CNumbers() {
        if (const char* now = std::setlocale(LC_NUMERIC, nullptr)) saved_ = now;
        std::setlocale(LC_NUMERIC, "C");
    }
    ~CNumbers() {
        if (!saved_.empty()) std::setlocale(LC_NUMERIC, saved_.c_str());
    }
    CNumbers(const CNumbers&) = delete;
    CNumbers& operator=(const CNumbers&) = delete;

private:
    std::string saved_;
};

class XlsxWriter {
public:
    XlsxWriter(const QString& file, const QString& tmpdir) : tmpdir_(tmpdir.toLocal8Bit()) {
        lxw_workbook_options options{};
        options.tmpdir = tmpdir_.data();
        book_ = workbook_new_opt(file.toLocal8Bit().constData(), &options);
        if (book_ == nullptr) return;
        sheet_ = workbook_add_worksheet(book_, "Tabell");
        header_ = workbook_add_format(book_);
        format_set_bold(header_);
        for (std::size_t d = 0; d < NumberFormats.size(); ++d) {
            numbers_[d] = workbook_add_format(book_);
            format_set_num_format(numbers_[d], NumberFormats[d]);
        }
        text_ = workbook_add_format(book_);
        format_set_num_format(text_, "@");
    }
    ~XlsxWriter() {
        if (book_ != nullptr) workbook_close(book_);
    }
    XlsxWriter(const XlsxWriter&) = delete;
    XlsxWriter& operator=(const XlsxWriter&) = delete;

    bool Opened() const { return book_ != nullptr && sheet_ != nullptr; }

    void Write(lxw_row_t row, lxw_col_t column, const TableCell& cell, bool isHeader) {
        Fit(column, CellText(cell));
        if (cell.kind == TableCell::Kind::Text) {
            const QByteArray utf8 = cell.text.left(MostCellCharacters).toUtf8();
            Note(worksheet_write_string(sheet_, row, column, utf8.constData(), isHeader ? header_ : text_));
        } else if (cell.kind == TableCell::Kind::Number && std::isfinite(cell.number)) {
            const auto d = static_cast<std::size_t>(std::clamp(cell.decimals, 0, static_cast<int>(NumberFormats.size()) - 1));
            Note(worksheet_write_number(sheet_, row, column, cell.number, numbers_[d]));
        }
    }

    // Freezes the header row, sets the widths, and writes the file: the
    // library's first error, or none.
    lxw_error Close() {
        worksheet_freeze_panes(sheet_, 1, 0);
        for (std::size_t c = 0; c < widths_.size(); ++c)
            Note(worksheet_set_column(sheet_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                      std::clamp(widths_[c] + 2, NarrowestColumn, WidestColumn), nullptr));
        const lxw_error closed = workbook_close(book_);
        book_ = nullptr;
        return first_ != LXW_NO_ERROR ? first_ : closed;
    }

private:
    void Note(lxw_error error) {
        if (first_ == LXW_NO_ERROR) first_ = error;
    }
    void Fit(lxw_col_t column, const QString& text) {
        if (widths_.size() <= column) widths_.resize(column + 1, 0.0);
        widths_[column] = std::max(widths_[column], TextWidth(text));
    }

    QByteArray tmpdir_;
    CNumbers cNumbers_;  // made first and gone last: around every call of the library
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* header_ = nullptr;
    lxw_format* text_ = nullptr;
    std::array<lxw_format*, NumberFormats.size()> numbers_{};
    std::vector<double> widths_;
    lxw_error first_ = LXW_NO_ERROR;
};

SaveOutcome NotMade(const QString& why) {
    return {SaveOutcome::Kind::Failed, QStringLiteral("I/O error: ") + why,
            QStringLiteral("tabellen kunde inte skapas (%1)").arg(why)};
}

}  // namespace

SaveOutcome SaveXlsxTable(const QString& path, const std::vector<ReportTest>& tests, const QLocale& locale) {
    const QTemporaryDir folder;
    if (!folder.isValid()) return NotMade(folder.errorString());
    const QString made = folder.filePath(QStringLiteral("tabell.xlsx"));
    {
        XlsxWriter writer(made, folder.path());
        if (!writer.Opened()) return NotMade(QStringLiteral("libxlsxwriter"));
        const QStringList headers = TableHeaders(locale);
        for (qsizetype c = 0; c < headers.size(); ++c)
            writer.Write(0, static_cast<lxw_col_t>(c), TableCell::Of(headers[c]), true);
        lxw_row_t row = 1;
        for (const ReportTest& test : tests) {
            const std::vector<TableCell> cells = TableRow(test);
            for (std::size_t c = 0; c < cells.size(); ++c) writer.Write(row, static_cast<lxw_col_t>(c), cells[c], false);
            ++row;
        }
        if (const lxw_error error = writer.Close(); error != LXW_NO_ERROR)
            return NotMade(QString::fromUtf8(lxw_strerror(error)));
    }
    QFile file(made);
    if (!file.open(QIODevice::ReadOnly)) return NotMade(file.errorString());
    const QByteArray bytes = file.readAll();
    // A failed write is the device's to report: false here would mean cancelled.
    return SaveThrough(path, [&bytes](QIODevice& out) {
        out.write(bytes);
        return true;
    });
}

}  // namespace kaldoventri
