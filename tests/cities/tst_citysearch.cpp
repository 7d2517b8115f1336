#include "cities/cityorder.h"
#include "cities/citysearch.h"

#include <QStandardItemModel>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestCitySearch final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void matches_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");

        QTest::newRow("case") << u"ZUR"_s << u"zurich"_s << true;
        QTest::newRow("accent in the name") << u"zur"_s << u"Zürich"_s << true;
        QTest::newRow("accent typed") << u"zür"_s << u"Zurich"_s << true;
        QTest::newRow("tilde, inside the name") << u"sao p"_s << u"São Paulo"_s << true;
        QTest::newRow("decomposed name") << u"reunion"_s << u"Re\u0301union"_s << true;
        QTest::newRow("l and o with stroke") << u"lodz"_s << u"Łódź"_s << true;
        QTest::newRow("o with stroke") << u"tromso"_s << u"Tromsø"_s << true;
        QTest::newRow("d with stroke") << u"dakovica"_s << u"Đakovica"_s << true;
        QTest::newRow("sharp s") << u"strasse"_s << u"Straße"_s << true;
        QTest::newRow("sharp s typed") << u"STRAẞE"_s << u"Strasse"_s << true;
        QTest::newRow("ligatures") << u"aeroskobing"_s << u"Ærøskøbing"_s << true;
        QTest::newRow("dotted capital i") << u"istanbul"_s << u"İstanbul"_s << true;
        QTest::newRow("dotless i") << u"bakir"_s << u"Diyarbakır"_s << true;
        QTest::newRow("compatibility forms") << u"fi"_s << u"ＦＩＪＩ"_s << true;
        QTest::newRow("other scripts") << u"αθηνα"_s << u"Αθήνα"_s << true;
        QTest::newRow("empty search") << QString() << u"Lima"_s << true;
        QTest::newRow("other letters") << u"zurich"_s << u"Zug"_s << false;
        QTest::newRow("letters out of order") << u"sol"_s << u"Oslo"_s << false;
    }
    void matches()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QTEST(CitySearch(typed).matches(CitySearch::fold(name)), "matches");
        // Every name finds itself, and folding what is folded changes nothing.
        QVERIFY(CitySearch(name).matches(CitySearch::fold(name)));
        QCOMPARE(CitySearch::fold(CitySearch::fold(name)), CitySearch::fold(name));
    }

    void order_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("shown");

        const QStringList english{u"Åland Islands"_s, u"Amsterdam"_s, u"berlin"_s, u"Berlin"_s,
                                  u"Łódź"_s,          u"Zug"_s,       u"Zürich"_s};
        QTest::newRow("English") << QLocale(u"en_US"_s) << english;
        QTest::newRow("the C locale orders as English") << QLocale::c() << english;
        QTest::newRow("German") << QLocale(u"de_DE"_s) << english;
        // Å is the alphabet's third letter from the end in Swedish.
        QTest::newRow("Swedish") << QLocale(u"sv_SE"_s)
                                 << QStringList{u"Amsterdam"_s,    u"berlin"_s, u"Berlin"_s,
                                                u"Łódź"_s,         u"Zug"_s,    u"Zürich"_s,
                                                u"Åland Islands"_s};
        // The same name spelt two ways collates equal: then the characters decide.
        QTest::newRow("equal names")
            << QLocale(u"en_US"_s) << QStringList{u"Re\u0301union"_s, u"R\u00e9union"_s};
    }
    void order()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, shown);
        const CityOrder order(locale);
        // Whatever order the names come in, they are shown in the same order.
        QStringList names = shown;
        std::reverse(names.begin(), names.end());
        for (int round = 0; round < 2; ++round) {
            QStringList sorted;
            for (const qsizetype position : order.sorted(names))
                sorted.append(names.at(position));
            QCOMPARE(sorted, shown);
            std::rotate(names.begin(), names.begin() + names.size() / 2, names.end());
        }
    }

    void searchModelKeepsTheListOrder()
    {
        QStandardItemModel cities;
        for (const QString &name : {u"Bern"_s, u"Zürich"_s, u"Zug"_s, u"Basel"_s}) {
            auto *item = new QStandardItem(name + u" [+01:00]"_s);
            item->setData(CitySearch::fold(name), CitySearchModel::KeyRole);
            cities.appendRow(item);
        }
        cities.item(2)->setData(QVariant(), CitySearchModel::KeyRole); // folded from its text
        CitySearchModel search;
        search.setSourceModel(&cities);
        const auto shown = [&search] {
            QStringList texts;
            for (int row = 0; row < search.rowCount(); ++row)
                texts.append(search.index(row, 0).data().toString().section(u' ', 0, 0));
            return texts;
        };
        search.setSearchText(u"ZU"_s);
        QCOMPARE(shown(), (QStringList{u"Zürich"_s, u"Zug"_s}));
        search.setSearchText(u"bERN"_s);
        QCOMPARE(shown(), QStringList{u"Bern"_s});
        search.setSearchText(QString());
        QCOMPARE(search.rowCount(), 4);
    }
};

QTEST_GUILESS_MAIN(TestCitySearch)
#include "tst_citysearch.moc"
