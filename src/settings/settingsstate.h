#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

/// The kinds of clock background, in the order of the options dialog's buttons.
enum class BackgroundKind { None, Picture, Solid, OneColourGradient, TwoColourGradient };

/// The code a kind is stored as: "non", "pic", "sld", "grt1", "grt2".
[[nodiscard]] QString backgroundCode(BackgroundKind kind);

/// The kind a stored code stands for, matched exactly; nothing for any other text.
[[nodiscard]] std::optional<BackgroundKind> backgroundKindOf(QStringView code);

// The settings that choose one entry of a list are stored as the entry's position and read into
// these enums. A position the program does not know (a hand-edited file) is held as it is, since
// the enums keep the stored 16-bit number: it shows as no choice and is written back unchanged.

/// Options/TimeFormat: "hh:mm ampm", "hh:mm", "hh:mm:ss ampm", "hh:mm:ss".
enum class TimeFormat : qint16 { AmPm, Hours24, AmPmSeconds, Hours24Seconds };

/// Options/DateFormat and OpsDateFormat: "dd/MM/yyyy", "MM/dd/yyyy", "yyyy/MM/dd" (with the
/// locale's date separator for "/"), and the locale's long date format.
enum class DateFormat : qint16 { DayMonthYear, MonthDayYear, YearMonthDay, Long };

/// Options/OpsDateDiff: the opposite date is that of the day -2 to +2 days away.
enum class OppositeDateShift : qint16 { TwoDaysBack, OneDayBack, None, OneDayOn, TwoDaysOn };

/// Clocks_Style/Clock_Picture: the face pictures clk01.bmp to clk05.bmp. Styles 3 and 5 are dark.
enum class FaceStyle : qint16 { Style1, Style2, Style3, Style4, Style5 };

/// Clocks_Style/OneColorDir: where the one-colour gradient starts.
enum class GradientDirection : qint16 { TopDown, BottomUp, LeftToRight, RightToLeft };

/// How many entries each list has: positions 0 to ChoiceCount - 1 are known.
template<typename Choice> inline constexpr qint16 ChoiceCount = 0;
template<> inline constexpr qint16 ChoiceCount<TimeFormat> = 4;
template<> inline constexpr qint16 ChoiceCount<DateFormat> = 4;
template<> inline constexpr qint16 ChoiceCount<OppositeDateShift> = 5;
template<> inline constexpr qint16 ChoiceCount<FaceStyle> = 5;
template<> inline constexpr qint16 ChoiceCount<GradientDirection> = 4;

/// Whether the stored position names an entry of its list.
template<typename Choice> [[nodiscard]] constexpr bool isKnown(Choice choice)
{
    return qint16(choice) >= 0 && qint16(choice) < ChoiceCount<Choice>;
}

/// Every option of the clock window, as the settings file holds it. A missing key reads as the
/// text "00", so the defaults below are what "00" gives (colours black, no background kind).
struct DisplayOptions {
    bool alwaysOnTop = false;     // Options/Always_On_Top, numeric flag
    bool hideSysTrayIcon = false; // Options/Hide_SysTray_Icon, numeric flag
    // Exact-one flags: only the text "1" is on.
    bool displayClock = false;
    bool displayTime = false;
    bool displayDate = false;
    bool displayOppositeDate = false;
    // Options/Follow_DST: clocks follow the zones of the system's time-zone database, summer
    // time included. Off (and absent in older files): fixed offsets only.
    bool followDst = false;
    // Options/Keep_Position: the clock window goes back where the user dragged it. Off (and
    // absent in older files): it is placed at the top centre at every build.
    bool keepPosition = false;

    TimeFormat timeFormat = TimeFormat::AmPm;
    DateFormat dateFormat = DateFormat::DayMonthYear;
    DateFormat oppositeDateFormat = DateFormat::DayMonthYear;
    OppositeDateShift oppositeDateShift = OppositeDateShift::TwoDaysBack;

    FaceStyle faceStyle = FaceStyle::Style1;
    /// Clocks_Style/BackGround; nothing for a code the program does not know, which a Save leaves
    /// in the file as it is.
    std::optional<BackgroundKind> background;
    QString backgroundPicture = QStringLiteral("00"); // Clocks_Style/BGPicture: a full path
    QColor solidColour{0, 0, 0};                      // Clocks_Style/Solid
    QColor gradientColour{0, 0, 0};                   // Clocks_Style/OneColor
    GradientDirection gradientDirection = GradientDirection::TopDown; // Clocks_Style/OneColorDir
    QColor topColour{0, 0, 0};                                        // Clocks_Style/TwoColors1
    QColor bottomColour{0, 0, 0};                                     // Clocks_Style/TwoColors2

    friend bool operator==(const DisplayOptions &, const DisplayOptions &) = default;
};

/// Where the user dragged the clock window while the screens were arranged one way.
struct KeptPlace {
    QString screens; // the arrangement, as the clock window writes it; compared as text
    QPoint topLeft;  // the window's top-left corner on the desktop, in device-independent pixels

    friend bool operator==(const KeptPlace &, const KeptPlace &) = default;
};

/// Everything the settings file holds, read whole by loadSettings() and replaced whole on every
/// reload. Owned by the application object and passed by reference; never a global.
struct SettingsState {
    QString localCity = QStringLiteral("00"); // Settings/Local: a whole city line
    qint16 clockCount = 0;                    // Settings/Clocks
    QStringList clockList;                    // one city line per clock, clockCount entries
    DisplayOptions displayOptions;
    /// Section Window_Position: the places kept, most recently dragged first, one per screen
    /// arrangement, at most MaxKeptPlaces.
    QList<KeptPlace> keptPlaces;

    friend bool operator==(const SettingsState &, const SettingsState &) = default;
};
