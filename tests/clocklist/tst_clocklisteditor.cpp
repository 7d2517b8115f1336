#include "app/application.h"
#include "clocklist/clocklisteditor.h"
#include "clockwindow/celllabel.h"
#include "clockwindow/clockwindow.h"
#include "settings/appfolder.h"
#include "support/recordingpresenter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Cairo = u"Cairo!+02:00!EGY.bmp"_s;
const QString Lima = u"Lima!-05:00!per.bmp"_s;   // flag file in lower case, PER.bmp on disk
const QString Oslo = u"Oslo!+01:00!NOR.bmp"_s;   // no such flag
const QString Tokyo = u"Tokyo!+09:00!JPN.bmp"_s; // flag file that is no picture
const QStringList Cities = {Cairo, Lima, Oslo, Tokyo};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString clockSection(qsizetype number)
{
    return u"[Clock_"_s + QString::number(number).rightJustified(2, u'0') + u"]\r\n"_s;
}

QByteArray settingsText(const QStringList &clocks)
{
    QString text = u"[Settings]\r\nLocal="_s + Cairo + u"\r\nClocks="_s +
                   QString::number(clocks.size()).rightJustified(2, u'0') + u"\r\n"_s;
    for (qsizetype i = 0; i < clocks.size(); ++i)
        text += clockSection(i + 1) + u"Country/City="_s + clocks[i] + u"\r\n"_s;
    text += u"[Options]\r\nDisplay_Clock=1\r\nDisplay_Time=1\r\n"
            u"[Clocks_Style]\r\nBackGround=non\r\n"_s;
    return text.toUtf8();
}

// `count` clocks cycling through the cities, so longer lists hold the same city twice.
QStringList cycleOfCities(int count)
{
    QStringList clocks;
    for (int i = 0; i < count; ++i)
        clocks.append(Cities[i % Cities.size()]);
    return clocks;
}

QStringList namesOf(const QStringList &lines)
{
    QStringList names;
    for (const QString &line : lines)
        names.append(line.section(u'!', 0, 0));
    return names;
}

/// An application over a temporary folder (a city list with an empty line and a line too short
/// to be a city, flags, settings with `clocks`) and an open editor. `spoil` then changes the
/// folder before the settings are loaded.
class Session final {
public:
    explicit Session(const QStringList &clocks,
                     const std::function<void(const AppFolder &)> &spoil = {})
        : m_app(folder(), Clock([] { return QDateTime(QDate(2024, 7, 7), QTime(14, 5), Qt::UTC); }),
                presenter)
    {
        QDir(m_dir.path()).mkdir(u"flags"_s);
        QImage flag(16, 11, QImage::Format_RGB32);
        flag.fill(Qt::red);
        flag.save(folder().flagsFolder() + u"/EGY.bmp"_s, "BMP");
        flag.save(folder().flagsFolder() + u"/PER.bmp"_s, "BMP");
        writeFile(folder().flagsFolder() + u"/JPN.bmp"_s, "not a bitmap");
        // Not in alphabetical order: the city list shows its cities sorted.
        writeFile(folder().cityListFile(), (Tokyo + u"\r\n"_s + Cairo + u"\r\n"_s + Lima +
                                            u"\r\n\r\n"_s + Oslo + u"\r\nAb!+1\r\n"_s)
                                               .toUtf8());
        writeFile(folder().settingsFile(), settingsText(clocks));
        if (spoil)
            spoil(folder());

        m_app.loadSettings();
        m_editor = std::make_unique<ClockListEditor>(folder(), m_app.settings(), presenter);
        // As the main menu's editor is: a Save makes the application reload.
        QObject::connect(m_editor.get(), &ClockListEditor::saveFinished, &m_app,
                         &Application::reloadSettings);
        m_editor->show();
    }

    [[nodiscard]] AppFolder folder() const { return AppFolder(m_dir.path()); }
    [[nodiscard]] Application &app() { return m_app; }
    [[nodiscard]] ClockListEditor &editor() { return *m_editor; }

    template<typename T = QWidget> [[nodiscard]] T *find(const QString &name) const
    {
        return m_editor->findChild<T *>(name);
    }
    [[nodiscard]] QListWidget *list() const { return find<QListWidget>(u"clockList"_s); }
    [[nodiscard]] QComboBox *cities() const { return find<QComboBox>(u"cityCombo"_s); }

    void click(const QString &button) const
    {
        QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton);
    }

    // The rows' names; a row that does not keep the whole line of the city it shows reads "?".
    [[nodiscard]] QStringList rows() const
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i) {
            const QString name = list()->item(i)->text();
            const QString line = list()->item(i)->data(Qt::UserRole).toString();
            const bool whole = Cities.contains(line) && line.section(u'!', 0, 0) == name;
            names.append(whole ? name : u"?"_s);
        }
        return names;
    }
    [[nodiscard]] int selectedRow() const
    {
        const QList<QListWidgetItem *> selected = list()->selectedItems();
        return selected.size() == 1 ? list()->row(selected.front()) : -1;
    }
    void select(int row) const
    {
        if (row < 0)
            list()->clearSelection();
        else
            list()->setCurrentRow(row);
    }

    [[nodiscard]] QStringList columnNames() const
    {
        QStringList names;
        if (ClockWindow *window = m_app.clockWindow()) {
            for (const CellLabel *label : window->findChildren<CellLabel *>(u"cityLabel"_s))
                names.append(label->text());
        }
        return names;
    }

    // The messages shown, oldest first, each after the name of its icon.
    [[nodiscard]] QStringList told() const
    {
        static const QStringList icons = {u"None"_s, u"Information"_s, u"Warning"_s, u"Critical"_s,
                                          u"Question"_s};
        QStringList told;
        for (const RecordingPresenter::Message &message : presenter.messages)
            told.append(icons.value(message.icon) + u": "_s + message.text);
        return told;
    }

    RecordingPresenter presenter;

private:
    QTemporaryDir m_dir;
    Application m_app;
    std::unique_ptr<ClockListEditor> m_editor;
};

} // namespace

class TestClockListEditor final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void citiesInAlphabeticalOrderWithTheirFlags()
    {
        Session session({Cairo});
        const QComboBox *cities = session.cities();
        QStringList entries;
        for (int i = 0; i < cities->count(); ++i) {
            entries.append(cities->itemText(i) + u' ' + cities->itemData(i).toString() +
                           (cities->itemIcon(i).isNull() ? u""_s : u" flag"_s));
        }
        QCOMPARE(entries, (QStringList{u"Cairo [+02:00] "_s + Cairo + u" flag"_s,
                                       u"Lima [-05:00] "_s + Lima + u" flag"_s,
                                       u"Oslo [+01:00] "_s + Oslo, u"Tokyo [+09:00] "_s + Tokyo}));
        QCOMPARE(cities->currentIndex(), 0);
    }

    void missingCityListGivesNoCities()
    {
        Session session({Cairo},
                        [](const AppFolder &folder) { QFile::remove(folder.cityListFile()); });
        QCOMPARE(session.cities()->count(), 0);
        // The clock stays, as the window shows it.
        QCOMPARE(session.list()->count(), 1);
        session.click(u"addButton"_s);
        QCOMPARE(session.list()->count(), 1);
        QVERIFY(session.told().isEmpty());
    }

    // Remove's refusals in the order they are checked, and the moves; the selection follows a
    // moved row and is cleared after a removal.
    void rowButtons_data()
    {
        QTest::addColumn<int>("clocks");
        QTest::addColumn<int>("selected"); // -1: nothing selected
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("selectedAfter");
        QTest::addColumn<QStringList>("told");

        const QStringList three = {u"Cairo"_s, u"Lima"_s, u"Oslo"_s};
        const QString remove = u"removeButton"_s;
        QTest::newRow("remove the only row")
            << 1 << -1 << remove << QStringList{u"Cairo"_s} << -1
            << QStringList{u"Information: You must have one country at least."_s};
        QTest::newRow("remove from no rows")
            << 0 << -1 << remove << QStringList{} << -1
            << QStringList{u"Warning: There are no country to remove."_s};
        QTest::newRow("remove, none selected")
            << 3 << -1 << remove << three << -1
            << QStringList{u"Information: Select country first."_s};
        QTest::newRow("removed") << 3 << 1 << remove << QStringList{u"Cairo"_s, u"Oslo"_s} << -1
                                 << QStringList{};
        QTest::newRow("up") << 3 << 2 << u"upButton"_s
                            << QStringList{u"Cairo"_s, u"Oslo"_s, u"Lima"_s} << 1 << QStringList{};
        QTest::newRow("down") << 3 << 0 << u"downButton"_s
                              << QStringList{u"Lima"_s, u"Cairo"_s, u"Oslo"_s} << 1
                              << QStringList{};
        QTest::newRow("up at the top") << 3 << 0 << u"upButton"_s << three << 0 << QStringList{};
    }
    void rowButtons()
    {
        QFETCH(int, clocks);
        QFETCH(int, selected);
        QFETCH(QString, button);
        Session session(cycleOfCities(clocks));
        session.select(selected);
        session.click(button);
        QTEST(session.rows(), "after");
        QTEST(session.selectedRow(), "selectedAfter");
        QTEST(session.told(), "told");
    }

    // Rows removed or added (the same city may stand twice) are written as the clock sections,
    // and the clock window is built anew from them.
    void saveWritesTheRows_data()
    {
        QTest::addColumn<int>("oldCount");
        QTest::addColumn<int>("newCount");
        QTest::newRow("nine to one") << 9 << 1;
        QTest::newRow("three to ten") << 3 << 10;
    }
    void saveWritesTheRows()
    {
        QFETCH(int, oldCount);
        QFETCH(int, newCount);
        Session session(cycleOfCities(oldCount));
        while (session.list()->count() > newCount) {
            session.select(session.list()->count() - 1);
            session.click(u"removeButton"_s);
        }
        for (int row = session.list()->count(); row < newCount; ++row) {
            session.cities()->setCurrentIndex(
                session.cities()->findData(Cities[row % Cities.size()]));
            session.click(u"addButton"_s);
        }
        const QPointer<ClockWindow> before = session.app().clockWindow();
        session.click(u"saveButton"_s);
        QCOMPARE(session.told(), QStringList{u"Information: Clocks list are saved!"_s});

        const QString text = QString::fromUtf8(readFile(session.folder().settingsFile()));
        const QStringList clocks = cycleOfCities(newCount);
        QVERIFY(text.contains(u"Clocks="_s + QString::number(newCount).rightJustified(2, u'0') +
                              u"\r\n"_s));
        // Each kept clock in its section, no section beyond the new count.
        for (int number = 1; number <= qMax(oldCount, newCount); ++number) {
            const bool kept = number <= newCount;
            QCOMPARE(text.contains(
                         clockSection(number) +
                         (kept ? u"Country/City="_s + clocks[number - 1] + u"\r\n"_s : QString())),
                     kept);
        }
        // The keys of other sections stay.
        QVERIFY(text.contains(u"[Options]\r\nDisplay_Clock=1\r\n"_s));
        QCOMPARE(session.app().settings().clockList, clocks);
        QVERIFY(before.isNull());
        QCOMPARE(session.columnNames(), namesOf(clocks));
        // The dialog stays open with the list as the user left it.
        QVERIFY(session.editor().isVisible());
        QCOMPARE(session.rows(), namesOf(clocks));
        QVERIFY(session.find(u"waitPanel"_s)->isHidden());
    }

    // Nothing is written, the user is told why, and the clock window is still built anew from
    // the file as it is.
    void saveWritesNothing_data()
    {
        QTest::addColumn<bool>("settingsFile"); // false: a folder stands in its place
        QTest::addColumn<QString>("told");      // how the one message starts
        QTest::newRow("empty list") << true << u"Warning: The list is empty ?!"_s;
        QTest::newRow("failed save") << false << u"Critical: The clock list could not be saved: "_s;
    }
    void saveWritesNothing()
    {
        QFETCH(bool, settingsFile);
        QFETCH(QString, told);
        Session session({}, [&](const AppFolder &folder) {
            if (!settingsFile)
                QVERIFY(QFile::remove(folder.settingsFile()) &&
                        QDir(folder.path()).mkdir(u"Kerani.ini"_s));
        });
        QCOMPARE(session.list()->count(), 0);
        if (!settingsFile)
            session.click(u"addButton"_s);
        const QByteArray stored = readFile(session.folder().settingsFile());
        const QPointer<ClockWindow> before = session.app().clockWindow();
        QVERIFY(before);

        session.click(u"saveButton"_s);
        QCOMPARE(session.told().size(), 1);
        QVERIFY2(session.told()[0].startsWith(told), qPrintable(session.told()[0]));
        QCOMPARE(QFileInfo(session.folder().settingsFile()).isFile(), settingsFile);
        QCOMPARE(readFile(session.folder().settingsFile()), stored);
        QVERIFY(before.isNull());
        QVERIFY(session.app().clockWindow());
        QVERIFY(session.editor().isVisible());
        QVERIFY(session.find(u"waitPanel"_s)->isHidden());
        QCOMPARE(session.rows(), settingsFile ? QStringList() : QStringList{u"Cairo"_s});
    }

    // A clock whose city line was changed in the city list since it was chosen is shown apart,
    // with the zone it has, and a Save keeps it as it is.
    void changedCityIsKept()
    {
        const QString london = u"London!+01:00!GBR.bmp"_s;
        Session session({Cairo, london});
        QCOMPARE(session.list()->count(), 2);
        const QListWidgetItem *kept = session.list()->item(1);
        QCOMPARE(kept->text(), u"London [+01:00] (not in the city list)"_s);
        QVERIFY(kept->toolTip().contains(london));
        QVERIFY(kept->font().italic() && !session.list()->item(0)->font().italic());
        // A name the italic face cannot draw (Arabic, in many fonts) is not set in it.
        const QString arabic = u"\u0627\u0644\u0642\u0627\u0647\u0631\u0629"_s;
        Session named({arabic + u"!+02:00!EGY.bmp"_s});
        const QFontMetrics metrics(named.list()->item(0)->font());
        for (const QChar letter : arabic)
            QVERIFY(metrics.inFont(letter));
        session.click(u"saveButton"_s);
        QCOMPARE(session.told(), QStringList{u"Information: Clocks list are saved!"_s});
        QCOMPARE(session.app().settings().clockList, (QStringList{Cairo, london}));
        QCOMPARE(session.columnNames(), (QStringList{u"Cairo"_s, u"London"_s}));
    }

    // The keyboard alone finds a city by any part of its name and adds it; Escape first ends the
    // search, then closes the dialog.
    void typingFindsACity()
    {
        Session session({Cairo});
        QComboBox *cities = session.cities();
        cities->setFocus();
        QTest::keyClicks(cities, u"KY"_s);
        QWidget *matches = QApplication::activePopupWidget();
        QVERIFY(matches);
        QTest::keyClick(matches, Qt::Key_Down);
        QTest::keyClick(matches, Qt::Key_Return);
        QCOMPARE(cities->currentData().toString(), Tokyo);
        session.click(u"addButton"_s);
        QCOMPARE(session.rows(), (QStringList{u"Cairo"_s, u"Tokyo"_s}));

        QTest::keyClicks(cities, u"li"_s);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QVERIFY(session.editor().isVisible());
        QCOMPARE(cities->lineEdit()->text(), u"Tokyo [+09:00]"_s);
        QTest::keyClick(cities, Qt::Key_Escape);
        QVERIFY(!session.editor().isVisible());
    }

    void tabOrder()
    {
        Session session({Cairo});
        // Every control, the arrow buttons too, is reached by Tab in reading order and named
        // for screen readers.
        QStringList chain;
        QWidget *next = session.cities();
        do {
            if ((next->focusPolicy() & Qt::TabFocus) && !next->objectName().isEmpty()) {
                chain.append(next->objectName());
                QVERIFY2(!next->accessibleName().isEmpty(), qPrintable(next->objectName()));
            }
            next = next->nextInFocusChain();
        } while (next != session.cities() && chain.size() < 20);
        QCOMPARE(chain, (QStringList{u"cityCombo"_s, u"addButton"_s, u"clockList"_s, u"upButton"_s,
                                     u"downButton"_s, u"removeButton"_s, u"saveButton"_s,
                                     u"closeButton"_s}));
        QVERIFY(session.find(u"waitPanel"_s)->isHidden());
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("in the city combo") << u"cityCombo"_s;
        QTest::newRow("in the clock list") << u"clockList"_s;
        QTest::newRow("on the dialog") << u"clockListEditor"_s;
    }
    void keyboard()
    {
        QFETCH(QString, target);
        Session session({Cairo, Lima});
        const QByteArray stored = readFile(session.folder().settingsFile());
        session.select(0);
        QWidget *widget =
            target == session.editor().objectName() ? &session.editor() : session.find(target);
        QVERIFY(widget);

        // Enter neither saves nor adds.
        QTest::keyClick(widget, Qt::Key_Return);
        QTest::keyClick(widget, Qt::Key_Enter);
        QVERIFY(session.told().isEmpty());
        QCOMPARE(readFile(session.folder().settingsFile()), stored);
        QCOMPARE(session.list()->count(), 2);
        QVERIFY(session.editor().isVisible());

        // Escape closes, like the Close button.
        QTest::keyClick(widget, Qt::Key_Escape);
        QVERIFY(!session.editor().isVisible());
    }
};

QTEST_MAIN(TestClockListEditor)
#include "tst_clocklisteditor.moc"
