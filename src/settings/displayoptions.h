#pragma once

#include <QString>

/// Every option of the clock window, as read from the settings file. Colours stay text (decimal or
/// "&H" hexadecimal colour numbers, red in the lowest byte); their users turn them into colours.
/// A missing key reads as the text "00", so the defaults below are what "00" gives.
struct DisplayOptions {
    bool alwaysOnTop = false;     // Options/Always_On_Top, numeric flag
    bool hideSysTrayIcon = false; // Options/Hide_SysTray_Icon, numeric flag
    qint16 clockPicture = 0;      // Clocks_Style/Clock_Picture, face style 0..4
    QString backGround = QStringLiteral("00"); // "non", "pic", "sld", "grt1", "grt2" or other text
    QString bgPicture = QStringLiteral("00");  // full path of the background picture
    QString solid = QStringLiteral("00");
    QString oneColor = QStringLiteral("00");
    qint16 oneColorDir = 0; // 0 top down, 1 bottom up (2 and 3 also draw: left/right)
    QString twoColors1 = QStringLiteral("00");
    QString twoColors2 = QStringLiteral("00");
    bool displayClock = false;   // exact-one flags
    bool displayTime = false;
    bool displayDate = false;
    bool displayOpsDate = false;
    qint16 timeFormat = 0;    // 0 "hh:mm ampm", 1 "hh:mm", 2 "hh:mm:ss ampm", 3 "hh:mm:ss"
    qint16 dateFormat = 0;    // 0 "dd/MM/yyyy", 1 "MM/dd/yyyy", 2 "yyyy/MM/dd", 3 "Long Date"
    qint16 opsDateFormat = 0; // as dateFormat, for the opposite (Hijri) date
    qint16 opsDateDiff = 0;   // 0..4: shift of the opposite date by -2..+2 days
    // Options/Follow_DST, exact-one flag: clocks follow the zones of the system's time-zone
    // database, summer time included. Off (and absent in older files): fixed offsets only.
    bool followDst = false;

    friend bool operator==(const DisplayOptions &, const DisplayOptions &) = default;
};
