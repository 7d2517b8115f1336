#pragma once

#include "cities/citylistfile.h"
#include "clockwindow/stripbackground.h"
#include "settings/settingsstate.h"
#include "settings/settingswriter.h"
#include "zonetime/zonetable.h"

#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

/// Which of the background choosers can be used for the chosen kind: only those of that kind, and
/// the stretched picture shows only for "Picture".
struct BackgroundControls {
    bool pictureShown = false;     // the stretched picture (shown only when there is one)
    bool pictureSelect = false;    // the picture chooser
    bool solidSelect = false;      // the solid colour chooser
    bool gradientSelect = false;   // the one-colour gradient's colour chooser
    bool reverseDirection = false; // the one-colour gradient's direction box
    bool topColourSelect = false;  // the two-colour gradient's choosers
    bool bottomColourSelect = false;

    friend bool operator==(const BackgroundControls &, const BackgroundControls &) = default;
};

/// The computer's own time zone, from which the options dialog proposes a local city.
struct ComputerZone {
    QByteArray id;            // the zone's identifier ("Australia/Sydney"), empty if unknown
    int utcOffsetMinutes = 0; // the computer's current offset from UTC

    /// The zone of the computer's clock reading `now`: the system's zone for a local time (as
    /// the program's clock gives it), the reading's own zone or offset otherwise.
    [[nodiscard]] static ComputerZone of(const QDateTime &now);

    friend bool operator==(const ComputerZone &, const ComputerZone &) = default;
};

/// What the options dialog's controls hold, as plain values: how the settings state is shown in
/// them and what a Save writes from them.
///
/// A list shows no entry (nothing here) for a stored position it does not have, or when there is
/// no settings file. A Save leaves such a key as the state holds it, so a hand-edited value is
/// never replaced by a position the user did not choose.
struct OptionsForm {
    /// The chosen local city's whole line; nothing when no city is chosen.
    std::optional<QString> localCity;
    bool hideSysTrayIcon = false;
    bool alwaysOnTop = false;
    bool displayClock = false;
    bool displayTime = false;
    std::optional<TimeFormat> timeFormat;
    bool displayDate = false;
    std::optional<DateFormat> dateFormat;
    bool displayOppositeDate = false;
    std::optional<DateFormat> oppositeDateFormat;
    std::optional<OppositeDateShift> oppositeDateShift;
    bool followDst = false;
    bool keepPosition = false;
    std::optional<FaceStyle> faceStyle;
    /// The chosen background kind; nothing when no kind button is checked.
    std::optional<BackgroundKind> background;
    /// The background picture: the stored one until the picture chooser takes another.
    QString backgroundPicture;
    QColor solidColour = Qt::white; // the swatches start white
    QColor gradientColour = Qt::white;
    bool reverseDirection = false; // one-colour gradient from the bottom up
    QColor topColour = Qt::white;
    QColor bottomColour = Qt::white;

    /// The controls' values for the settings state. `cities` are the lines of the city list in
    /// its order. The local city is chosen by chooseLocalCity(): `zones` and `computer` serve
    /// only when the stored local city is no city line at all (a fresh settings file holds "00").
    [[nodiscard]] static OptionsForm fromSettings(const SettingsState &settings,
                                                  const QList<CityLine> &cities,
                                                  const ZoneTable &zones,
                                                  const ComputerZone &computer);

    /// What a Save writes. `current` is the state's record: it supplies the value of every list
    /// without a selection and the background when no kind is chosen.
    [[nodiscard]] OptionsSave toSave(const DisplayOptions &current) const;

    /// What the preview box behind the face shows: light grey (207, 207, 207) for "None", for
    /// "Picture" (the picture lies over it) and when no kind is chosen; else the chosen colours.
    [[nodiscard]] StripFill previewFill() const;

    /// The choosers the chosen kind enables; with no kind chosen every chooser is off, as for
    /// "None".
    [[nodiscard]] BackgroundControls backgroundControls() const;

    friend bool operator==(const OptionsForm &, const OptionsForm &) = default;
};

/// The local city to select among `cities`: the line equal to `localCity`. A city line that the
/// list does not hold selects nothing. When `localCity` is no city line (a fresh settings file),
/// a city is proposed, so that a first Save keeps the times right:
///
/// 1. a line that the zone table places in the computer's zone (exactly that identifier). Of
///    several (a country, its capital, the zone's own city), a city rather than the country's
///    own line (named as Qt names the flag's country in English), and of the cities the one
///    named like the zone's city part ("Sydney" for Australia/Sydney), else the first in the
///    list. Names compare without regard to letter case and accents;
/// 2. when no line has that zone (a user's own list, a zone no city stands for such as
///    "Etc/UTC", an old name such as "Asia/Calcutta"), the first city whose offset is the
///    computer's current offset.
[[nodiscard]] std::optional<QString> chooseLocalCity(const QList<CityLine> &cities,
                                                     QStringView localCity, const ZoneTable &zones,
                                                     const ComputerZone &computer);
