// The program's message boxes: plain ones without an icon and the Yes/No
// question, each with the application's name as its caption.
#pragma once

#include <QString>

class QWidget;

namespace kaldoventri {

// A plain message with an OK button; returns when the user has closed it.
void ShowPlainMessage(QWidget* parent, const QString& text);

// A question with the buttons Yes and No; true only for Yes.
bool AskYesNo(QWidget* parent, const QString& text);

// "Saknas värde i back N!": tray N of a test has no amount.
QString MissingTrayMessage(int tray);

}  // namespace kaldoventri
