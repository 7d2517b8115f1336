#pragma once

#include <QDateTime>

#include <functional>

/// Where "now" comes from. The program reads the computer's clock; tests hand in their own
/// source so that time moves only when they say so.
class Clock final {
public:
    using Source = std::function<QDateTime()>;

    /// A clock that asks the source on every now(). An empty source gives the system clock.
    explicit Clock(Source source);

    /// The computer's clock: its current local date and time.
    [[nodiscard]] static Clock system();

    [[nodiscard]] QDateTime now() const;

private:
    Source m_source;
};
