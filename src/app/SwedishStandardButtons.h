// Swedish texts for the standard buttons of message boxes and dialogs. Qt 6
// takes them from the context "QPlatformTheme", which Debian's Swedish Qt
// catalogue predates, so without these the boxes would say "Yes" and "No".
#pragma once

#include <QTranslator>

namespace kaldoventri {

class SwedishStandardButtons : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    // Never empty: an empty translator would be installed without telling the widgets.
    bool isEmpty() const override { return false; }
};

}  // namespace kaldoventri
