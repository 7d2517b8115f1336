#pragma once

#include "settings/appfolder.h"
#include "settings/settingsstate.h"
#include "settings/settingswriter.h"
#include "cities/cityline.h"
#include "clockwindow/stripbackground.h"
#include "options/backgroundkind.h"

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

/// What the options dialog's controls hold, as plain values: how the settings state is shown in
/// them and what a Save writes from them.
///
/// List positions count from 0 in the order of the lists' entries; NoSelection stands for a list
/// without a selected entry (a stored position outside the list, or no settings file). A Save
/// leaves such a key as the state holds it, so a hand-edited value is never replaced by a
/// position the user did not choose.
struct OptionsForm {
    static constexpr int NoSelection = -1;
    static constexpr int TimeFormatCount = 4;   // "AM/PM" .. "Long 24Hour"
    static constexpr int DateFormatCount = 4;   // "dd/MM/yyyy" .. "Long Date", both date lists
    static constexpr int OpsDateDiffCount = 5;  // "-2" .. "+2"
    static constexpr int ClockPictureCount = 5; // "Style_01" .. "Style_05"

    /// The chosen local city's whole line; nothing when no city is chosen.
    std::optional<QString> localCity;
    bool hideSysTrayIcon = false;
    bool alwaysOnTop = false;
    bool displayClock = false;
    bool displayTime = false;
    int timeFormat = NoSelection;
    bool displayDate = false;
    int dateFormat = NoSelection;
    bool displayOpsDate = false;
    int opsDateFormat = NoSelection;
    int opsDateDiff = NoSelection;
    bool followDst = false;
    int clockPicture = NoSelection;
    QColor solid = Qt::white; // the swatches start white
    QColor oneColor = Qt::white;
    bool reverseDir = false; // one-colour gradient from the bottom up
    QColor twoColors1 = Qt::white;
    QColor twoColors2 = Qt::white;
    /// The chosen background kind; nothing when no kind button is checked.
    std::optional<BackgroundKind> background;

    /// The controls' values for the settings state. `cities` are the lines of the city list in
    /// its order; `utcOffsetMinutes` is the computer's current offset from UTC, used only when
    /// the stored local city is no city line at all (a fresh settings file holds "00"): the first
    /// city of that offset is proposed, so that a first Save keeps the times right. A city line
    /// that is not in the list selects nothing.
    [[nodiscard]] static OptionsForm fromSettings(const SettingsState &settings,
                                                  const QList<CityLine> &cities,
                                                  int utcOffsetMinutes);

    /// What a Save writes. `current` is the state's record: its BGPicture is written as it
    /// stands (the picture chooser changes it directly), and it supplies the value of every list
    /// without a selection and the BackGround code when no kind is chosen.
    [[nodiscard]] OptionsSave toSave(const DisplayOptions &current) const;

    /// What the preview box behind the face shows: light grey (207, 207, 207) for "None", for
    /// "Picture" (the picture lies over it) and when no kind is chosen; else the chosen colours.
    [[nodiscard]] StripFill previewFill() const;

    friend bool operator==(const OptionsForm &, const OptionsForm &) = default;
};

/// The local city to select among `cities`: the line equal to `localCity`, else, when
/// `localCity` is no city line, the first city whose offset is `utcOffsetMinutes`.
[[nodiscard]] std::optional<QString> chooseLocalCity(const QList<CityLine> &cities,
                                                     QStringView localCity, int utcOffsetMinutes);

/// The face picture of a style: the clocks folder's "clk0" + `faceNumber` + ".bmp" (1 to 5).
[[nodiscard]] QString faceFilePath(const AppFolder &folder, int faceNumber);
