#include "zonetime/clock.h"

#include <utility>

namespace {

/// The computer's local time, pinned to the offset it has at this moment: the same instant and
/// the same wall-clock reading, but later questions about it (its UTC time, its offset) are plain
/// arithmetic instead of further time-zone look-ups, each of which asks the disk about the
/// zone file again. The once-a-second tick asks several.
QDateTime systemNow()
{
    const QDateTime local = QDateTime::currentDateTime();
    return local.toOffsetFromUtc(local.offsetFromUtc());
}

} // namespace

Clock::Clock(Source source)
    : m_source(std::move(source))
{
}

Clock Clock::system()
{
    return Clock(&systemNow);
}

QDateTime Clock::now() const
{
    return m_source ? m_source() : systemNow();
}
