// Shared by the main window's tests: a shown main window with its test entry
// dialog, and a helper that answers the modal windows a command opens.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "evaluation/TNewTabSheet.h"
#include "ui/mainwindow/TForm1.h"
#include "ui/widgets/TTypDokument.h"
#include "ui/widgets/ArrowControl.h"

namespace kaldoventri::testing {

// A spread pattern whose evaluation at 12 m is known: VK 2.2 %, optimum 0 % at 12.5 m.
inline const std::vector<int> PeakedAmounts{6,  13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                                            98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};

// Answers every modal window that opens while it lives: the next queued
// answer if there is one, otherwise a message box is closed and a dialog
// cancelled. Message texts and window classes are recorded.
class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    ModalAnswerer() {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
    }

    void Queue(Answer answer) { answers_.push_back(std::move(answer)); }

    QStringList messages;       // texts of the message boxes, in order
    QStringList messageTitles;  // their captions
    QStringList classes;        // class names of every modal window seen

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || modal == handled_) return;
        handled_ = modal;
        classes << QString::fromLatin1(modal->metaObject()->className());
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            messageTitles << box->windowTitle();
        }
        if (!answers_.empty()) {
            Answer answer = std::move(answers_.front());
            answers_.pop_front();
            answer(modal);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    QTimer timer_;
    std::deque<Answer> answers_;
    QPointer<QWidget> handled_;
};

// Fills the test entry dialog (layout "12 m", width 12 m unless changed) and presses OK.
inline ModalAnswerer::Answer FillAndAccept(std::vector<int> amounts = PeakedAmounts, int workingWidth = 24,
                                           QList<int> emptyTrays = {}) {
    return [amounts, workingWidth, emptyTrays](QWidget* modal) {
        auto* dialog = qobject_cast<TTypDokument*>(modal);
        QVERIFY(dialog != nullptr);
        dialog->SFabrikat_Edit->setText(QStringLiteral("Bogballe"));
        dialog->SModell_Edit->setText(QStringLiteral("M2W"));
        dialog->SInstallning_Edit->setText(QStringLiteral("34"));
        dialog->GMedel_Edit->setText(QStringLiteral("NS27"));
        dialog->GFabrikat_Edit->setText(QStringLiteral("Yara"));
        dialog->GPLats_Edit->setText(QStringLiteral("Glomfjord"));
        for (int tray = 1; tray <= TrayCount; ++tray)
            dialog->Box_Edit(tray)->setText(emptyTrays.contains(tray)
                                                ? QString()
                                                : QString::number(amounts[static_cast<std::size_t>(tray - 1)]));
        dialog->UpDown2->SetPosition(workingWidth);
        dialog->accept();
    };
}

// A shown 1600 x 1000 main window with its dialog, as the program starts it.
struct MainWindow {
    MainWindow() {
        form = std::make_unique<TForm1>();
        form->SetTypDokument(new TTypDokument(form.get()));
        form->resize(1600, 1000);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) qWarning("main window not exposed");
    }

    // Creates a sheet through "Nytt" with the given answer.
    TNewTabSheet* NewSheet(const ModalAnswerer::Answer& answer = FillAndAccept()) {
        ModalAnswerer answerer;
        answerer.Queue(answer);
        form->Nytt1->trigger();
        return form->CurrentSheet();
    }

    std::unique_ptr<TForm1> form;
};

}  // namespace kaldoventri::testing
