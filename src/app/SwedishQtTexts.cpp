// Swedish for the Qt texts the catalogue lacks, as Qt 6.4 writes them.
#include "app/SwedishQtTexts.h"

#include <cstring>

namespace kaldoventri {

namespace {

struct QtText {
    const char* context;
    const char* english;
    const char* swedish;
};

// Ampersands mark the access keys.
constexpr QtText QtTexts[] = {
    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "Cancel", "Avbryt"},
    {"QPlatformTheme", "&Yes", "&Ja"},
    {"QPlatformTheme", "&No", "&Nej"},
    {"QPlatformTheme", "Yes to &All", "Ja till &alla"},
    {"QPlatformTheme", "N&o to All", "N&ej till alla"},
    {"QPlatformTheme", "Open", "Öppna"},
    {"QPlatformTheme", "Save", "Spara"},
    {"QPlatformTheme", "Save All", "Spara alla"},
    {"QPlatformTheme", "Close", "Stäng"},
    {"QPlatformTheme", "Apply", "Verkställ"},
    {"QPlatformTheme", "Reset", "Återställ"},
    {"QPlatformTheme", "Restore Defaults", "Återställ standardvärden"},
    {"QPlatformTheme", "Discard", "Förkasta"},
    {"QPlatformTheme", "Abort", "Avbryt"},
    {"QPlatformTheme", "Retry", "Försök igen"},
    {"QPlatformTheme", "Ignore", "Ignorera"},
    {"QPlatformTheme", "Help", "Hjälp"},

    {"QFileDialog", "Look in:", "Leta i:"},
    {"QFileDialog", "&New Folder", "&Ny mapp"},
    {"QFileDialog", "Create a New Folder", "Skapa en ny mapp"},
    {"QFileDialog", "Go back", "Bakåt"},
    {"QFileDialog", "Go forward", "Framåt"},
    {"QFileDialog", "Go to the parent directory", "Till överordnad mapp"},
    {"QFileDialog", "Change to list view mode", "Visa som lista"},
    {"QFileDialog", "Change to detail view mode", "Visa med detaljer"},
    {"QFileSystemModel", "Computer", "Dator"},
    {"QAbstractFileIconProvider", "Folder", "Mapp"},
    {"QAbstractFileIconProvider", "Drive", "Enhet"},

    {"QPrintDialog", "&Print", "&Skriv ut"},
    {"QPrintDialog", "&Options >>", "&Alternativ >>"},
    {"QPrintDialog", "&Options <<", "&Alternativ <<"},
    {"QPrintDialog", "Print to File (PDF)", "Skriv till fil (PDF)"},
    {"QPrintDialog", "Local file", "Lokal fil"},
    {"QPrintDialog", "Write PDF file", "Skriv PDF-fil"},
    {"QPrintDialog", "All Pages", "Alla sidor"},
    {"QPrintDialog", "Odd Pages", "Udda sidor"},
    {"QPrintDialog", "Even Pages", "Jämna sidor"},
    {"QPrintDialog", "Left to Right, Top to Bottom", "Vänster till höger, uppifrån och ned"},
    {"QPrintDialog", "Left to Right, Bottom to Top", "Vänster till höger, nedifrån och upp"},
    {"QPrintDialog", "Right to Left, Bottom to Top", "Höger till vänster, nedifrån och upp"},
    {"QPrintDialog", "Right to Left, Top to Bottom", "Höger till vänster, uppifrån och ned"},
    {"QPrintDialog", "Bottom to Top, Left to Right", "Nedifrån och upp, vänster till höger"},
    {"QPrintDialog", "Bottom to Top, Right to Left", "Nedifrån och upp, höger till vänster"},
    {"QPrintDialog", "Top to Bottom, Left to Right", "Uppifrån och ned, vänster till höger"},
    {"QPrintDialog", "Top to Bottom, Right to Left", "Uppifrån och ned, höger till vänster"},
    {"QPrintWidget", "&Name:", "&Namn:"},
    {"QPrintWidget", "P&roperties", "&Egenskaper"},
    {"QPrintWidget", "Location:", "Plats:"},
    {"QPrintWidget", "Type:", "Typ:"},
    {"QPrintWidget", "Output &file:", "Utskrifts&fil:"},
    {"QPrintWidget", "Preview", "Förhandsgranska"},
    {"QPrintSettingsOutput", "Pages", "Sidor"},
    {"QPrintSettingsOutput", "Current Page", "Aktuell sida"},
    {"QPrintSettingsOutput", "Page Set:", "Sidurval:"},
    {"QPrintSettingsOutput", "Output Settings", "Utskrift"},
    {"QPrintSettingsOutput", "Copies:", "Kopior:"},
    {"QPrintSettingsOutput", "Reverse", "Omvänd ordning"},
    {"QPrintSettingsOutput", "Options", "Alternativ"},
    {"QPrintSettingsOutput", "Color Mode", "Färgläge"},
    {"QPrintSettingsOutput", "Color", "Färg"},
    {"QPrintSettingsOutput", "Grayscale", "Gråskala"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Dubbelsidig utskrift"},
    {"QPrintSettingsOutput", "Off", "Av"},
    {"QPrintSettingsOutput", "Long side binding", "Bindning längs långsidan"},
    {"QPrintSettingsOutput", "Short side binding", "Bindning längs kortsidan"},
    {"QPrintPropertiesDialog", "Printer Properties", "Skrivaregenskaper"},
    {"QPrintPropertiesDialog", "Job Options", "Utskriftsalternativ"},
    {"QPrintPropertiesWidget", "Page", "Sida"},
    {"QPrintPropertiesWidget", "Advanced", "Avancerat"},
    {"QPageSetupWidget", "Paper", "Papper"},
    {"QPageSetupWidget", "Width:", "Bredd:"},
    {"QPageSetupWidget", "Height:", "Höjd:"},
    {"QPageSetupWidget", "Custom", "Anpassad"},
    {"QPageSetupWidget", "Orientation", "Orientering"},
    {"QPageSetupWidget", "Reverse landscape", "Omvänt liggande"},
    {"QPageSetupWidget", "Reverse portrait", "Omvänt stående"},
    {"QPageSetupWidget", "Margins", "Marginaler"},
    {"QPageSetupWidget", "Page Layout", "Sidlayout"},
    {"QPageSetupWidget", "Page order:", "Sidordning:"},
    {"QPageSetupWidget", "Pages per sheet:", "Sidor per ark:"},
    {"QPageSetupWidget", "Millimeters (mm)", "Millimeter (mm)"},
    {"QPageSetupWidget", "Inches (in)", "Tum (in)"},
    {"QPageSetupWidget", "Points (pt)", "Punkter (pt)"},
    {"QCupsJobWidget", "Job Control", "Utskriftsjobb"},
    {"QCupsJobWidget", "Scheduled printing:", "Skriv ut:"},
    {"QCupsJobWidget", "Print Immediately", "Genast"},
    {"QCupsJobWidget", "Hold Indefinitely", "Vänta tills vidare"},
    {"QCupsJobWidget", "Day (06:00 to 17:59)", "Dag (06:00 till 17:59)"},
    {"QCupsJobWidget", "Night (18:00 to 05:59)", "Natt (18:00 till 05:59)"},
    {"QCupsJobWidget", "Second Shift (16:00 to 23:59)", "Andra skiftet (16:00 till 23:59)"},
    {"QCupsJobWidget", "Third Shift (00:00 to 07:59)", "Tredje skiftet (00:00 till 07:59)"},
    {"QCupsJobWidget", "Weekend (Saturday to Sunday)", "Helg (lördag till söndag)"},
    {"QCupsJobWidget", "Specific Time", "Vid en viss tid"},
    {"QCupsJobWidget", "Billing information:", "Debiteringsuppgift:"},
    {"QCupsJobWidget", "Job priority:", "Prioritet:"},
    {"QCupsJobWidget", "Banner Pages", "Försättsblad"},
    {"QCupsJobWidget", "Start:", "Före:"},
    {"QCupsJobWidget", "End:", "Efter:"},
    {"QCupsJobWidget", "None", "Inget"},
    {"QCupsJobWidget", "Unclassified", "Ej sekretessbelagd"},
    {"QCupsJobWidget", "Confidential", "Konfidentiell"},
    {"QCupsJobWidget", "Classified", "Sekretessbelagd"},
    {"QCupsJobWidget", "Secret", "Hemlig"},
    {"QCupsJobWidget", "Top Secret", "Kvalificerat hemlig"},
};

}  // namespace

QString SwedishQtTexts::translate(const char* context, const char* sourceText, const char*, int) const {
    if (context == nullptr || sourceText == nullptr) return {};
    for (const QtText& text : QtTexts)
        if (std::strcmp(sourceText, text.english) == 0 && std::strcmp(context, text.context) == 0)
            return QString::fromUtf8(text.swedish);
    return {};
}

}  // namespace kaldoventri
