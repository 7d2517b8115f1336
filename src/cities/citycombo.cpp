#include "cities/citycombo.h"

#include "cities/flagfolder.h"

#include <QComboBox>
#include <QHash>
#include <QIcon>
#include <QPixmap>

void addCities(QComboBox &combo, const QList<CityLine> &cities, const QStringList &flagFolders,
               CityCaption caption)
{
    const FlagFolder flags = FlagFolder::scan(flagFolders);
    QHash<QString, QIcon> icons; // by picture path
    for (const CityLine &city : cities) {
        QIcon icon;
        if (const std::optional<QString> path = flags.picturePath(city.entry.flagFile)) {
            auto known = icons.constFind(*path);
            if (known == icons.cend()) {
                const QPixmap picture = QPixmap::fromImage(FlagFolder::loadPicture(*path));
                known = icons.insert(*path, picture.isNull() ? QIcon() : QIcon(picture));
            }
            icon = *known;
        }
        const QString text = caption == CityCaption::Name ? city.entry.name : city.clockListText();
        combo.addItem(icon, text, city.text);
    }
}
