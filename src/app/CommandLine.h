// What the program is asked to do on its command line:
//   Kaldoventri [FILE.vkf ...]                  the window, opening the files as sheets
//   Kaldoventri --report OUT.pdf FILE.vkf ...   a PDF report, no window
//   Kaldoventri --csv OUT.csv FILE.vkf ...      a CSV table ("-": standard output), no window
//   Kaldoventri --xlsx OUT.xlsx FILE.vkf ...    the same table as an Excel workbook, no window
//   Kaldoventri --field-map OUT.png FILE.vkf    the field map of one test as a picture, no window
//   Kaldoventri --compare --csv OUT.csv|- A.vkf B.vkf [C.vkf D.vkf]   2 to 4 tests side by side, the
//                                                first the reference (--report OUT.pdf too)
//   Kaldoventri [--archive ARKIV] --import FIL.vkf|MAPP ...   tests into the archive
//   Kaldoventri [--archive ARKIV] --list [SÖKORD] [--from DATUM] [--to DATUM] --csv|--xlsx|--report UT
//                                                the archived tests found, as the table or report of files
// (--report, --csv and --xlsx may be given together), --help and --version.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace kaldoventri {

struct CommandLine {
    enum class Mode { Window, Batch, ArchiveImport, ArchiveList, Help, Version, UsageError };
    Mode mode = Mode::Window;
    QStringList files;
    QString reportPath;  // empty: no report
    QString csvPath;     // empty: no table; "-": standard output
    QString xlsxPath;    // empty: no workbook
    QString fieldMapPath;  // empty: no field map
    bool compare = false;  // --compare: the files are 2 to 4 tests compared with the first
    QString error;       // for UsageError, one line in Swedish
    QString archive;     // --archive: an SQLite file or a postgresql:// URI; empty: the user's own
    QString listWord;    // --list's search word, empty for every test
    QDate from, to;      // --list's test dates; invalid: no limit
};

// `arguments` as the program got them, the program's name first.
CommandLine ParseCommandLine(const QStringList& arguments);

// The usage text that --help prints and a usage error shows.
QString UsageText();

// "Kaldoventri 1.0.3.0"
QString VersionText();

}  // namespace kaldoventri
