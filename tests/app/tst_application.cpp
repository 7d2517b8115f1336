#include "app/aboutbox.h"
#include "app/application.h"
#include "clockwindow/clockwindow.h"
#include "clockwindow/windowplacement.h"
#include "support/recordingpresenter.h"
#include "support/testfiles.h"

#include <QCursor>
#include <QDialog>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestApplication final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingPresenter m_messages;

    QByteArray writeSettings(bool hideTrayIcon, bool onTop = false, bool keepPosition = false)
    {
        const QString text = u"[Settings]\r\nLocal=Cairo!+02:00!EGY.bmp\r\nClocks=02\r\n"
                             u"[Clock_01]\r\nCountry/City=Cairo!+02:00!EGY.bmp\r\n"
                             u"[Clock_02]\r\nCountry/City=Lima!-05:00!PER.bmp\r\n[Options]\r\n"
                             u"Display_Clock=1\r\nDisplay_Time=1\r\nHide_SysTray_Icon=%1\r\n"
                             u"Always_On_Top=%2\r\nKeep_Position=%3\r\n"_s;
        const QByteArray bytes =
            text.arg(int(hideTrayIcon)).arg(int(onTop)).arg(int(keepPosition)).toUtf8();
        return TestFiles::writeBytes(m_dir.filePath(u"Kerani.ini"_s), bytes) ? bytes : QByteArray();
    }

private Q_SLOTS:
    void dialogsAndTrayIcon()
    {
        writeSettings(false, true);
        Application app(AppFolder(m_dir.path()), Clock::system(), m_messages);
        int created = 0;
        app.setDialogFactory(Application::Dialog::Options, [&created](Application &) {
            ++created;
            auto *dialog = new QDialog;
            dialog->setFixedSize(200, 100);
            return dialog;
        });
        app.loadSettings();
        // With the pointer off every screen, a dialog goes to the middle of the main screen,
        // but never over the clock window, which stays off the top while a dialog is open.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        app.clockWindow()->move(screen.center() - app.clockWindow()->rect().center());
        QCursor::setPos(-10000, -10000);
        QCOMPARE(QCursor::pos(), QPoint(-10000, -10000));
        app.showDialog(Application::Dialog::Options);
        app.showDialog(Application::Dialog::Options); // brought to the front, not made again
        QCOMPARE(created, 1);
        QPointer<QWidget> dialog = app.dialog(Application::Dialog::Options);
        QVERIFY(!dialog->frameGeometry().intersects(app.clockWindow()->frameGeometry()));
        QVERIFY(app.isDialogOpen());
        app.clockWindow()->tick();
        QVERIFY(!app.clockWindow()->wantsOnTop());
        dialog->close();
        QVERIFY(!app.isDialogOpen());
        app.clockWindow()->tick();
        QVERIFY(app.clockWindow()->wantsOnTop());
        QTRY_VERIFY(!dialog); // closed dialogs are destroyed

        // Each load follows the tray option, with one icon however often the settings change.
        QVERIFY(app.trayIcon()->isVisible());
        writeSettings(true);
        app.reloadSettings();
        QVERIFY(app.clockWindow() && !app.trayIcon()->isVisible());
        writeSettings(false);
        for (int save = 0; save < 2; ++save)
            app.reloadSettings();
        QVERIFY(app.trayIcon()->isVisible());
        QCOMPARE(app.findChildren<QSystemTrayIcon *>().size(), 1);
    }

    void aboutKeepsItsPlaceAndTheMenuBringsAClosedWindowBack()
    {
        writeSettings(true); // no tray icon: the menu is the only way back
        Application app(AppFolder(m_dir.path()), Clock::system(), m_messages);
        app.loadSettings();
        app.showAbout();
        QDialog *box = app.aboutBox();
        const QPoint moved = box->pos() + QPoint(37, 23);
        box->move(moved);
        app.showAbout(); // chosen again while shown
        box->hide();     // OK
        app.showAbout();
        QCOMPARE(box->pos(), moved);
        box->hide();

        ClockWindow *window = app.clockWindow();
        QCloseEvent close;
        QCoreApplication::sendEvent(window->windowHandle(), &close);
        QVERIFY(window->isHidden());
        app.showMainMenu(QPoint(5, 5));
        QVERIFY(window->isVisible() && !window->isMinimized());
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
        const QByteArray before = writeSettings(false, false, keep);
        Application app(AppFolder(m_dir.path()), Clock::system(), m_messages);
        app.loadSettings();
        const QPoint topCentre = app.clockWindow()->pos();
        app.clockWindow()->move(100, 200);
        Q_EMIT app.clockWindow()->dragFinished(QPoint(100, 200));
        app.reloadSettings(); // as after a Save
        QCOMPARE(app.clockWindow()->pos(), keep ? QPoint(100, 200) : topCentre);
        const QByteArray kept =
            "[Window_Position]\r\nScreens_1=" + ScreenArrangement::current().text().toUtf8() +
            "\r\nPlace_1=100,200\r\n";
        QCOMPARE(TestFiles::readBytes(m_dir.filePath(u"Kerani.ini"_s)),
                 before + (keep ? kept : QByteArray()));
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
