// The xlsx table, written with libxlsxwriter. The library writes only to a
// named file; it writes one in a private temporary folder, whose bytes then
// go to the target through SaveThrough like every other output.
#include "report/XlsxTable.h"

#include <QDate>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <optional>
#include <string>

#include <xlsxwriter.h>

#include "evaluation/TNewTabSheet.h"
#include "report/TableCells.h"
#include "report/ZipArchive.h"

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

// A number as the program shows it, 8.7 and not the 8.699999999999999 that
// libxlsxwriter prints with its 16 digits: up to 15 significant digits,
// like the CSV table and the window.
QByteArray ShownNumber(double v) { return QByteArray::number(v, 'g', 15); }

QString CellText(const TableCell& cell) {
    if (cell.kind == TableCell::Kind::Text || cell.kind == TableCell::Kind::Date) return cell.text.left(MostCellCharacters);
    if (cell.kind == TableCell::Kind::Number)
        return cell.decimals < 0 ? QString::fromLatin1(ShownNumber(cell.number))
                                 : QString::number(cell.number, 'f', cell.decimals);
    return {};
}

// The worksheet's XML with the value of each cell named in `numbers` set to its text.
QByteArray WithNumbers(const QByteArray& xml, const QHash<QByteArray, QByteArray>& numbers) {
    QByteArray out;
    out.reserve(xml.size());
    qsizetype at = 0;
    for (;;) {
        const qsizetype cell = xml.indexOf("<c r=\"", at);
        if (cell < 0) break;
        const qsizetype ref = cell + 6;
        const qsizetype refEnd = xml.indexOf('"', ref);
        const qsizetype tagEnd = refEnd < 0 ? -1 : xml.indexOf('>', refEnd);
        if (tagEnd < 0) break;
        const auto found = numbers.constFind(xml.mid(ref, refEnd - ref));
        const qsizetype value = tagEnd + 4;
        const qsizetype valueEnd = xml.indexOf("</v>", value);
        if (found != numbers.constEnd() && xml.mid(tagEnd + 1, 3) == "<v>" && valueEnd >= 0) {
            out += xml.mid(at, value - at) + *found;
            at = valueEnd;
        } else {
            out += xml.mid(at, tagEnd + 1 - at);
            at = tagEnd + 1;
        }
    }
    return out + xml.mid(at);
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
        header_ = workbook_add_format(book_);
        format_set_bold(header_);
        for (std::size_t d = 0; d < NumberFormats.size(); ++d) {
            numbers_[d] = workbook_add_format(book_);
            format_set_num_format(numbers_[d], NumberFormats[d]);
        }
        text_ = workbook_add_format(book_);
        format_set_num_format(text_, "@");
        date_ = workbook_add_format(book_);
        format_set_num_format(date_, "yyyy-mm-dd");
    }
    ~XlsxWriter() {
        if (book_ != nullptr) workbook_close(book_);
    }
    XlsxWriter(const XlsxWriter&) = delete;
    XlsxWriter& operator=(const XlsxWriter&) = delete;

    bool Opened() const { return book_ != nullptr; }

    // A further worksheet, which the writes after it go to; false when the library failed.
    bool AddSheet(const char* name) {
        lxw_worksheet* sheet = workbook_add_worksheet(book_, name);
        if (sheet == nullptr) return false;
        sheets_.push_back({sheet, {}, {}});
        return true;
    }

    void Write(lxw_row_t row, lxw_col_t column, const TableCell& cell, bool isHeader) {
        Sheet& sheet = sheets_.back();
        Fit(sheet, column, CellText(cell));
        if (cell.kind == TableCell::Kind::Text) {
            const QByteArray utf8 = cell.text.left(MostCellCharacters).toUtf8();
            Note(worksheet_write_string(sheet.sheet, row, column, utf8.constData(), isHeader ? header_ : text_));
        } else if (cell.kind == TableCell::Kind::Date) {
            const QDate date = QDate::fromString(cell.text, Qt::ISODate);
            lxw_datetime when{date.year(), static_cast<uint8_t>(date.month()), static_cast<uint8_t>(date.day()), 0, 0, 0};
            Note(worksheet_write_datetime(sheet.sheet, row, column, &when, date_));
        } else if (cell.kind == TableCell::Kind::Number && std::isfinite(cell.number)) {
            const auto d = static_cast<std::size_t>(std::clamp(cell.decimals, 0, static_cast<int>(NumberFormats.size()) - 1));
            Note(worksheet_write_number(sheet.sheet, row, column, cell.number, cell.decimals < 0 ? nullptr : numbers_[d]));
            char ref[LXW_MAX_CELL_NAME_LENGTH];
            lxw_rowcol_to_cell(ref, row, column);
            sheet.numbers.insert(QByteArray(ref), ShownNumber(cell.number));
        }
    }

    // Freezes the header rows, sets the widths, and writes the file: the
    // library's first error, or none.
    lxw_error Close() {
        for (const Sheet& sheet : sheets_) {
            worksheet_freeze_panes(sheet.sheet, 1, 0);
            for (std::size_t c = 0; c < sheet.widths.size(); ++c)
                Note(worksheet_set_column(sheet.sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                          std::clamp(sheet.widths[c] + 2, NarrowestColumn, WidestColumn), nullptr));
        }
        const lxw_error closed = workbook_close(book_);
        book_ = nullptr;
        return first_ != LXW_NO_ERROR ? first_ : closed;
    }

    // The closed workbook `bytes` with every number as the program shows it;
    // none when the library's zip could not be read.
    std::optional<QByteArray> ShownNumbers(const QByteArray& bytes) const {
        auto members = ReadZipMembers(bytes);
        if (!members) return std::nullopt;
        for (ZipMember& member : *members)
            for (std::size_t i = 0; i < sheets_.size(); ++i)
                if (member.name == "xl/worksheets/sheet" + QByteArray::number(static_cast<qulonglong>(i + 1)) + ".xml")
                    member.data = WithNumbers(member.data, sheets_[i].numbers);
        return ZipOf(*members);
    }

private:
    struct Sheet {
        lxw_worksheet* sheet;
        std::vector<double> widths;
        QHash<QByteArray, QByteArray> numbers;  // cell reference ("J2") -> shown number
    };

    void Note(lxw_error error) {
        if (first_ == LXW_NO_ERROR) first_ = error;
    }
    static void Fit(Sheet& sheet, lxw_col_t column, const QString& text) {
        if (sheet.widths.size() <= column) sheet.widths.resize(column + 1, 0.0);
        sheet.widths[column] = std::max(sheet.widths[column], TextWidth(text));
    }

    QByteArray tmpdir_;
    CNumbers cNumbers_;  // made first and gone last: around every call of the library
    lxw_workbook* book_ = nullptr;
    lxw_format* header_ = nullptr;
    lxw_format* text_ = nullptr;
    lxw_format* date_ = nullptr;
    std::array<lxw_format*, NumberFormats.size()> numbers_{};
    std::vector<Sheet> sheets_;
    lxw_error first_ = LXW_NO_ERROR;
};

void WriteHeaders(XlsxWriter& writer, const QStringList& headers) {
    for (qsizetype c = 0; c < headers.size(); ++c) writer.Write(0, static_cast<lxw_col_t>(c), TableCell::Of(headers[c]), true);
}

SaveOutcome NotMade(const QString& why) {
    return {SaveOutcome::Kind::Failed, QStringLiteral("I/O error: ") + why,
            QStringLiteral("tabellen kunde inte skapas (%1)").arg(why)};
}

}  // namespace

SaveOutcome SaveXlsxTable(const QString& path, const std::vector<ReportTest>& tests, const QLocale& locale) {
    const QTemporaryDir folder;
    if (!folder.isValid()) return NotMade(folder.errorString());
    const QString made = folder.filePath(QStringLiteral("tabell.xlsx"));
    XlsxWriter writer(made, folder.path());
    if (!writer.Opened() || !writer.AddSheet("Tabell")) return NotMade(QStringLiteral("libxlsxwriter"));
    WriteHeaders(writer, TableHeaders(locale));
    lxw_row_t row = 1;
    for (const ReportTest& test : tests) {
        const std::vector<TableCell> cells = TableRow(test, locale);
        for (std::size_t c = 0; c < cells.size(); ++c) writer.Write(row, static_cast<lxw_col_t>(c), cells[c], false);
        ++row;
    }
    // Every tray of every test on a row of its own, for sums and charts of the catch.
    if (!writer.AddSheet("Backar")) return NotMade(QStringLiteral("libxlsxwriter"));
    WriteHeaders(writer, {QStringLiteral("Fil"), QStringLiteral("Back"), QStringLiteral("Läge m"), QStringLiteral("Mängd")});
    row = 1;
    for (const ReportTest& test : tests) {
        for (int tray = 1; tray <= test.sheet.GetTrayCount(); ++tray, ++row) {
            writer.Write(row, 0, TableCell::Of(test.name), false);
            writer.Write(row, 1, TableCell::Of(tray, 0), false);
            writer.Write(row, 2, TableCell::Of(test.sheet.GetTrayPosition(tray), TableCell::AsGiven), false);
            writer.Write(row, 3, TableCell::Of(test.sheet.GetTrayAmount(tray), 0), false);
        }
    }
    if (const lxw_error error = writer.Close(); error != LXW_NO_ERROR) return NotMade(QString::fromUtf8(lxw_strerror(error)));
    QFile file(made);
    if (!file.open(QIODevice::ReadOnly)) return NotMade(file.errorString());
    const std::optional<QByteArray> shown = writer.ShownNumbers(file.readAll());
    if (!shown) return NotMade(QStringLiteral("zip"));
    const QByteArray& bytes = *shown;
    // A failed write is the device's to report: false here would mean cancelled.
    return SaveThrough(path, [&bytes](QIODevice& out) {
        out.write(bytes);
        return true;
    });
}

}  // namespace kaldoventri
