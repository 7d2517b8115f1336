#include "app/appfolder.h"
#include "app/application.h"
#include "clocklist/clocklisteditor.h"
#include "clockwindow/celllabel.h"
#include "clockwindow/clockwindow.h"
#include "support/recordingpresenter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

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

// The city list with an empty line and a line too short to be a city among the cities.
QByteArray cityListText()
{
    return (Cairo + u"\r\n"_s + Lima + u"\r\n\r\n"_s + Oslo + u"\r\nAb!+1\r\n"_s + Tokyo +
            u"\r\n"_s)
        .toUtf8();
}

QByteArray settingsText(const QStringList &clocks)
{
    QString text = u"[Settings]\r\nLocal="_s + Cairo + u"\r\nClocks="_s +
                   QString::number(clocks.size()).rightJustified(2, u'0') + u"\r\n"_s;
    for (qsizetype i = 0; i < clocks.size(); ++i) {
        text += u"[Clock_"_s + QString::number(i + 1).rightJustified(2, u'0') +
                u"]\r\nCountry/City="_s + clocks[i] + u"\r\n"_s;
    }
    text += u"[Options]\r\nDisplay_Clock=1\r\nDisplay_Time=1\r\n"
            u"[Clocks_Style]\r\nBackGround=non\r\n"_s;
    return text.toUtf8();
}

// The n-th clock of a list that cycles through the cities.
QStringList cycleOfCities(int count)
{
    QStringList clocks;
    for (int i = 0; i < count; ++i)
        clocks.append(Cities[i % Cities.size()]);
    return clocks;
}

using Prepare = std::function<void(const AppFolder &)>;

Prepare withClocks(const QStringList &clocks)
{
    return [clocks](const AppFolder &folder) {
        QVERIFY(writeFile(folder.settingsFile(), settingsText(clocks)));
    };
}

/// An application over a temporary folder (cities, flags, settings) and an open editor.
class Session final {
public:
    explicit Session(const Prepare &prepare)
        : m_app(AppFolder(m_dir.path()), Clock([] { return fixedNow(); }), presenter)
    {
        const AppFolder folder(m_dir.path());
        QDir(m_dir.path()).mkdir(u"flags"_s);
        QImage flag(16, 11, QImage::Format_RGB32);
        flag.fill(Qt::red);
        flag.save(folder.flagsFolder() + u"/EGY.bmp"_s, "BMP");
        flag.fill(Qt::blue);
        flag.save(folder.flagsFolder() + u"/PER.bmp"_s, "BMP");
        writeFile(folder.flagsFolder() + u"/JPN.bmp"_s, "not a bitmap");
        writeFile(folder.cityListFile(), cityListText());
        prepare(folder);

        m_app.loadSettings();
        m_editor = std::make_unique<ClockListEditor>(m_app);
        m_editor->show();
    }

    [[nodiscard]] static QDateTime fixedNow()
    {
        return QDateTime(QDate(2024, 7, 7), QTime(14, 5, 9), Qt::UTC);
    }

    [[nodiscard]] AppFolder folder() const { return AppFolder(m_dir.path()); }
    [[nodiscard]] Application &app() { return m_app; }
    [[nodiscard]] ClockListEditor &editor() { return *m_editor; }

    template<typename T> [[nodiscard]] T *find(const QString &name) const
    {
        return m_editor->findChild<T *>(name);
    }
    [[nodiscard]] QListWidget *list() const { return find<QListWidget>(u"List1"_s); }
    [[nodiscard]] QComboBox *cities() const { return find<QComboBox>(u"imgCombo1"_s); }

    void click(const QString &button) const
    {
        auto *widget = find<QAbstractButton>(button);
        QVERIFY2(widget, qPrintable(button));
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    [[nodiscard]] QStringList rowTexts() const
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts.append(list()->item(i)->text());
        return texts;
    }
    [[nodiscard]] QStringList rowLines() const
    {
        QStringList lines;
        for (int i = 0; i < list()->count(); ++i)
            lines.append(list()->item(i)->data(Qt::UserRole).toString());
        return lines;
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
            for (const CellLabel *label : window->findChildren<CellLabel *>(u"lblCityName"_s))
                names.append(label->text());
        }
        return names;
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
    void controlsAndCaptions()
    {
        Session session(withClocks({Cairo}));
        QCOMPARE(session.editor().objectName(), u"frmClocks"_s);
        QCOMPARE(session.editor().windowTitle(), u"New Clock"_s);
        const QList<std::pair<QString, QString>> buttons = {{u"cmdAdd"_s, u"Add To List"_s},
                                                            {u"cmdRemove"_s, u"Remove From List"_s},
                                                            {u"cmdSave"_s, u"Save List"_s},
                                                            {u"cmdClose"_s, u"Close"_s},
                                                            {u"cmdUp"_s, u""_s},
                                                            {u"cmdDown"_s, u""_s}};
        for (const auto &[name, caption] : buttons) {
            const auto *button = session.find<QAbstractButton>(name);
            QVERIFY2(button, qPrintable(name));
            QCOMPARE(button->text(), caption);
            QVERIFY(!button->accessibleName().isEmpty());
            QVERIFY(button->focusPolicy() & Qt::TabFocus);
        }
        QCOMPARE(session.find<QWidget>(u"cmdUp"_s)->accessibleName(), u"Up"_s);
        QCOMPARE(session.find<QWidget>(u"cmdDown"_s)->accessibleName(), u"Down"_s);
        QVERIFY(!session.cities()->accessibleName().isEmpty());
        QVERIFY(!session.list()->accessibleName().isEmpty());
        const auto *panel = session.find<QLabel>(u"SSPanel1"_s);
        QVERIFY(panel);
        QCOMPARE(panel->text(), u"Please Wait ....."_s);
        QVERIFY(panel->isHidden());
    }

    void citiesInFileOrderWithTheirFlags()
    {
        Session session(withClocks({Cairo}));
        const QComboBox *cities = session.cities();
        QCOMPARE(cities->count(), 4);
        const QStringList texts = {u"Cairo [+02:00]"_s, u"Lima [-05:00]"_s, u"Oslo [+01:00]"_s,
                                   u"Tokyo [+09:00]"_s};
        const QList<bool> hasFlag = {true, true, false, false};
        for (int i = 0; i < cities->count(); ++i) {
            QCOMPARE(cities->itemText(i), texts[i]);
            QCOMPARE(cities->itemData(i).toString(), Cities[i]);
            QCOMPARE(!cities->itemIcon(i).isNull(), hasFlag[i]);
        }
        QCOMPARE(cities->currentIndex(), 0);
    }

    void missingCityListGivesEmptyLists()
    {
        Session session([](const AppFolder &folder) {
            QVERIFY(writeFile(folder.settingsFile(), settingsText({Cairo})));
            QVERIFY(QFile::remove(folder.cityListFile()));
        });
        QCOMPARE(session.cities()->count(), 0);
        QCOMPARE(session.cities()->currentIndex(), -1);
        QCOMPARE(session.list()->count(), 0);
        session.click(u"cmdAdd"_s);
        QCOMPARE(session.list()->count(), 0);
        QVERIFY(session.presenter.messages.isEmpty());
    }

    void rowsFromTheStoredClocks()
    {
        Session session(withClocks({Lima, u"Atlantis!+00:00!ATL.bmp"_s, Cairo, u"00"_s, Lima}));
        QCOMPARE(session.rowTexts(), (QStringList{u"Lima"_s, u"Cairo"_s, u"Lima"_s}));
        QCOMPARE(session.rowLines(), (QStringList{Lima, Cairo, Lima}));
    }

    void remove_data()
    {
        QTest::addColumn<int>("clocks");
        QTest::addColumn<int>("selected"); // -1: nothing selected
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QStringList>("after");

        const int information = QMessageBox::Information;
        QTest::newRow("one row, none selected")
            << 1 << -1 << u"You must have one country at least."_s << information
            << QStringList{u"Cairo"_s};
        QTest::newRow("no rows") << 0 << -1 << u"There are no country to remove."_s
                                 << int(QMessageBox::Warning) << QStringList{};
        QTest::newRow("none selected") << 3 << -1 << u"Select country first."_s << information
                                       << QStringList{u"Cairo"_s, u"Lima"_s, u"Oslo"_s};
        QTest::newRow("removed") << 3 << 1 << QString() << -1 << QStringList{u"Cairo"_s, u"Oslo"_s};
    }

    void remove()
    {
        QFETCH(int, clocks);
        QFETCH(int, selected);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(QStringList, after);
        Session session(withClocks(cycleOfCities(clocks)));
        session.select(selected);
        session.click(u"cmdRemove"_s);
        QCOMPARE(session.rowTexts(), after);
        if (message.isEmpty()) {
            QVERIFY(session.presenter.messages.isEmpty());
            QCOMPARE(session.selectedRow(), -1);
        } else {
            QCOMPARE(session.presenter.texts(), QStringList{message});
            QCOMPARE(int(session.presenter.messages[0].icon), icon);
        }
    }

    void move_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("selected"); // -1: nothing selected
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("selectedAfter");

        const QStringList unchanged = {u"Cairo"_s, u"Lima"_s, u"Oslo"_s};
        QTest::newRow("up") << u"cmdUp"_s << 2 << QStringList{u"Cairo"_s, u"Oslo"_s, u"Lima"_s}
                            << 1;
        QTest::newRow("down") << u"cmdDown"_s << 0 << QStringList{u"Lima"_s, u"Cairo"_s, u"Oslo"_s}
                              << 1;
        QTest::newRow("up at the top") << u"cmdUp"_s << 0 << unchanged << 0;
        QTest::newRow("up, none selected") << u"cmdUp"_s << -1 << unchanged << -1;
    }

    void move()
    {
        QFETCH(QString, button);
        QFETCH(int, selected);
        QFETCH(QStringList, after);
        QFETCH(int, selectedAfter);
        Session session(withClocks(cycleOfCities(3)));
        session.select(selected);
        session.click(button);
        QCOMPARE(session.rowTexts(), after);
        QCOMPARE(session.selectedRow(), selectedAfter);
        // Each row still carries the line of the city it shows.
        const QStringList lines = session.rowLines();
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY(lines[i].startsWith(after[i] + u'!'));
    }

    void sameCityTwiceGivesTwoColumns()
    {
        Session session(withClocks({Cairo}));
        session.cities()->setCurrentIndex(1);
        session.click(u"cmdAdd"_s);
        session.click(u"cmdAdd"_s);
        QCOMPARE(session.rowTexts(), (QStringList{u"Cairo"_s, u"Lima"_s, u"Lima"_s}));
        QCOMPARE(session.rowLines(), (QStringList{Cairo, Lima, Lima}));

        QPointer<ClockWindow> before = session.app().clockWindow();
        session.click(u"cmdSave"_s);
        QCOMPARE(session.presenter.texts(), QStringList{u"Clocks list are saved!"_s});
        QCOMPARE(session.presenter.messages[0].icon, QMessageBox::Information);
        QVERIFY(before.isNull());
        QCOMPARE(session.columnNames(), (QStringList{u"Cairo"_s, u"Lima"_s, u"Lima"_s}));
        QCOMPARE(session.app().settings().clockList, (QStringList{Cairo, Lima, Lima}));
        // The dialog stays open with the list as the user left it.
        QVERIFY(session.editor().isVisible());
        QCOMPARE(session.list()->count(), 3);
    }

    void saveRewritesTheClockSections_data()
    {
        QTest::addColumn<int>("oldCount");
        QTest::addColumn<int>("newCount");

        QTest::newRow("eight to five") << 8 << 5;
        QTest::newRow("three to ten") << 3 << 10;
        QTest::newRow("nine to one") << 9 << 1;
    }

    void saveRewritesTheClockSections()
    {
        QFETCH(int, oldCount);
        QFETCH(int, newCount);
        Session session(withClocks(cycleOfCities(oldCount)));
        while (session.list()->count() > newCount) {
            session.select(session.list()->count() - 1);
            session.click(u"cmdRemove"_s);
        }
        for (int row = session.list()->count(); row < newCount; ++row) {
            session.cities()->setCurrentIndex(row % Cities.size());
            session.click(u"cmdAdd"_s);
        }
        session.click(u"cmdSave"_s);
        QCOMPARE(session.presenter.texts(), QStringList{u"Clocks list are saved!"_s});

        const QString text = QString::fromUtf8(readFile(session.folder().settingsFile()));
        const auto sectionName = [](int number) -> QString {
            return u"[Clock_"_s + QString::number(number).rightJustified(2, u'0') + u"]"_s;
        };
        QVERIFY(text.contains(u"Clocks="_s + QString::number(newCount).rightJustified(2, u'0') +
                              u"\r\n"_s));
        for (int number = 1; number <= qMax(oldCount, newCount); ++number) {
            const qsizetype at = text.indexOf(sectionName(number));
            QCOMPARE(at >= 0, number <= newCount);
            if (at >= 0) {
                const QString key =
                    u"]\r\nCountry/City="_s + Cities[(number - 1) % Cities.size()] + u"\r\n"_s;
                QCOMPARE(text.mid(at + sectionName(number).size() - 1, key.size()), key);
            }
        }
        // The keys of other sections stay.
        QVERIFY(text.contains(u"[Options]\r\nDisplay_Clock=1\r\n"_s));
        QCOMPARE(session.app().settings().clockList, cycleOfCities(newCount));
        QCOMPARE(session.columnNames().size(), newCount);
        QVERIFY(session.find<QLabel>(u"SSPanel1"_s)->isHidden());
    }

    void emptyListIsNotSaved()
    {
        Session session(withClocks({}));
        const QByteArray stored = readFile(session.folder().settingsFile());
        QPointer<ClockWindow> before = session.app().clockWindow();
        QVERIFY(before);
        session.click(u"cmdSave"_s);
        QCOMPARE(session.presenter.texts(), QStringList{u"The list is empty ?!"_s});
        QCOMPARE(session.presenter.messages[0].icon, QMessageBox::Warning);
        QCOMPARE(readFile(session.folder().settingsFile()), stored);
        // The clock window is still rebuilt from the unchanged settings.
        QVERIFY(before.isNull());
        QVERIFY(session.app().clockWindow());
        QVERIFY(session.editor().isVisible());
    }

    void failedSaveIsReported()
    {
        // A folder where the settings file should be: it can be neither read nor replaced.
        Session session(
            [](const AppFolder &folder) { QVERIFY(QDir(folder.path()).mkdir(u"Kerani.ini"_s)); });
        QCOMPARE(session.list()->count(), 0);
        session.click(u"cmdAdd"_s);
        session.click(u"cmdSave"_s);
        QCOMPARE(session.presenter.messages.size(), 1);
        QCOMPARE(session.presenter.messages[0].icon, QMessageBox::Critical);
        QVERIFY(session.presenter.messages[0].text.startsWith(
            u"The clock list could not be saved: "_s));
        QVERIFY(!session.presenter.texts().contains(u"Clocks list are saved!"_s));
        QVERIFY(QFileInfo(session.folder().settingsFile()).isDir());
        QVERIFY(session.app().clockWindow());
        QVERIFY(session.find<QLabel>(u"SSPanel1"_s)->isHidden());
        QCOMPARE(session.rowLines(), QStringList{Cairo});
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("target");

        QTest::newRow("in the city combo") << u"imgCombo1"_s;
        QTest::newRow("in the clock list") << u"List1"_s;
        QTest::newRow("on the dialog") << u"frmClocks"_s;
    }

    void keyboard()
    {
        QFETCH(QString, target);
        Session session(withClocks({Cairo, Lima}));
        const QByteArray stored = readFile(session.folder().settingsFile());
        session.select(0);
        QWidget *widget = target == session.editor().objectName() ? &session.editor()
                                                                  : session.find<QWidget>(target);
        QVERIFY(widget);

        // Enter neither saves nor adds.
        QTest::keyClick(widget, Qt::Key_Return);
        QTest::keyClick(widget, Qt::Key_Enter);
        QVERIFY(session.presenter.messages.isEmpty());
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
