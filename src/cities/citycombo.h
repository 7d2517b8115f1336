#pragma once

#include "cities/citylistfile.h"

#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;

/// What a city's entry in a combo box of cities reads.
enum class CityCaption {
    Name,        // "Cairo"
    NameAndZone, // "Cairo [+02:00]"
};

/// Adds the cities to the combo box in their order: each with its caption, its flag from the flag
/// folders as icon (none when the flag is missing or is no picture), and its whole line as item
/// data. Each flag picture is read once, however many cities share it.
void addCities(QComboBox &combo, const QList<CityLine> &cities, const QStringList &flagFolders,
               CityCaption caption);
