#include "settings/keptplaces.h"

#include "settings/settingsvalue.h"

#include <QStringList>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Far beyond any desktop, and small enough that a window's rectangle there cannot overflow.
constexpr int MaxCoordinate = 1'000'000;

QString screensKey(qsizetype slot)
{
    return u"Screens_"_s + QString::number(slot);
}

QString placeKey(qsizetype slot)
{
    return u"Place_"_s + QString::number(slot);
}

std::optional<int> coordinate(QStringView text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < -MaxCoordinate || value > MaxCoordinate)
        return std::nullopt;
    return value;
}

std::optional<QPoint> pointOf(QStringView text)
{
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return std::nullopt;
    const std::optional<int> x = coordinate(text.first(comma));
    const std::optional<int> y = coordinate(text.sliced(comma + 1));
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

QString textOf(QPoint point)
{
    return QString::number(point.x()) + u',' + QString::number(point.y());
}

} // namespace

QList<KeptPlace> readKeptPlaces(const ProfileDocument &document)
{
    QList<KeptPlace> places;
    for (qsizetype slot = 1; slot <= MaxKeptPlaces; ++slot) {
        const std::optional<QString> screens =
            document.value(SettingsKey::windowPosition, screensKey(slot));
        const std::optional<QString> place =
            document.value(SettingsKey::windowPosition, placeKey(slot));
        if (!screens || screens->isEmpty() || !place)
            continue;
        const std::optional<QPoint> topLeft = pointOf(*place);
        const bool known = std::any_of(places.cbegin(), places.cend(), [&](const KeptPlace &kept) {
            return kept.screens == *screens;
        });
        if (topLeft && !known)
            places.append({*screens, *topLeft});
    }
    return places;
}

QList<KeptPlace> withKeptPlace(QList<KeptPlace> places, const KeptPlace &place)
{
    places.removeIf([&](const KeptPlace &kept) { return kept.screens == place.screens; });
    places.prepend(place);
    if (places.size() > MaxKeptPlaces)
        places.resize(MaxKeptPlaces);
    return places;
}

bool writeKeptPlaces(ProfileDocument &document, const QList<KeptPlace> &places)
{
    for (qsizetype i = 0; i < places.size(); ++i) {
        const KeptPlace &place = places[i];
        // A longer arrangement would read back cut short and never match again.
        if (place.screens.size() > ProfileDocument::MaxValueLength)
            return false;
        if (!document.setValue(SettingsKey::windowPosition, screensKey(i + 1), place.screens) ||
            !document.setValue(SettingsKey::windowPosition, placeKey(i + 1), textOf(place.topLeft)))
            return false;
    }
    return true;
}
