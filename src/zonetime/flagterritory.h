#pragma once

#include <QLocale>
#include <QStringView>

#include <optional>

/// The country of a flag code. The shipped flag codes are the countries' ISO 3166-1 alpha-3
/// codes ("EGY"); a code is read without regard to case. Nothing for a code that names no
/// country ("XXX", a user's own flag), whatever its length.
[[nodiscard]] std::optional<QLocale::Territory> territoryOfFlagCode(QStringView code);
