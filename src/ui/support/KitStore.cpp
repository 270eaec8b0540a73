// Own tray kits in QSettings: one group per kit under "Uppställningar", the
// places as text with a decimal point so that a kit reads back the same in
// every locale.
#include "ui/support/KitStore.h"

#include <QCollator>
#include <QLocale>
#include <QSettings>
#include <QUrl>

#include <algorithm>

namespace kaldoventri {

namespace {

const QString KitsGroup = QStringLiteral("Uppställningar");

QSettings UserSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kaldoventri"),
                     QStringLiteral("Kaldoventri"));
}

// Group names may not hold '/' or '\'; the percent form keeps any name apart.
QString GroupOf(const QString& name) { return QString::fromLatin1(QUrl::toPercentEncoding(name)); }

}  // namespace

QStringList KitStore::Names() const {
    QSettings settings = UserSettings();
    settings.beginGroup(KitsGroup);
    QStringList names;
    for (const QString& group : settings.childGroups()) {
        const QString name = settings.value(group + QStringLiteral("/Namn")).toString();
        if (!name.isEmpty()) names << name;
    }
    QCollator collator{QLocale(QLocale::Swedish, QLocale::Sweden)};
    std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return names;
}

std::optional<TrayKit> KitStore::Load(const QString& name) const {
    QSettings settings = UserSettings();
    settings.beginGroup(KitsGroup);
    settings.beginGroup(GroupOf(name));
    if (settings.value(QStringLiteral("Namn")).toString() != name) return std::nullopt;
    TrayKit kit;
    kit.layout = LayoutOwn;
    kit.name = name.toStdString();
    const QLocale c = QLocale::c();
    for (const QString& text : settings.value(QStringLiteral("Backpositioner")).toString().split(QLatin1Char(','))) {
        bool ok = false;
        const double position = c.toDouble(text.trimmed(), &ok);
        if (!ok) return std::nullopt;
        kit.positions.push_back(position);
    }
    const QStringList range = settings.value(QStringLiteral("Sökområde")).toString().split(QLatin1Char(','));
    bool firstOk = false, lastOk = false;
    if (range.size() != 2) return std::nullopt;
    kit.search = {range[0].toInt(&firstOk), range[1].toInt(&lastOk)};
    if (!firstOk || !lastOk || KitProblem(kit)) return std::nullopt;
    return kit;
}

void KitStore::Save(const TrayKit& kit) {
    if (kit.layout != LayoutOwn || kit.name.empty()) return;
    const QString name = QString::fromStdString(kit.name);
    QStringList places;
    for (const double position : kit.positions) places << QLocale::c().toString(position, 'g', 15);
    QSettings settings = UserSettings();
    settings.beginGroup(KitsGroup);
    settings.beginGroup(GroupOf(name));
    settings.setValue(QStringLiteral("Namn"), name);
    settings.setValue(QStringLiteral("Backpositioner"), places.join(QLatin1Char(',')));
    settings.setValue(QStringLiteral("Sökområde"),
                      QStringLiteral("%1,%2").arg(kit.search.first).arg(kit.search.last));
}

void KitStore::Remove(const QString& name) {
    QSettings settings = UserSettings();
    settings.beginGroup(KitsGroup);
    settings.remove(GroupOf(name));
}

}  // namespace kaldoventri
