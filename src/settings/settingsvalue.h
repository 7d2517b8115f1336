#pragma once

#include <QColor>
#include <QString>

/// How the texts of the settings file become values and values become texts again.
///
/// Every key is read as text (a missing key reads as "00") and turned into a value by one of the
/// rules below; which rule a key follows is fixed per key by the loader.
namespace SettingsValue {

/// The text a key reads as when the file, its section or the key itself is missing.
[[nodiscard]] QString missing();

/// The numeric value of a text, read as a Basic "Val" reads it: leading blanks and tabs are
/// skipped, then the leading number is taken (sign, digits, decimal point, exponent "E" or "D");
/// "&H" and "&O" start a hexadecimal or octal number. A text without a leading number is 0.
/// Hexadecimal and octal numbers are 32-bit patterns ("&HFFFFFFFF" is -1, "&HFFFF" is 65535);
/// one that needs more than 32 bits is no number and gives 0.
[[nodiscard]] double numericValue(QStringView text);

/// True only for the one-character text "1"; "01", " 1" and every other text are false.
[[nodiscard]] bool exactOneFlag(QStringView text);

/// True when the numeric value of the text is not 0 ("01" and "2" are true, "abc" is false).
[[nodiscard]] bool numericFlag(QStringView text);

/// The numeric value taken to the nearest whole number, halves to the even one (2.5 gives 2), and
/// held in 16 bits: values beyond the range of qint16 are clamped to it.
[[nodiscard]] qint16 wholeNumber(QStringView text);

/// A colour number (0x00BBGGRR) from its decimal or "&H" hexadecimal text, taken to the nearest
/// whole number like wholeNumber() and clamped to 32 bits. "-1" stays -1.
[[nodiscard]] qint32 colourNumber(QStringView text);

/// The colour of a colour number's text: red in the lowest byte, then green, then blue. A
/// negative number keeps its low bytes, so "-1" is white.
[[nodiscard]] QColor colour(QStringView text);

/// The colour as it is written: its colour number in plain decimal text.
[[nodiscard]] QString colourToText(const QColor &colour);

/// Plain decimal text: no leading blank, "-" for negatives.
[[nodiscard]] QString numberToText(qint64 number);

/// The text of a check box state as it is written: "1" ticked, "0" clear.
[[nodiscard]] QString flagToText(bool flag);

/// The section of the n-th clock (n from 1): "Clock_01" to "Clock_09", then "Clock_10", ...,
/// "Clock_100" and on without a limit.
[[nodiscard]] QString clockSectionName(int number);

/// The clock count as it is written: at least two digits ("05", "12", "100").
[[nodiscard]] QString clockCountText(int count);

} // namespace SettingsValue

/// Section and key names of the settings file.
namespace SettingsKey {

inline constexpr QStringView settings = u"Settings";
inline constexpr QStringView local = u"Local";
inline constexpr QStringView clocks = u"Clocks";
inline constexpr QStringView countryCity = u"Country/City";

inline constexpr QStringView options = u"Options";
inline constexpr QStringView hideSysTrayIcon = u"Hide_SysTray_Icon";
inline constexpr QStringView alwaysOnTop = u"Always_On_Top";
inline constexpr QStringView displayClock = u"Display_Clock";
inline constexpr QStringView displayTime = u"Display_Time";
inline constexpr QStringView timeFormat = u"TimeFormat";
inline constexpr QStringView displayDate = u"Display_Date";
inline constexpr QStringView dateFormat = u"DateFormat";
inline constexpr QStringView displayOpsDate = u"Display_OpsDate";
inline constexpr QStringView opsDateFormat = u"OpsDateFormat";
inline constexpr QStringView opsDateDiff = u"OpsDateDiff";
inline constexpr QStringView followDst = u"Follow_DST";
inline constexpr QStringView keepPosition = u"Keep_Position";

inline constexpr QStringView clocksStyle = u"Clocks_Style";
inline constexpr QStringView clockPicture = u"Clock_Picture";
inline constexpr QStringView backGround = u"BackGround";
inline constexpr QStringView bgPicture = u"BGPicture";
inline constexpr QStringView solid = u"Solid";
inline constexpr QStringView oneColor = u"OneColor";
inline constexpr QStringView oneColorDir = u"OneColorDir";
inline constexpr QStringView twoColors1 = u"TwoColors1";
inline constexpr QStringView twoColors2 = u"TwoColors2";

inline constexpr QStringView windowPosition = u"Window_Position"; // keys: see keptplaces.h

} // namespace SettingsKey
