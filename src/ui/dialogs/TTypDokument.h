// The test entry dialog "Inställningar": the description of one spreader test,
// its tray amounts, the tray kit (a built-in layout or an own kit with its
// places), the working width and, optionally, the units of the amounts. It is created
// once and reused; callers fill it, show it with Execute, and read it after OK.
// Its OK button refuses what cannot be taken (EntriesProblem) with the
// message over the dialog; callers that accept it otherwise check the same.
// Its controls are its own; they carry their component names (SFabrikat_Edit,
// Box_Edit1, UpDown2 ...) as object names.
#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>
#include <optional>

#include "evaluation/TrayLayout.h"
#include "workbook/SheetSettings.h"

class QLineEdit;
class QPushButton;

namespace Ui {
class TTypDokument;
}

namespace kaldoventri {

class RadioGroup;
class ArrowControl;
class KitPanel;
class SheetUnitsPanel;
class TestRecordPanel;
class ScaleWindow;
class TrayEntryRow;
class TrayKeyFilter;

class TTypDokument : public QDialog {
    Q_OBJECT

public:
    explicit TTypDokument(QWidget* parent = nullptr);
    ~TTypDokument() override;

    // Shows the dialog modally; true when it was closed with "OK", false for
    // "Avbryt" or the close box.
    bool Execute();

    // Back to a blank test: layout "12 m", working width 12 m, all fields
    // empty. The own kit last typed stays ready for the next own-kit test.
    void ClearEntries();
    // Empties the tray fields only and puts the cursor in the first one.
    void ClearAmounts();

    // Fills every field from a sheet's settings, the layout before the width
    // (selecting another layout resets the width).
    void ShowSettings(const SheetSettings& settings);
    // What the fields hold. A tray text that is no whole number ends the
    // command with the conversion error (CommandError).
    SheetSettings Settings() const;

    int GetLayout() const { return layout_; }
    // Sets the layout value only; no positions change and nothing is checked.
    void SetLayout(int layout) { layout_ = layout; }

    // Half-metres, 10 to 100 (24 means 12 m).
    int GetWorkingWidth() const;

    QString GetSpreaderMaker() const;
    QString GetSpreaderModel() const;
    QString GetSpreaderSetting() const;
    QString GetFertiliserName() const;
    QString GetFertiliserMaker() const;
    QString GetProductionSite() const;

    // Tray numbers run from 1 to the kit's tray count; any other number is
    // ignored (empty text, no field).
    void SetTrayValue(qint64 value, int tray);
    QString GetTrayText(int tray) const;
    // The highest-numbered tray whose field is empty, 0 when all are filled.
    // A field holding only spaces counts as filled.
    int LastEmptyTray() const;
    // Puts the focus into the tray's field, so that the dialog comes back
    // ready for a missing amount.
    void FocusTray(int tray);

    // Why the own kit as typed cannot be used, in Swedish; nothing for a
    // usable kit and for the built-in layouts.
    std::optional<QString> KitProblemText() const;
    // Keeps an own kit under its name for later runs (after a checked OK).
    void KeepKit();

    // Why the units as typed cannot be used, in Swedish; nothing when they
    // can, and when none are typed.
    std::optional<QString> UnitsProblemText() const;
    // Puts the focus into the units field to correct.
    void FocusUnitsProblem();
    // Today's date in the record, for a retest ("Nytt som detta").
    void DateToday();

    // What OK refuses, in the order the user is told: an own kit that cannot
    // be used, units that cannot, then the highest empty tray. The focus goes
    // to what is to be corrected. Nothing when every entry can be taken.
    std::optional<QString> EntriesProblem();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SpridarTyp_RadioGroupClick();
    void OkClicked();
#ifdef KALDOVENTRI_SCALE
    // "Våg...": the scale window for the tray fields (one at a time).
    void OpenScale();
#endif
    void UpDown2Click();
    // Moves the dialog up as far as its lower edge needs to stay on the screen.
    void KeepOnScreen();
    void ShowWorkingWidth();
    QLineEdit* Box_Edit(int tray) const;
    void SetTabOrder();
    void FitTexts();
    void WidenTrayRow();
    // Shows or hides what only an own kit has: the places row and the kit panel.
    void ShowKitControls(bool own);
    // The units sit between the description and the layout, taking room the
    // widened description fields do not need, so the dialog grows no taller.
    void PlaceUnitsPanel();

    std::unique_ptr<Ui::TTypDokument> ui_;
    QLineEdit* SFabrikat_Edit;
    QLineEdit* SModell_Edit;
    QLineEdit* SInstallning_Edit;
    QLineEdit* GMedel_Edit;
    QLineEdit* GFabrikat_Edit;
    QLineEdit* GPLats_Edit;
    RadioGroup* SpridarTyp_RadioGroup;
    ArrowControl* UpDown2;
    QLineEdit* Edit1;  // read-only: the working width in metres
    TrayKeyFilter* trayKeyFilter_;
    TrayEntryRow* trayRow_ = nullptr;
    KitPanel* kitPanel_ = nullptr;
    SheetUnitsPanel* unitsPanel_ = nullptr;
    TestRecordPanel* recordPanel_ = nullptr;  // under the trays (and an own kit's panel)
    QPushButton* scaleButton_ = nullptr;  // beside "Avbryt"
    QPointer<ScaleWindow> scaleWindow_;
    bool kitShown_ = false;  // the own-kit panel has been filled once
    // The stored layout's heights, which the own-kit controls add to.
    int baseTrayPanelHeight_ = 0;
    int baseHeight_ = 0;
    int baseButton1Top_ = 0;
    int baseButton2Top_ = 0;
    int layout_ = Layout12m;
};

}  // namespace kaldoventri
