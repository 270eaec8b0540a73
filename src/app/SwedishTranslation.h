// The program speaks Swedish whatever the system's language: Qt's own Swedish
// catalogue for its dialogs and edit menus, and our texts for what that
// catalogue lacks (the standard buttons above all).
#pragma once

namespace kaldoventri {

// Installs the Swedish texts into the running application; called once, before
// the first window. True when Qt's catalogue was found; without it Qt's own
// dialogs keep most of their English texts, while the standard buttons are
// Swedish either way.
bool InstallSwedishTranslation();

}  // namespace kaldoventri
