#pragma once

#include <QString>

#include <optional>

struct IsoCountry;

/// Hand-kept facts that the Debian data does not hold: the names people use for countries and
/// zone cities, and each country's capital.
namespace WorldTables {

/// A country's capital and, where the capital names no zone of the country, the zone it keeps.
struct Capital {
    QString name; // empty for territories without a capital
    QString zone; // empty: the zone whose city is the capital, else the country's only zone
};

/// The name for the city list: the common English name, short forms for official ones.
[[nodiscard]] QString countryName(const IsoCountry &country);

/// The capital of the country with this alpha-2 code, if the table knows the country.
[[nodiscard]] std::optional<Capital> capital(QStringView alpha2);

/// The city of a zone as people write it: "America/Argentina/Buenos_Aires" gives "Buenos Aires",
/// "Asia/Ho_Chi_Minh" gives "Ho Chi Minh City"; zones named for an island or territory give its
/// capital or its usual name.
[[nodiscard]] QString zoneCityName(QStringView zone);

} // namespace WorldTables
