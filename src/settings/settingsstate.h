#pragma once

#include "settings/displayoptions.h"

#include <QStringList>

/// Everything the settings file holds, read whole by loadSettings() and replaced whole on every
/// reload. Owned by the application object and passed by reference; never a global.
struct SettingsState {
    QString localCity = QStringLiteral("00"); // Settings/Local: a whole city line
    qint16 clockCount = 0;                    // Settings/Clocks
    QStringList clockList;                    // one city line per clock, clockCount entries
    DisplayOptions displayOptions;

    friend bool operator==(const SettingsState &, const SettingsState &) = default;
};
