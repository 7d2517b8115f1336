#include "isocountries.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace Qt::StringLiterals;

std::optional<QList<IsoCountry>> IsoCountries::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return std::nullopt;
    }
    const QJsonArray entries = QJsonDocument::fromJson(file.readAll())[u"3166-1"].toArray();
    QList<IsoCountry> countries;
    for (const QJsonValue &value : entries) {
        const QJsonObject entry = value.toObject();
        const QString common = entry[u"common_name"].toString();
        countries.append({entry[u"alpha_2"].toString(), entry[u"alpha_3"].toString(),
                          common.isEmpty() ? entry[u"name"].toString() : common});
    }
    if (countries.isEmpty()) {
        std::fprintf(stderr, "%s holds no country\n", qPrintable(path));
        return std::nullopt;
    }
    return countries;
}

const IsoCountry *IsoCountries::byAlpha2(const QList<IsoCountry> &countries, QStringView alpha2)
{
    for (const IsoCountry &country : countries) {
        if (country.alpha2.compare(alpha2, Qt::CaseInsensitive) == 0)
            return &country;
    }
    return nullptr;
}

const IsoCountry *IsoCountries::byAlpha3(const QList<IsoCountry> &countries, QStringView alpha3)
{
    for (const IsoCountry &country : countries) {
        if (country.alpha3.compare(alpha3, Qt::CaseInsensitive) == 0)
            return &country;
    }
    return nullptr;
}
