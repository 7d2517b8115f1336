#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

/// The order in which the lists show city names: the alphabetical order of the user's language
/// ("Åland Islands" and "Łódź" before "Zürich" in English, "Åland" after "Zürich" in Swedish),
/// names the collation finds equal in the order of their characters, so a list comes out the
/// same whatever order its names came in. The city list file keeps its own order; only what is
/// shown is sorted.
class CityOrder final {
public:
    /// A name's place in the order. Two keys compare much faster than two names, so a list that
    /// is sorted again and again keeps one key per name.
    class Key final {
    public:
        friend bool operator<(const Key &a, const Key &b);

    private:
        friend class CityOrder;
        Key(QCollatorSortKey collation, QString name);

        QCollatorSortKey m_collation;
        QString m_name;
    };

    /// The order of `locale`'s language. The C locale names no language and would order by
    /// character codes, putting every accented capital after "Z"; it gets the Unicode default
    /// order, which is English's.
    explicit CityOrder(const QLocale &locale = QLocale());

    [[nodiscard]] Key key(const QString &name) const;

    /// The positions of `names` in this order: the first is the position of the name shown first.
    [[nodiscard]] QList<qsizetype> sorted(const QStringList &names) const;

private:
    QCollator m_collator;
};
