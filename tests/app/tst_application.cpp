#include "app/application.h"
#include "clockwindow/windowplacement.h"
#include "support/recordingpresenter.h"

#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray settingsText(bool hideTrayIcon, bool onTop = false, bool keepPosition = false)
{
    return "[Settings]\r\nLocal=Cairo!+02:00!EGY.bmp\r\nClocks=02\r\n"
           "[Clock_01]\r\nCountry/City=Cairo!+02:00!EGY.bmp\r\n"
           "[Clock_02]\r\nCountry/City=Lima!-05:00!PER.bmp\r\n"
           "[Options]\r\nDisplay_Clock=1\r\nDisplay_Time=1\r\nHide_SysTray_Icon=" +
           QByteArray(hideTrayIcon ? "1" : "0") + "\r\nAlways_On_Top=" + (onTop ? "1" : "0") +
           "\r\nKeep_Position=" + (keepPosition ? "1" : "0") + "\r\n";
}

QStringList captions(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts.append(action->isSeparator() ? u"-"_s : action->text());
    return texts;
}

} // namespace

class TestApplication final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingPresenter m_messages;

    void writeSettings(bool hideTrayIcon, bool onTop = false, bool keepPosition = false)
    {
        QFile file(m_dir.filePath(u"Kerani.ini"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(settingsText(hideTrayIcon, onTop, keepPosition));
    }

private Q_SLOTS:
    void menuItemsInOrder()
    {
        Application app(AppFolder(m_dir.path()), Clock::system(), m_messages);
        QCOMPARE(
            captions(app.mainMenu()),
            (QStringList{u"&New Clock..."_s, u"&Add Country/City..."_s, u"-"_s, u"&Copy Times"_s,
                         u"&Options..."_s, u"-"_s, u"&Help"_s, u"-"_s, u"E&xit"_s}));
        QMenu *help = app.mainMenu()->findChild<QMenu *>(u"helpMenu"_s);
        QVERIFY(help);
        QCOMPARE(captions(help), (QStringList{u"&Contents"_s, u"-"_s, u"&About..."_s}));
    }

    void reloadBuildsANewWindowAndFollowsTheTrayOption()
    {
        writeSettings(false);
        Application app(AppFolder(m_dir.path()), Clock::system(), m_messages);
        app.loadSettings();
        QPointer<ClockWindow> first = app.clockWindow();
        QVERIFY(first);
        QCOMPARE(app.settings().clockList.size(), 2);
        QVERIFY(app.trayIcon()->isVisible());
        QCOMPARE(app.trayIcon()->toolTip(), u"Kerani v3.0"_s);

        // Loading again with the window still there keeps it; the Save callers close it first.
        app.loadSettings();
        QCOMPARE(app.clockWindow(), first.data());

        writeSettings(true);
        app.closeClockWindow();
        QVERIFY(!first);
        app.loadSettings();
        QVERIFY(app.clockWindow());
        QVERIFY(!app.trayIcon()->isVisible());

        writeSettings(false);
        for (int save = 0; save < 3; ++save) {
            app.closeClockWindow();
            app.loadSettings();
        }
        QVERIFY(app.trayIcon()->isVisible());
        QCOMPARE(app.findChildren<QSystemTrayIcon *>().size(), 1);
    }

    void dialogOpenFollowsVisibleDialogs()
    {
        Application app(AppFolder(m_dir.path()), Clock::system(), m_messages);
        int created = 0;
        app.setDialogFactory(Application::Dialog::Options, [&created](Application &) {
            ++created;
            return new QDialog;
        });
        QVERIFY(!app.isDialogOpen());
        app.showDialog(Application::Dialog::Options);
        QVERIFY(app.isDialogOpen());
        app.showDialog(Application::Dialog::Options); // brought to the front, not made again
        QCOMPARE(created, 1);

        QPointer<QWidget> dialog = app.dialog(Application::Dialog::Options);
        dialog->close(); // Close button and title-bar close alike
        QVERIFY(!app.isDialogOpen());
        QTRY_VERIFY(!dialog); // closed dialogs are destroyed; the next show makes a new one

        app.showAbout();
        QVERIFY(app.isDialogOpen());
        app.aboutBox()->findChild<QWidget *>(u"okButton"_s)->setFocus();
        QTest::keyClick(app.aboutBox(), Qt::Key_Return);
        QVERIFY(!app.aboutBox()->isVisible());
        QVERIFY(!app.isDialogOpen());
    }

    void dialogSavesReloadTheSettings()
    {
        writeSettings(false);
        Application app(AppFolder(m_dir.path()), Clock::system(), m_messages);
        registerDialogs(app);
        app.loadSettings();
        QSignalSpy loaded(&app, &Application::settingsLoaded);
        // Each Save of the clock list or the options builds a new clock window, once.
        for (const auto dialog : {Application::Dialog::ClockList, Application::Dialog::Options}) {
            const QPointer<ClockWindow> before = app.clockWindow();
            app.showDialog(dialog);
            app.dialog(dialog)->findChild<QPushButton *>(u"saveButton"_s)->click();
            QVERIFY(!before);
            QVERIFY(app.clockWindow());
        }
        QCOMPARE(loaded.size(), 2);
        // The city editor's Save changes the city list only.
        app.showDialog(Application::Dialog::CityEditor);
        app.dialog(Application::Dialog::CityEditor)
            ->findChild<QPushButton *>(u"saveButton"_s)
            ->click();
        QCOMPARE(loaded.size(), 2);
    }

    void aboutBoxKeepsItsPlace()
    {
        Application app(AppFolder(m_dir.path()), Clock::system(), m_messages);
        app.showAbout();
        QDialog *box = app.aboutBox();
        const QPoint moved = box->pos() + QPoint(37, 23);
        box->move(moved);
        app.showAbout(); // chosen again while shown
        QCOMPARE(box->pos(), moved);
        box->hide(); // OK
        app.showAbout();
        QCOMPARE(box->pos(), moved);
    }

    void menuBringsAClosedWindowBack()
    {
        writeSettings(true); // no tray icon
        Application app(AppFolder(m_dir.path()), Clock::system(), m_messages);
        app.loadSettings();
        ClockWindow *window = app.clockWindow();
        QCloseEvent close;
        QCoreApplication::sendEvent(window->windowHandle(), &close);
        QVERIFY(window->isHidden());
        app.showMainMenu(QPoint(5, 5));
        QVERIFY(window->isVisible() && !window->isMinimized());
        QVERIFY(app.mainMenu()->isVisible());
        app.mainMenu()->hide();
    }

    void draggedPlaceIsKeptWhenTheOptionIsOn_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }
    void draggedPlaceIsKeptWhenTheOptionIsOn()
    {
        QFETCH(bool, keep);
        writeSettings(false, false, keep);
        const QByteArray before = settingsText(false, false, keep);
        Application app(AppFolder(m_dir.path()), Clock::system(), m_messages);
        app.loadSettings();
        const QPoint topCentre = app.clockWindow()->pos();
        app.clockWindow()->move(100, 200);
        Q_EMIT app.clockWindow()->dragFinished(QPoint(100, 200));
        app.reloadSettings(); // as after a Save
        QCOMPARE(app.clockWindow()->pos(), keep ? QPoint(100, 200) : topCentre);
        QFile file(m_dir.filePath(u"Kerani.ini"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        QCOMPARE(after.startsWith(before), true);
        QCOMPARE(after.mid(before.size()), keep ? "[Window_Position]\r\nScreens_1=" +
                                                      ScreenArrangement::current().text().toUtf8() +
                                                      "\r\nPlace_1=100,200\r\n"
                                                : QByteArray());
    }

    void clockWindowStaysOffTopWhileADialogIsOpen()
    {
        writeSettings(false, true);

        Application app(AppFolder(m_dir.path()), Clock::system(), m_messages);
        app.setDialogFactory(Application::Dialog::ClockList,
                             [](Application &) { return new QDialog; });
        app.loadSettings();
        QVERIFY(app.clockWindow()->wantsOnTop());
        app.showDialog(Application::Dialog::ClockList);
        app.clockWindow()->tick();
        QVERIFY(!app.clockWindow()->wantsOnTop());
        app.dialog(Application::Dialog::ClockList)->close();
        app.clockWindow()->tick();
        QVERIFY(app.clockWindow()->wantsOnTop());
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
