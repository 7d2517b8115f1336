#include "zonetime/checkdate.h"

#include "settings/settingsstate.h"
#include "zonetime/zoneclockset.h"

QList<ColumnDates> checkDate(const SettingsState &state, const QDateTime &now,
                             const QLocale &locale)
{
    return ZoneClockSet(state, locale, now).dates(now);
}
