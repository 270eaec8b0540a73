// The window's side of the recovery copies: the question at start about
// sheets a program that did not end normally left behind, and the one
// message of a run whose copies cannot be written.
#pragma once

#include <QString>

class QWidget;

namespace kaldoventri {

class SheetRecovery;
class Workbook;

// Asks "Kaldoventri avslutades oväntat. Återställa N osparade blad?" when
// sheets were left under `root`; "Återställ" brings them back unsaved as
// further sheets, "Släng" throws them away. Either way the old copies go once
// the restored sheets have copies of this program's own.
void OfferLeftBehindSheets(QWidget* window, Workbook& workbook, SheetRecovery& recovery, const QString& root);

// Shows, once, that unsaved sheets are not protected against a crash.
void ShowRecoveryFailure(QWidget* window, const QString& reason);

}  // namespace kaldoventri
