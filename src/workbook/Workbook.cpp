// The open sheets and the commands that change them.
#include "workbook/Workbook.h"

#include "evaluation/AveragedAmounts.h"
#include "evaluation/CalculateSheet.h"
#include "files/FileAccess.h"
#include "files/TestFileWriter.h"

namespace kaldoventri {

Workbook::Workbook(QObject* parent) : QObject(parent) {}

Workbook::~Workbook() = default;

std::string Workbook::NextSheetName() const { return "Blad" + std::to_string(nextSheetNumber_); }

const TNewTabSheet* Workbook::Sheet(int index) const {
    return index >= 0 && index < SheetCount() ? sheets_[static_cast<std::size_t>(index)].get() : nullptr;
}

int Workbook::IndexOf(const TNewTabSheet* sheet) const {
    for (int i = 0; i < SheetCount(); ++i)
        if (sheets_[static_cast<std::size_t>(i)].get() == sheet) return i;
    return -1;
}

TNewTabSheet& Workbook::Append(std::unique_ptr<TNewTabSheet> sheet, bool evaluated) {
    sheet->SetName(NextSheetName());
    ++nextSheetNumber_;
    sheets_.push_back(std::move(sheet));
    current_ = SheetCount() - 1;
    if (evaluated)
        ++evaluations_;
    else
        Evaluate();
    emit changed(Sheets | Current | Evaluated);
    return *sheets_.back();
}

const TNewTabSheet& Workbook::AddSheet(const SheetSettings& settings) {
    auto sheet = std::make_unique<TNewTabSheet>();
    kaldoventri::ApplySettings(settings, *sheet);
    sheet->ToggleLeftPassReversed();
    sheet->ToggleRightPassReversed();
    sheet->SetTitle(NextSheetName());
    return Append(std::move(sheet));
}

const TNewTabSheet* Workbook::AddAveragedSheet(const std::vector<int>& indices) {
    std::vector<const TNewTabSheet*> chosen;
    for (const int index : indices)
        if (const TNewTabSheet* sheet = Sheet(index); sheet != nullptr && (chosen.empty() || SameKit(*sheet, *chosen.front())))
            chosen.push_back(sheet);
    if (chosen.size() < 2) return nullptr;
    SheetSettings settings = SettingsOf(*chosen.front());
    const auto means = AveragedAmounts(chosen);
    settings.amounts.assign(means.begin(), means.end());
    auto sheet = std::make_unique<TNewTabSheet>();
    kaldoventri::ApplySettings(settings, *sheet);
    kaldoventri::SetDrivingPattern(*sheet, DrivingPatternOf(*chosen.front()));
    sheet->SetReplicateVariance(VarianceOfMeans(chosen));
    std::string origin = "Medelvärde av ";
    for (std::size_t i = 0; i < chosen.size(); ++i) origin += (i > 0 ? ", " : "") + chosen[i]->GetTitle();
    sheet->SetOrigin(std::move(origin));
    sheet->SetTitle(NextSheetName());
    return &Append(std::move(sheet));
}

std::optional<OpenFailure> Workbook::OpenSheet(const QString& path) {
    auto read = ReadTestSheet(path, yScaleMode_);
    if (auto* failure = std::get_if<OpenFailure>(&read)) return std::move(*failure);
    Append(std::make_unique<TNewTabSheet>(std::move(std::get<TNewTabSheet>(read))), true);
    return std::nullopt;
}

std::optional<QString> Workbook::SaveCurrentSheet(const QString& path) {
    TNewTabSheet* sheet = Editable();
    if (sheet == nullptr) return std::nullopt;
    if (auto failed = WriteFileAtomically(path, WriteTestFile(MakeTestFileValues(*sheet)))) return failed;
    sheet->SetTitle(SheetTitleOf(path).toStdString());
    emit changed(Sheets);
    return std::nullopt;
}

void Workbook::ApplySettings(const SheetSettings& settings) {
    TNewTabSheet* sheet = Editable();
    if (sheet == nullptr) return;
    kaldoventri::ApplySettings(settings, *sheet);
    Evaluate();
    emit changed(Evaluated);
}

void Workbook::SetWorkingWidth(int halfMetres) {
    TNewTabSheet* sheet = Editable();
    if (sheet == nullptr) return;
    sheet->SetABredd(ClampWorkingWidth(halfMetres));
    Evaluate();
    emit changed(Evaluated);
}

void Workbook::SetDrivingPattern(DrivingPattern pattern) {
    TNewTabSheet* sheet = Editable();
    if (sheet == nullptr) return;
    kaldoventri::SetDrivingPattern(*sheet, pattern);
    Evaluate();
    emit changed(Evaluated);
}

bool Workbook::Store(const TrayEntries& amounts) {
    TNewTabSheet* sheet = Editable();
    if (sheet == nullptr) return false;
    const auto trays = std::min(amounts.size(), static_cast<std::size_t>(sheet->GetTrayCount()));
    for (std::size_t i = 0; i < trays; ++i)
        if (const auto& amount = amounts[i]) sheet->SetTrayAmount(*amount, static_cast<int>(i) + 1);
    return true;
}

void Workbook::SetTrayAmounts(const TrayEntries& amounts) {
    if (!Store(amounts)) return;
    Evaluate();
    emit changed(Evaluated);
}

void Workbook::StoreTrayAmounts(const TrayEntries& amounts) {
    if (Store(amounts)) emit changed(Stored);
}

void Workbook::SetCurrentIndex(int index) {
    if (index < 0 || index >= SheetCount()) return;
    current_ = index;
    // The sheet may last have been evaluated under another Y scale.
    Evaluate();
    emit changed(Current | Evaluated);
}

void Workbook::CloseCurrentSheet() {
    if (current_ < 0) return;
    sheets_.erase(sheets_.begin() + current_);
    if (current_ >= SheetCount()) current_ = SheetCount() > 0 ? 0 : -1;
    Changes what = Sheets | Current;
    if (current_ >= 0) {
        Evaluate();
        what |= Evaluated;
    }
    emit changed(what);
}

void Workbook::CloseAllSheets() {
    if (sheets_.empty()) return;
    sheets_.clear();
    current_ = -1;
    emit changed(Sheets | Current);
}

void Workbook::SetYScaleMode(int mode) {
    // Like any command without its data: no tray area and unit, no rate to draw.
    if (mode == YScaleKgPerHa && !(CurrentSheet() != nullptr && KgPerHaPerUnit(CurrentSheet()->GetUnits()))) return;
    yScaleMode_ = mode;
    Changes what = YScale;
    if (CurrentSheet() != nullptr) {
        Evaluate();
        what |= Evaluated;
    }
    emit changed(what);
}

void Workbook::SetPointer(int x, int y) {
    if (TNewTabSheet* sheet = Editable()) sheet->SetMouse(x, y);
}

void Workbook::Evaluate() {
    CalculateSheet(*Editable(), yScaleMode_);
    ++evaluations_;
}

}  // namespace kaldoventri
