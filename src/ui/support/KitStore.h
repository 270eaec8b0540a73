// The user's own tray kits, kept between runs under their names in the
// user's settings (the registry on Windows, the configuration folder on
// Linux). Only own kits are kept: the built-in layouts need no setting.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "evaluation/TrayKit.h"

namespace kaldoventri {

class KitStore {
public:
    // The names of the kept kits, sorted as a Swedish user sorts them.
    QStringList Names() const;
    // The kit kept under the name; nothing when there is none or what is kept
    // is no usable kit (edited by hand, or from a newer program).
    std::optional<TrayKit> Load(const QString& name) const;
    // Keeps the kit under its name, replacing a kit of the same name.
    void Save(const TrayKit& kit);
    void Remove(const QString& name);
};

}  // namespace kaldoventri
