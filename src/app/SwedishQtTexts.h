// Swedish for the Qt texts that Debian's Swedish Qt catalogue lacks. Qt 6
// takes the standard buttons' texts from the context "QPlatformTheme", which
// the catalogue predates, so without these the message boxes would say "Yes"
// and "No"; the print dialog and a few labels of the file dialog changed
// their texts since the catalogue was made.
#pragma once

#include <QTranslator>

namespace kaldoventri {

class SwedishQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    // Never empty: an empty translator would be installed without telling the widgets.
    bool isEmpty() const override { return false; }
};

}  // namespace kaldoventri
