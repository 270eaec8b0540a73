// What the archive keeps of a test besides its bytes: the figures its list
// shows, taken from the evaluated sheet, and one text of everything a search
// looks in, case-folded as a Swedish user reads letters (Å and å alike, å and
// a not).
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

struct ArchivedTest {
    qint64 id = 0;
    QString file;        // the file it was last saved to or opened from
    QString archivedAt;  // ISO date and time it came in
    QString testDate;    // ISO date, empty when the test has none
    QString customer, tester;
    QString spreaderMaker, spreaderModel, spreaderSetting;
    QString fertiliser, fertiliserMaker, productionSite;
    QString kit;  // "12 m", "24 m" or an own kit's name
    double workingWidth = 0;  // metres
    std::optional<double> vk, optimalWidth, optimalVK, rate, correction;
};

// The figures of an evaluated sheet that came from (or went to) `file`.
ArchivedTest ArchivedFiguresOf(const TNewTabSheet& sheet, const QString& file);

// Every text a search looks in, folded.
QString SearchTextOf(const ArchivedTest& test, const QString& note);
// A search word as the search text holds it.
QString FoldedForSearch(const QString& word);

}  // namespace kaldoventri
