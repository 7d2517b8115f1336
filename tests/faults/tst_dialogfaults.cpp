// Faults a user meets through the windows: a disk that turns read-only or full under the three
// dialogs' Save (the user is told, the files stay as they were, the clock window comes back from
// the unchanged file), a clock window of a thousand clocks, and a computer clock that jumps an
// hour forward or back while the window runs.

#include "app/application.h"
#include "clockwindow/celllabel.h"
#include "clockwindow/clockwindow.h"
#include "faultdisk.h"
#include "support/recordingpresenter.h"
#include "zonetime/hijridate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace FaultFiles;

namespace {

// Before QTest's main: a mount namespace can only be entered while the process has one thread.
[[maybe_unused]] const bool kMountsAvailable = FaultDisk::mountsAvailable();

QStringList labelTexts(const QWidget *window, const QString &name)
{
    QStringList texts;
    if (window) {
        for (const CellLabel *label : window->findChildren<CellLabel *>(name))
            texts.append(label->text());
    }
    return texts;
}

using Dialog = Application::Dialog;

template<typename T> T *child(QWidget *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

bool writeFlags(const AppFolder &folder)
{
    QImage flag(16, 11, QImage::Format_RGB32);
    flag.fill(Qt::green);
    return QDir(folder.path()).mkdir(u"flags"_s) &&
           flag.save(folder.flagsFolder() + u"/EGY.bmp"_s, "BMP") &&
           flag.save(folder.flagsFolder() + u"/UKR.bmp"_s, "BMP");
}

/// The dialog as the main menu opens it, with one change made by the user, not yet saved.
QWidget *changedDialog(Dialog dialog, Application &app)
{
    registerDialogs(app);
    app.showDialog(dialog);
    QWidget *window = app.dialog(dialog);
    switch (dialog) {
    case Dialog::Options:
        child<QCheckBox>(window, u"alwaysOnTopBox"_s)->toggle();
        break;
    case Dialog::ClockList: {
        auto *cities = child<QComboBox>(window, u"cityCombo"_s);
        cities->setCurrentIndex(cities->findText(u"Oslo [+01:00]"_s));
        QTest::mouseClick(child<QPushButton>(window, u"addButton"_s), Qt::LeftButton);
        break;
    }
    case Dialog::CityEditor:
        QTest::keyClicks(child<QLineEdit>(window, u"nameEdit"_s), u"Kyiv"_s);
        QTest::keyClicks(child<QLineEdit>(window, u"zoneEdit"_s), u"+02:00"_s);
        QTest::keyClicks(child<QComboBox>(window, u"flagCombo"_s), u"UKR"_s);
        if (child<QLabel>(window, u"flagCodeLabel"_s)->text() != u"UKR")
            qFatal("the flag UKR was not chosen");
        break;
    }
    return window;
}

} // namespace

class TestDialogFaults final : public QObject {
    Q_OBJECT

    QDateTime m_now;
    QTemporaryDir m_dir;

    // Times with seconds and no background, the computer's clock at London's offset.
    static SettingsState windowSettings(const QStringList &clocks)
    {
        SettingsState settings;
        settings.localCity = London;
        settings.clockList = clocks;
        settings.clockCount = qint16(clocks.size());
        settings.displayOptions.displayTime = true;
        settings.displayOptions.timeFormat = TimeFormat::Hours24Seconds;
        settings.displayOptions.background = BackgroundKind::None;
        return settings;
    }

    std::unique_ptr<ClockWindow> makeWindow(const SettingsState &settings)
    {
        return std::make_unique<ClockWindow>(settings, AppFolder(m_dir.path()),
                                             Clock([this] { return m_now; }), ZoneTable(),
                                             [] { return false; });
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(TestFiles::writeBytes(AppFolder(m_dir.path()).settingsFile(), "[Settings]\r\n"));
    }

    void userIsToldWhenTheDiskFails_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<Dialog>("dialog");
        QTest::addColumn<QString>("message");

        const QList<std::tuple<const char *, Dialog, QString>> dialogs = {
            {"options", Dialog::Options, u"The options could not be saved: "_s},
            {"clock list", Dialog::ClockList, u"The clock list could not be saved: "_s},
            {"city editor", Dialog::CityEditor, u"The city list could not be saved."_s}};
        for (const auto &[name, dialog, message] : dialogs) {
            QTest::addRow("read-only disk, %s", name) << Fault::ReadOnlyDisk << dialog << message;
            QTest::addRow("full disk, %s", name) << Fault::FullDisk << dialog << message;
        }
    }
    void userIsToldWhenTheDiskFails()
    {
        QFETCH(Fault, fault);
        QFETCH(Dialog, dialog);
        QFETCH(QString, message);
        Scene scene(fault);
        if (const std::optional<QString> reason = scene.unavailable())
            QSKIP(qPrintable(*reason));
        QVERIFY(writeFlags(scene.folder()) && writeDataFiles(scene.folder()));
        RecordingPresenter messages;
        Application app(scene.folder(),
                        Clock([] { return QDateTime(QDate(2024, 7, 7), QTime(12, 0), Qt::UTC); }),
                        messages);
        app.loadSettings();
        const QStringList columns = labelTexts(app.clockWindow(), u"cityLabel"_s);
        QCOMPARE(columns, (QStringList{u"Cairo"_s, u"Lima"_s}));

        // The user changes something in the dialog; then the disk fails; then the user saves.
        const QPointer<QWidget> window = changedDialog(dialog, app);
        if (const std::optional<QString> problem = scene.applyFault())
            QFAIL(qPrintable(*problem));
        const auto before = FaultDisk::snapshot(scene.root());
        QTest::mouseClick(child<QPushButton>(window, u"saveButton"_s), Qt::LeftButton);

        // One error, and nothing else that claims a save.
        QStringList critical;
        for (const RecordingPresenter::Message &shown : messages.messages) {
            if (shown.icon == QMessageBox::Critical)
                critical.append(shown.text);
            else
                QVERIFY2(!shown.text.contains(u"saved"_s, Qt::CaseInsensitive),
                         qPrintable(shown.text));
        }
        QCOMPARE(critical.size(), 1);
        QVERIFY2(critical[0].startsWith(message), qPrintable(critical[0]));
        QCOMPARE(FaultDisk::snapshot(scene.root()), before);
        // The clock window is back, built from the file as it still is.
        QCOMPARE(labelTexts(app.clockWindow(), u"cityLabel"_s), columns);
    }

    void thousandClocks()
    {
        QStringList clocks;
        for (int i = 0; i < 1000; ++i)
            clocks.append(u"City %1!%2!EGY.bmp"_s.arg(i).arg(i % 2 ? u"+05:30"_s : u"-03:00"_s));
        SettingsState settings = windowSettings(clocks);
        settings.displayOptions.displayClock = settings.displayOptions.displayDate = true;
        settings.displayOptions.dateFormat = DateFormat::YearMonthDay;
        m_now = QDateTime(QDate(2024, 7, 7), QTime(1, 0, 0), Qt::UTC);

        // No wider than a window can be: the columns beyond are not built.
        const auto window = makeWindow(settings);
        const int shown = ClockGeometry::MaxColumns;
        QCOMPARE(window->findChildren<CellLabel *>(u"cityLabel"_s).size(), shown);
        m_now = m_now.addSecs(1);
        window->tick();
        QVERIFY(window->isTicking());
        const QStringList times = labelTexts(window.get(), u"timeLabel"_s);
        const QStringList dates = labelTexts(window.get(), u"dateLabel"_s);
        QCOMPARE(times.size(), shown);
        for (int i = 0; i < shown; ++i) {
            QCOMPARE(times[i], i % 2 ? u"06:30:01"_s : u"22:00:01"_s);
            QCOMPARE(dates[i], i % 2 ? u"2024/07/07"_s : u"2024/07/06"_s);
        }
    }

    void computerClockJumps_data()
    {
        QTest::addColumn<qint64>("jump"); // seconds

        QTest::newRow("an hour forward, Cairo passes midnight") << qint64(3600);
        QTest::newRow("an hour back") << qint64(-3600);
        QTest::newRow("a day back") << qint64(-86400);
        QTest::newRow("a minute back into the same hour") << qint64(-60);
        QTest::newRow("a year forward") << qint64(366) * 86400;
    }
    void computerClockJumps()
    {
        QFETCH(qint64, jump);
        SettingsState settings = windowSettings({Cairo, Lima});
        DisplayOptions &options = settings.displayOptions;
        options.displayDate = options.displayOppositeDate = true;
        options.dateFormat = options.oppositeDateFormat = DateFormat::YearMonthDay;
        options.oppositeDateShift = OppositeDateShift::None;

        // The texts of both columns when the computer's clock (at London's offset) reads `now`.
        const auto expected = [](const QDateTime &now) {
            QStringList times;
            QStringList dates;
            QStringList opposite;
            for (const int hours : {2, -5}) {
                const QDateTime zone = now.addSecs(hours * 3600);
                times.append(zone.time().toString(u"HH:mm:ss"_s));
                dates.append(zone.date().toString(u"yyyy/MM/dd"_s));
                const HijriDate hijri = *HijriDate::fromDate(zone.date());
                opposite.append(u"%1/%2/%3"_s.arg(hijri.year, 4, 10, QChar(u'0'))
                                    .arg(hijri.month, 2, 10, QChar(u'0'))
                                    .arg(hijri.day, 2, 10, QChar(u'0')));
            }
            return QList<QStringList>{times, dates, opposite};
        };
        const auto shown = [](const QWidget *window) {
            return QList<QStringList>{labelTexts(window, u"timeLabel"_s),
                                      labelTexts(window, u"dateLabel"_s),
                                      labelTexts(window, u"oppositeDateLabel"_s)};
        };

        m_now = QDateTime(QDate(2024, 7, 6), QTime(21, 30, 10, 250), Qt::UTC);
        const auto window = makeWindow(settings);
        QVERIFY(window->isTicking());
        QCOMPARE(shown(window.get()), expected(m_now));

        // Regular ticks; the computer's clock set between two ticks; the next ticks follow the new
        // reading second by second (a jump back is not waited out); and the clock set back again,
        // the dates made anew for the restored reading.
        for (const qint64 step : std::initializer_list<qint64>{1003, 1003, 1003, jump * 1000, 997,
                                                               997, 997, -jump * 1000}) {
            m_now = m_now.addMSecs(step);
            window->tick();
            QVERIFY(window->isTicking());
            QCOMPARE(shown(window.get()), expected(m_now));
        }
    }

    void timerStaysArmedAfterAJumpBack()
    {
        // The one place a real timer runs: the window's timer is what is checked. After the
        // computer's clock went back a day, the next tick must still come within a second, not
        // when the old reading would have been reached again.
        const SettingsState settings = windowSettings({Cairo});
        m_now = QDateTime(QDate(2024, 7, 6), QTime(21, 30, 10, 900), Qt::UTC);
        const auto window = makeWindow(settings);
        m_now = m_now.addDays(-1);
        window->tick();
        QCOMPARE(labelTexts(window.get(), u"timeLabel"_s), QStringList{u"23:30:10"_s});
        m_now = m_now.addSecs(1);
        QTRY_COMPARE_WITH_TIMEOUT(labelTexts(window.get(), u"timeLabel"_s),
                                  QStringList{u"23:30:11"_s}, 3000);
        QVERIFY(window->isTicking());
    }
};

QTEST_MAIN(TestDialogFaults)
#include "tst_dialogfaults.moc"
