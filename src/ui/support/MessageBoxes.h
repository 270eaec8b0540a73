// The program's message boxes: plain ones without an icon, the Yes/No
// question and the questions before unsaved work would be lost, each with
// the application's name as its caption.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kaldoventri {

// A plain message with an OK button; returns when the user has closed it.
void ShowPlainMessage(QWidget* parent, const QString& text);

// A question with the buttons Yes and No; true only for Yes.
bool AskYesNo(QWidget* parent, const QString& text);

enum class SaveAnswer { Save, Discard, Cancel };

// Asked before unsaved sheets are thrown away: "Spara ändringarna i Blad1?"
// with "Spara", "Spara inte" and "Avbryt" for one sheet; for several the
// titles listed under one question with "Spara alla" instead of "Spara".
// Enter saves, Escape cancels.
SaveAnswer AskSaveChanges(QWidget* parent, const QStringList& titles);

// A question with two answers of its own; true for the first. Enter gives
// the first, Escape the second.
bool AskChoice(QWidget* parent, const QString& text, const QString& first, const QString& second);

// "Saknas värde i back N!": tray N of a test has no amount.
QString MissingTrayMessage(int tray);

}  // namespace kaldoventri
