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

#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>

#include "evaluation/TNewTabSheet.h"
#include "drawing/TCopyDiagram.h"
#include "drawing/TDiagram.h"
#include "drawing/TPrintDiagram.h"
#include "ui/views/ClipboardPictureView.h"
#include "ui/commands/DiagramOutput.h"
#include "ui/views/PointerReadout.h"
#include "ui/views/DiagramView.h"
#include "ui/views/ReadoutTracker.h"
#include "ui/views/SheetTabBar.h"
#include "ui/window/TForm1.h"
#include "ui/controls/ArrowControl.h"
#include "ui/dialogs/TTypDokument.h"
#include "workbook/Workbook.h"

namespace kaldoventri::testing {

// A spread pattern whose evaluation at 12 m is known: VK 2.2 %, optimum 0 % at 12.5 m.
inline const std::vector<int> PeakedAmounts{6,  13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                                            98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};

// Answers every modal window that opens while it lives: the next queued
// answer if there is one, otherwise a message box is closed and a dialog
// cancelled. Message texts and window classes are recorded. An answer must
// close its window; one that leaves it open fails the test and the window is
// cancelled, rather than the command waiting for ever. While answerers are
// nested, the newest one answers.
class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    ModalAnswerer() : outer_(newest_) {
        newest_ = this;
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
    }

    ~ModalAnswerer() override { newest_ = outer_; }

    void Queue(Answer answer) { answers_.push_back(std::move(answer)); }

    QStringList messages;       // texts of the message boxes, in order
    QStringList messageTitles;  // their captions
    QStringList messageButtons; // their buttons' texts, each box's joined by spaces
    QStringList classes;        // class names of every modal window seen

private:
    void Poll() {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (newest_ != this || modal == nullptr || !modal->isVisible()) return;
        classes << QString::fromLatin1(modal->metaObject()->className());
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            messageTitles << box->windowTitle();
            QStringList texts;
            for (const QAbstractButton* button : box->buttons()) texts << button->text();
            messageButtons << texts.join(QLatin1Char(' '));
        }
        if (!answers_.empty()) {
            Answer answer = std::move(answers_.front());
            answers_.pop_front();
            answer(modal);
            if (modal == nullptr || !modal->isVisible()) return;
            QTest::qFail("the answer left its window open", __FILE__, __LINE__);
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    QTimer timer_;
    std::deque<Answer> answers_;
    ModalAnswerer* const outer_;
    static inline ModalAnswerer* newest_ = nullptr;
};

// Makes `window` the application's active window. The platform may report the
// window active before the application has taken in that the dialog closed
// a moment ago is not, and shortcuts go to the application's active window.
inline bool MakeActive(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window) &&
           QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Clicks the message box's button whose text, without its access key, is `text`.
inline ModalAnswerer::Answer PressButton(const QString& text) {
    return [text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        for (QAbstractButton* button : box->buttons())
            if (button->text().remove(QLatin1Char('&')) == text) return button->click();
        QFAIL(qPrintable(QStringLiteral("no button ") + text));
    };
}

// A control of the test entry dialog, found by its component name.
template <class T = QLineEdit>
T* DialogControl(QWidget* dialog, const QString& name) {
    T* found = dialog->findChild<T*>(name);
    if (found == nullptr) qFatal("no dialog control %s", qPrintable(name));
    return found;
}

// Fills the test entry dialog (layout "12 m", width 12 m unless changed) and presses OK.
inline ModalAnswerer::Answer FillAndAccept(std::vector<int> amounts = PeakedAmounts, int workingWidth = 24,
                                           QList<int> emptyTrays = {}) {
    return [amounts, workingWidth, emptyTrays](QWidget* modal) {
        auto* dialog = qobject_cast<TTypDokument*>(modal);
        QVERIFY(dialog != nullptr);
        const std::pair<const char*, const char*> texts[] = {
            {"SFabrikat_Edit", "Bogballe"}, {"SModell_Edit", "M2W"}, {"SInstallning_Edit", "34"},
            {"GMedel_Edit", "NS27"},        {"GFabrikat_Edit", "Yara"}, {"GPLats_Edit", "Glomfjord"}};
        for (const auto& [name, text] : texts) DialogControl(dialog, QLatin1String(name))->setText(QString::fromUtf8(text));
        for (int tray = 1; tray <= TrayCount; ++tray)
            DialogControl(dialog, QStringLiteral("Box_Edit%1").arg(tray))
                ->setText(emptyTrays.contains(tray) ? QString()
                                                    : QString::number(amounts[static_cast<std::size_t>(tray - 1)]));
        DialogControl<ArrowControl>(dialog, QStringLiteral("UpDown2"))->SetPosition(workingWidth);
        dialog->accept();
    };
}

// The main window's controls, found by their component names as a user's
// automation tool would find them.
struct Controls {
    explicit Controls(QWidget& window) : window_(window) {}

private:
    QWidget& window_;  // first: the controls below are found in it

public:
    template <class T = QWidget>
    T* Find(const QString& name) const {
        T* found = window_.findChild<T*>(name);
        if (found == nullptr) qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit* TrayEdit(int tray) const { return Find<QLineEdit>(QStringLiteral("FBox%1").arg(tray)); }
    QLabel* TrayEditLabel(int tray) const { return Find<QLabel>(QStringLiteral("FBoxLabel%1").arg(tray)); }

#define KALDOVENTRI_CONTROL(Type, Name) Type* const Name = Find<Type>(QStringLiteral(#Name));
    KALDOVENTRI_CONTROL(QToolButton, Nytt_ToolButton)
    KALDOVENTRI_CONTROL(QToolButton, Spara_ToolButton)
    KALDOVENTRI_CONTROL(QToolButton, Print_ToolButton)
    KALDOVENTRI_CONTROL(QToolButton, Close_Button)
    KALDOVENTRI_CONTROL(QLabel, VK_Label)
    KALDOVENTRI_CONTROL(QLabel, ABredd_Label)
    KALDOVENTRI_CONTROL(QLabel, OVK_Label)
    KALDOVENTRI_CONTROL(QLabel, OptimalAbredd_Label)
    KALDOVENTRI_CONTROL(QLabel, SFabrikat_Label)
    KALDOVENTRI_CONTROL(QLabel, GFabrikat_Label)
    KALDOVENTRI_CONTROL(QLabel, GMedel_Label)
    KALDOVENTRI_CONTROL(QLabel, GPlats_Label)
    KALDOVENTRI_CONTROL(QLabel, Label9)
    KALDOVENTRI_CONTROL(QWidget, Bottom_Panel)
    KALDOVENTRI_CONTROL(ArrowControl, UpDown1)
    KALDOVENTRI_CONTROL(QScrollBar, Box_ScrollBar)
    KALDOVENTRI_CONTROL(SheetTabBar, PageControl1)
    KALDOVENTRI_CONTROL(DiagramView, Diagram_PaintBox)
    KALDOVENTRI_CONTROL(ClipboardPictureView, Diagram_Image)
    KALDOVENTRI_CONTROL(QMenu, PopupMenu1)
    KALDOVENTRI_CONTROL(QTimer, Timer1)
    KALDOVENTRI_CONTROL(QAction, Nytt1)
    KALDOVENTRI_CONTROL(QAction, NyttSomDetta1)
    KALDOVENTRI_CONTROL(QAction, ppna1)
    KALDOVENTRI_CONTROL(QAction, Spara1)
    KALDOVENTRI_CONTROL(QAction, Stng1)
    KALDOVENTRI_CONTROL(QAction, Stngalla1)
    KALDOVENTRI_CONTROL(QAction, Menu_Diagram1)
    KALDOVENTRI_CONTROL(QAction, Menu_Diagram2)
    KALDOVENTRI_CONTROL(QAction, YSkala0)
    KALDOVENTRI_CONTROL(QAction, YSKala1)
    KALDOVENTRI_CONTROL(QAction, Menu_Diagram3)
    KALDOVENTRI_CONTROL(QAction, YSkala2)
    KALDOVENTRI_CONTROL(QAction, Visameter1)
    KALDOVENTRI_CONTROL(QAction, VisaBackar1)
    KALDOVENTRI_CONTROL(QAction, VisaBackarbacknr1)
    KALDOVENTRI_CONTROL(QAction, Kopiera1)
    KALDOVENTRI_CONTROL(QAction, setup)
    KALDOVENTRI_CONTROL(QAction, PopupMenu_Setup)
    KALDOVENTRI_CONTROL(QAction, Om1)
#undef KALDOVENTRI_CONTROL
};

// A shown 1600 x 1000 main window on its own workbook, with its dialog, as
// the program starts it.
struct MainWindow {
    MainWindow() {
        form->SetTypDokument(new TTypDokument(form.get()));
        form->resize(1600, 1000);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) qWarning("main window not exposed");
    }

    // Creates a sheet through "Nytt" with the given answer.
    const TNewTabSheet* NewSheet(const ModalAnswerer::Answer& answer = FillAndAccept()) {
        ModalAnswerer answerer;
        answerer.Queue(answer);
        c.Nytt1->trigger();
        return workbook->CurrentSheet();
    }

    std::unique_ptr<Workbook> workbook = std::make_unique<Workbook>();
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(*workbook);
    Controls c{*form};
};

}  // namespace kaldoventri::testing
