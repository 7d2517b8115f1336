#include "cities/citycombo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// In file order; shown in alphabetical order.
const QStringList kLines{u"Zürich!+01:00!CHE.bmp"_s,    u"Łódź!+01:00!POL.bmp"_s,
                         u"São Paulo!-03:00!BRA.bmp"_s, u"Åland Islands!+02:00!ALA.bmp"_s,
                         u"Salzburg!+01:00!AUT.bmp"_s,  u"Lima!-05:00!PER.bmp"_s};
const QStringList kShown{u"Åland Islands"_s, u"Lima"_s,      u"Łódź"_s,
                         u"Salzburg"_s,      u"São Paulo"_s, u"Zürich"_s};

QList<CityLine> cityLines()
{
    QList<CityLine> lines;
    for (const QString &text : kLines)
        lines.append(CityLine::fromText(text).value());
    return lines;
}

} // namespace

class TestCityCombo final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QWidget m_window;
    CityCombo *m_combo = nullptr;
    QLineEdit *m_elsewhere = nullptr;

    QAbstractItemView *matchList() const { return m_combo->completer()->popup(); }
    // The keys go where a user's would: to the list of matches while it is open.
    void press(Qt::Key key)
    {
        QWidget *popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : static_cast<QWidget *>(m_combo), key);
    }
    QStringList matches() const
    {
        QStringList names;
        if (!matchList()->isVisible())
            return names;
        for (int row = 0; row < matchList()->model()->rowCount(); ++row)
            names.append(matchList()->model()->index(row, 0).data().toString());
        return names;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(u"en_US"_s));
        QVERIFY(QDir(m_dir.path()).mkdir(u"flags"_s));
        QImage flag(16, 11, QImage::Format_RGB32);
        flag.fill(Qt::red);
        QVERIFY(flag.save(m_dir.filePath(u"flags/CHE.bmp"_s), "BMP"));

        auto *layout = new QVBoxLayout(&m_window);
        m_combo = new CityCombo(&m_window);
        m_elsewhere = new QLineEdit(&m_window);
        layout->addWidget(m_combo);
        layout->addWidget(m_elsewhere);
        m_combo->setCities(cityLines(), {m_dir.filePath(u"flags"_s)}, CityCaption::Name);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }

    void entriesInAlphabeticalOrder()
    {
        QStringList shown;
        for (int i = 0; i < m_combo->count(); ++i) {
            shown.append(m_combo->itemText(i));
            QCOMPARE(m_combo->itemData(i).toString().section(u'!', 0, 0), shown.last());
            QCOMPARE(m_combo->itemIcon(i).isNull(), shown.last() != u"Zürich"_s);
        }
        QCOMPARE(shown, kShown);
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<QStringList>("matches"); // shown under the field after typing
        QTest::addColumn<QString>("current");     // the chosen city afterwards
        QTest::addColumn<QString>("field");       // what the field shows afterwards

        const QStringList sa{u"Salzburg"_s, u"São Paulo"_s};
        QTest::newRow("typing shows the matches")
            << u"sa"_s << QList<Qt::Key>{} << sa << u"Lima"_s << u"sa"_s;
        QTest::newRow("case and accents aside")
            << u"LODZ"_s << QList<Qt::Key>{} << QStringList{u"Łódź"_s} << u"Lima"_s << u"LODZ"_s;
        QTest::newRow("Enter takes the first")
            << u"sa"_s << QList<Qt::Key>{Qt::Key_Return} << sa << u"Salzburg"_s << u"Salzburg"_s;
        QTest::newRow("Down, Down, Enter")
            << u"sa"_s << QList<Qt::Key>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter} << sa
            << u"São Paulo"_s << u"São Paulo"_s;
        QTest::newRow("Escape drops the search")
            << u"sa"_s << QList<Qt::Key>{Qt::Key_Down, Qt::Key_Escape} << sa << u"Lima"_s
            << u"Lima"_s;
        QTest::newRow("nothing found, nothing chosen")
            << u"xyz"_s << QList<Qt::Key>{Qt::Key_Return} << QStringList{} << u"Lima"_s << u"xyz"_s;
        QTest::newRow("leaving the field drops the search")
            << u"sa"_s << QList<Qt::Key>{Qt::Key_Tab} << sa << u"Lima"_s << u"Lima"_s;
        QTest::newRow("leaving the field takes the marked match")
            << u"sa"_s << QList<Qt::Key>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Tab} << sa
            << u"São Paulo"_s << u"São Paulo"_s;
        QTest::newRow("leaving the field takes the only match")
            << u"lodz"_s << QList<Qt::Key>{Qt::Key_Tab} << QStringList{u"Łódź"_s} << u"Łódź"_s
            << u"Łódź"_s;
        QTest::newRow("search erased")
            << u"s"_s << QList<Qt::Key>{Qt::Key_Backspace, Qt::Key_Return}
            << QStringList{u"Åland Islands"_s, u"Salzburg"_s, u"São Paulo"_s} << u"Lima"_s
            << u"Lima"_s;
    }
    void keyboard()
    {
        QFETCH(QString, typed);
        QFETCH(QList<Qt::Key>, keys);
        m_combo->setCurrentIndex(m_combo->findText(u"Lima"_s));
        m_combo->setFocus();
        QTRY_VERIFY(m_combo->hasFocus());
        QTest::keyClicks(m_combo, typed);
        QTEST(matches(), "matches");
        for (const Qt::Key key : keys)
            press(key);
        QTEST(m_combo->itemText(m_combo->currentIndex()), "current");
        QTEST(m_combo->lineEdit()->text(), "field");
        // Whatever happened, the choice is an entry with its whole line.
        QCOMPARE(m_combo->currentData().toString().section(u'!', 0, 0),
                 m_combo->itemText(m_combo->currentIndex()));
        press(Qt::Key_Escape);
        QVERIFY(!matchList()->isVisible());
    }

    void clickChoosesAMatch()
    {
        for (const QString &city : {u"Salzburg"_s, u"São Paulo"_s}) {
            m_combo->setCurrentIndex(m_combo->findText(u"Salzburg"_s));
            m_combo->setFocus();
            QTest::keyClicks(m_combo, u"sa"_s);
            const QModelIndex match = matchList()->model()->index(city == u"Salzburg"_s ? 0 : 1, 0);
            QTest::mouseClick(matchList()->viewport(), Qt::LeftButton, {},
                              matchList()->visualRect(match).center());
            QCOMPARE(m_combo->itemText(m_combo->currentIndex()), city);
            QTRY_COMPARE(m_combo->lineEdit()->selectedText(), city);
            QVERIFY(!matchList()->isVisible());
        }
    }
};

QTEST_MAIN(TestCityCombo)
#include "tst_citycombo.moc"
