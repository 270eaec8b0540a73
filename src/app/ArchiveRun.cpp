#include "app/ArchiveRun.h"

#include <QFileInfo>

#include <cstdio>
#include <memory>

#include "app/BatchRun.h"
#include "app/TerminalProgress.h"
#include "archive/FileImport.h"
#include "archive/TestArchive.h"
#include "evaluation/CalculateSheet.h"
#include "files/TestSheetReading.h"

namespace kaldoventri {

namespace {

constexpr int UsageStatus = 2;

std::unique_ptr<TestArchive> OpenArchive(const CommandLine& line, TerminalProgress& progress, int& status) {
    const auto location = line.archive.isEmpty() ? std::optional(DefaultArchive()) : ParseArchiveLocation(line.archive);
    if (!location) {
        progress.PrintLine(QStringLiteral("Arkivet %1 är ingen SQLite-fil och ingen postgresql://-adress med databas.")
                               .arg(line.archive));
        status = UsageStatus;
        return nullptr;
    }
    auto opened = TestArchive::Open(*location);
    if (auto* error = std::get_if<ArchiveError>(&opened)) {
        progress.PrintLine(error->message);
        status = 1;
        return nullptr;
    }
    return std::move(std::get<std::unique_ptr<TestArchive>>(opened));
}

}  // namespace

int RunArchiveImport(const CommandLine& line) {
    TerminalProgress progress(stderr);
    int status = 0;
    const auto archive = OpenArchive(line, progress, status);
    if (!archive) return status;
    const QStringList files = TestFilesOf(line.files);
    ImportCounts counts;
    bool archiveFailed = false;
    // Each file is one transaction: an interrupted import leaves every file before it in.
    for (qsizetype i = 0; i < files.size() && !archiveFailed; ++i) {
        if (BatchInterrupted()) return 130;
        progress.Show(QStringLiteral("Importerar: %1 av %2").arg(i + 1).arg(files.size()));
        const ImportOutcome outcome = ImportTestFile(*archive, files[i]);
        counts.Count(outcome);
        if (outcome.failure) progress.PrintLine(RefusalText(files[i], *outcome.failure));
        if (outcome.kind == ImportOutcome::Kind::ArchiveFailed) {
            // The archive itself failed: the files after this one would fail too.
            progress.PrintLine(outcome.archiveError);
            archiveFailed = true;
        }
    }
    progress.PrintLine(ImportCountsText(counts));
    return archiveFailed || counts.unreadable > 0 ? 1 : 0;
}

int RunArchiveList(const CommandLine& line, const QLocale& locale) {
    TerminalProgress progress(stderr);
    int status = 0;
    const auto archive = OpenArchive(line, progress, status);
    if (!archive) return status;
    ArchiveQuery query;
    query.words = QStringList{line.listWord};  // one argument, one phrase
    if (line.from.isValid()) query.from = line.from;
    if (line.to.isValid()) query.to = line.to;
    auto count = archive->CountMatches(query);
    if (const auto* error = std::get_if<ArchiveError>(&count)) {
        progress.PrintLine(error->message);
        return 1;
    }
    if (std::get<qint64>(count) == 0) {
        progress.PrintLine(QStringLiteral("Inget prov i arkivet motsvarar sökningen; ingen utfil har skrivits."));
        return 0;
    }
    // The batch run reads "files" named by their places in the list, and the
    // tests come from the archive a page at a time as it asks for them, each
    // page after the last test of the one before.
    CommandLine batch = line;
    for (qint64 place = 1; place <= std::get<qint64>(count); ++place) batch.files << QStringLiteral("#%1").arg(place);
    std::vector<ArchivedTest> page;
    qint64 pageStart = 0;
    const auto testAt = [&](qint64 place) -> std::variant<const ArchivedTest*, ArchiveError> {
        while (place >= pageStart + static_cast<qint64>(page.size())) {
            auto next = page.empty() && pageStart == 0 ? archive->Find(query, 0, ArchiveListPage)
                                                       : archive->FindAfter(query, page.back(), ArchiveListPage);
            if (auto* error = std::get_if<ArchiveError>(&next)) return *error;
            auto& tests = std::get<std::vector<ArchivedTest>>(next);
            // Tests removed since the count: the list ends early.
            if (tests.empty()) return ArchiveError{QStringLiteral("Provet finns inte längre i arkivet.")};
            pageStart += static_cast<qint64>(page.size());
            page = std::move(tests);
        }
        return &page[static_cast<std::size_t>(place - pageStart)];
    };
    const TestReader read = [&](const QString& name, const QLocale& shown) -> std::variant<ReportTest, OpenFailure> {
        auto found = testAt(name.mid(1).toLongLong() - 1);
        if (const auto* error = std::get_if<ArchiveError>(&found))
            return OpenFailure{OpenFailure::Kind::Error, error->message, error->message};
        const ArchivedTest test = *std::get<const ArchivedTest*>(found);
        auto bytes = archive->Bytes(test.id);
        if (const auto* error = std::get_if<ArchiveError>(&bytes))
            return OpenFailure{OpenFailure::Kind::Error, error->message, error->message};
        auto sheet = ReadTestSheetBytes(std::get<QByteArray>(bytes), test.file, YScaleValue);
        if (const auto* failure = std::get_if<OpenFailure>(&sheet)) return *failure;
        return MakeReportTest(QFileInfo(test.file).fileName(), std::get<TNewTabSheet>(std::move(sheet)), shown);
    };
    return RunBatch(batch, locale, read);
}

int RunArchiveProgram(int argc, char** argv, const CommandLine& line) {
    return RunWithoutWindow(argc, argv, [&line] {
        return line.mode == CommandLine::Mode::ArchiveImport ? RunArchiveImport(line) : RunArchiveList(line, QLocale());
    });
}

}  // namespace kaldoventri
