// The test entry dialog's row of trays: for each tray of the kit an amount
// field ("Box_Edit1" ...), its number ("Box_Label1" ...) and, for an own kit,
// its place across the track ("Lage_Edit1" ...). The row scrolls sideways
// where the kit's trays do not fit the dialog. Fields 1 to 26 come from the
// dialog's stored layout; the row adds the others as a kit needs them.
#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QScrollArea;
class QWidget;

namespace kaldoventri {

class TrayKeyFilter;

class TrayEntryRow : public QObject {
    Q_OBJECT

public:
    // Takes over the stored fields 1..26 of `panel` and lays the row out with
    // their pitch and width.
    TrayEntryRow(QWidget* panel, int pitch, int fieldWidth, TrayKeyFilter* keyFilter);

    int Count() const { return count_; }
    // Shows `count` trays (2 to 100), with or without the places row. Texts of
    // trays that stay are kept; new trays start empty.
    void SetCount(int count, bool withPlaces);

    // Tray 1..Count(); nullptr otherwise.
    QLineEdit* Amount(int tray) const;
    QLineEdit* Place(int tray) const;
    // How much taller the panel is with the places row.
    int PlacesHeight() const;

    // The places as typed: metres with a comma or a point. A field that holds
    // no number is named in `problem` in Swedish.
    std::vector<double> Places(QString* problem) const;
    void ShowPlaces(const std::vector<double>& places);
    // The fields in the order Tab visits them: the amounts, then the places.
    std::vector<QWidget*> TabOrder() const;

private:
    void Make(int tray);
    void Layout();
    // The width of every field: the stored width, or more where a place such
    // as "-12,125" needs it, so that no place shows cut (and no minus goes).
    int FieldWidth() const;

    QWidget* panel_;
    QScrollArea* scroller_;
    QWidget* content_;
    QLabel* placesCaption_;
    TrayKeyFilter* keyFilter_;
    int pitch_;
    int fieldWidth_;
    int shownWidth_ = 0;
    int left_;
    int amountTop_;
    int count_ = 0;
    bool withPlaces_ = false;
    std::vector<QLineEdit*> amounts_;
    std::vector<QLabel*> numbers_;
    std::vector<QLineEdit*> places_;
};

// A place typed in metres, "-12,25" or "-12.25"; nothing for any other text.
std::optional<double> PlaceOf(const QString& text);

}  // namespace kaldoventri
