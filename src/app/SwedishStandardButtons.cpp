// Swedish texts for Qt's standard buttons.
#include "app/SwedishStandardButtons.h"

#include <cstring>

namespace kaldoventri {

namespace {

struct ButtonText {
    const char* english;
    const char* swedish;
};

// Qt's own button texts, with the ampersand before the access key.
constexpr ButtonText ButtonTexts[] = {
    {"OK", "OK"},
    {"Cancel", "Avbryt"},
    {"&Yes", "&Ja"},
    {"&No", "&Nej"},
    {"Yes to &All", "Ja till &alla"},
    {"N&o to All", "N&ej till alla"},
    {"Open", "Öppna"},
    {"Save", "Spara"},
    {"Save All", "Spara alla"},
    {"Close", "Stäng"},
    {"Apply", "Verkställ"},
    {"Reset", "Återställ"},
    {"Restore Defaults", "Återställ standardvärden"},
    {"Discard", "Förkasta"},
    {"Abort", "Avbryt"},
    {"Retry", "Försök igen"},
    {"Ignore", "Ignorera"},
    {"Help", "Hjälp"},
};

}  // namespace

QString SwedishStandardButtons::translate(const char* context, const char* sourceText, const char*, int) const {
    if (context == nullptr || sourceText == nullptr || std::strcmp(context, "QPlatformTheme") != 0) return {};
    for (const ButtonText& text : ButtonTexts)
        if (std::strcmp(sourceText, text.english) == 0) return QString::fromUtf8(text.swedish);
    return {};
}

}  // namespace kaldoventri
