#pragma once

#include <QList>
#include <QString>

#include <optional>

/// One country of ISO 3166-1 as the iso-codes package lists it.
struct IsoCountry {
    QString alpha2; // "EG"
    QString alpha3; // "EGY"
    QString name;   // the common name when the list gives one, else the short name
};

/// The country list of the iso-codes package.
namespace IsoCountries {

inline constexpr auto DefaultPath = "/usr/share/iso-codes/json/iso_3166-1.json";

/// Every country of the file in the file's order, or nothing (with a message on stderr) when the
/// file cannot be read or holds no country.
[[nodiscard]] std::optional<QList<IsoCountry>> load(const QString &path);

[[nodiscard]] const IsoCountry *byAlpha2(const QList<IsoCountry> &countries, QStringView alpha2);
[[nodiscard]] const IsoCountry *byAlpha3(const QList<IsoCountry> &countries, QStringView alpha3);

} // namespace IsoCountries
