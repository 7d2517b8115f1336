#include "zonetime/clock.h"

#include <utility>

Clock::Clock(Source source)
    : m_source(std::move(source))
{
}

Clock Clock::system()
{
    return Clock(&QDateTime::currentDateTime);
}

QDateTime Clock::now() const
{
    return m_source ? m_source() : QDateTime::currentDateTime();
}
