#include "app/application.h"
#include "clockwindow/clockwindow.h"
#include "options/choosers.h"
#include "options/optionsdialog.h"
#include "support/recordingpresenter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// key, value: overrides of the test file; a null value leaves the key out.
using Settings = QList<std::pair<QString, QString>>;

const QColor Key(255, 0, 255);
const QColor Grey(207, 207, 207);
const QColor Green(0, 160, 0);

// The controls a background kind may enable, in the dialog's order.
const QStringList KindControls = {u"pictureSelectButton"_s,        u"solidColourSelectButton"_s,
                                  u"gradientColourSelectButton"_s, u"reverseDirectionBox"_s,
                                  u"topColourSelectButton"_s,      u"bottomColourSelectButton"_s};

// The test settings file, every key in the order the program writes them.
const QStringList SettingsLines = {u"[Settings]"_s,
                                   u"Local=Cairo!+02:00!EGY.bmp"_s,
                                   u"Clocks=01"_s,
                                   u"[Clock_01]"_s,
                                   u"Country/City=London!+00:00!GBR.bmp"_s,
                                   u"[Options]"_s,
                                   u"Hide_SysTray_Icon=0"_s,
                                   u"Always_On_Top=0"_s,
                                   u"Display_Clock=1"_s,
                                   u"Display_Time=1"_s,
                                   u"TimeFormat=0"_s,
                                   u"Display_Date=1"_s,
                                   u"DateFormat=0"_s,
                                   u"Display_OpsDate=0"_s,
                                   u"OpsDateFormat=0"_s,
                                   u"OpsDateDiff=2"_s,
                                   u"Follow_DST=0"_s,
                                   u"Keep_Position=0"_s,
                                   u"[Clocks_Style]"_s,
                                   u"Clock_Picture=0"_s,
                                   u"BGPicture="_s,
                                   u"Solid=255"_s,
                                   u"OneColor=16448250"_s /* (250, 250, 250) */,
                                   u"OneColorDir=0"_s,
                                   u"TwoColors1=255"_s,
                                   u"TwoColors2=16711680"_s,
                                   u"BackGround=non"_s};

QString settingsText(const Settings &overrides = {})
{
    QString text;
    for (const QString &line : SettingsLines) {
        const QString key = line.section(u'=', 0, 0);
        const auto found = std::find_if(overrides.cbegin(), overrides.cend(),
                                        [&](const auto &entry) { return entry.first == key; });
        if (found == overrides.cend())
            text += line + u"\r\n"_s;
        else if (!found->second.isNull())
            text += key + u'=' + found->second + u"\r\n"_s;
    }
    return text;
}

bool writeText(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A picture filled with one colour, with a round face of another over it if one is given.
bool saveImage(const QString &path, QSize size, const QColor &fill, const QColor &face = {})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    if (face.isValid()) {
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(face);
        painter.drawEllipse(QRect(1, 1, 75, 75));
    }
    return image.save(path);
}

} // namespace

class TestOptionsDialog final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPresenter> m_messages;
    std::unique_ptr<Application> m_app;
    std::unique_ptr<OptionsDialog> m_dialog;
    SettingsState m_settings; // settings a test changes in memory before it opens the dialog
    QDateTime m_now;          // what the computer's clock reads
    // What the choosers answer, oldest first (an invalid colour cancels), and what they were
    // asked.
    QList<QColor> m_colourAnswers;
    QList<QColor> m_colourRequests;
    QList<QString> m_pictureAnswers;
    QList<Choosers::PictureRequest> m_pictureRequests;

    AppFolder folder() const { return AppFolder(m_dir->path()); }

    void startApp(const Settings &settings = {})
    {
        QVERIFY(writeText(folder().settingsFile(), settingsText(settings)));
        m_app =
            std::make_unique<Application>(folder(), Clock([this] { return m_now; }), *m_messages);
        m_app->loadSettings();
    }

    // Opens the dialog on the settings in force, or on `settings` (which must outlive it).
    void openDialog(const SettingsState *settings = nullptr)
    {
        m_dialog =
            std::make_unique<OptionsDialog>(folder(), settings ? *settings : m_app->settings(),
                                            m_app->clock(), m_app->zoneTable(), *m_messages);
        // As the main menu's dialog is: a Save makes the application reload.
        connect(m_dialog.get(), &OptionsDialog::saveFinished, m_app.get(),
                &Application::reloadSettings);
        Choosers choosers;
        choosers.colour = [this](QWidget *, QColor initial) -> std::optional<QColor> {
            m_colourRequests.append(initial);
            const QColor answer =
                m_colourAnswers.isEmpty() ? QColor() : m_colourAnswers.takeFirst();
            return answer.isValid() ? std::optional<QColor>(answer) : std::nullopt;
        };
        choosers.picture = [this](QWidget *, const Choosers::PictureRequest &request) {
            m_pictureRequests.append(request);
            return m_pictureAnswers.isEmpty() ? QString() : m_pictureAnswers.takeFirst();
        };
        m_dialog->setChoosers(std::move(choosers));
        m_dialog->show();
    }

    void open(const Settings &settings = {})
    {
        startApp(settings);
        openDialog();
    }

    template<typename T = QWidget> T *find(const QString &name) const
    {
        T *widget = m_dialog->findChild<T *>(name);
        if (!widget)
            qWarning("no control %s", qPrintable(name));
        return widget;
    }

    void click(const QString &name) const { find<QAbstractButton>(name)->click(); }

    // Presses Save and returns what the settings file then holds.
    QString save() const
    {
        click(u"saveButton"_s);
        return readText(folder().settingsFile());
    }

    // Whether a list has an entry chosen or a box or button is checked.
    bool shows(const QString &name) const
    {
        if (const auto *list = qobject_cast<QComboBox *>(find(name)))
            return list->currentIndex() >= 0;
        return find<QAbstractButton>(name)->isChecked();
    }

    QStringList enabledKindControls() const
    {
        QStringList enabled;
        for (const QString &name : KindControls) {
            if (find(name)->isEnabled())
                enabled.append(name);
        }
        return enabled;
    }

    // A list's entries in order, the chosen one in brackets.
    QString entries(const QString &name) const
    {
        const QComboBox *list = find<QComboBox>(name);
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) {
            const QString text = list->itemText(i);
            texts.append(i == list->currentIndex() ? u'[' + text + u']' : text);
        }
        return texts.join(u'|');
    }

    // The preview as the user sees it: background, picture and face together.
    QImage preview() const { return find(u"previewStrip"_s)->grab().toImage(); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_messages = std::make_unique<RecordingPresenter>();
        m_now = QDateTime(QDate(2024, 7, 7), QTime(12, 0), Qt::OffsetFromUTC, 2 * 3600);
        m_colourAnswers.clear();
        m_colourRequests.clear();
        m_pictureAnswers.clear();
        m_pictureRequests.clear();
        QDir root(m_dir->path());
        for (const QString &sub : {u"clocks"_s, u"flags"_s, u"backgrounds"_s})
            QVERIFY(root.mkdir(sub));
        QVERIFY(writeText(folder().cityListFile(),
                          u"London!+00:00!GBR.bmp\r\nAthens!+02:00!GRC.bmp\r\n"
                          u"Cairo!+02:00!EGY.bmp\r\n\r\nLima!-05:00!PER.bmp\r\n"_s));
        const QString flags = folder().flagsFolder();
        QVERIFY(saveImage(flags + u"/EGY.bmp"_s, QSize(16, 11), Qt::red));
        QVERIFY(saveImage(flags + u"/GBR.bmp"_s, QSize(16, 11), Qt::blue));
        const QString clocks = folder().clocksFolder();
        QVERIFY(saveImage(clocks + u"/clk01.bmp"_s, QSize(78, 78), Key, Qt::white));
        QVERIFY(saveImage(clocks + u"/clk03.bmp"_s, QSize(78, 78), Key, Qt::black));
        QVERIFY(writeText(clocks + u"/clk04.bmp"_s, u"not a picture"_s));
        QVERIFY(saveImage(folder().backgroundsFolder() + u"/green.bmp"_s, QSize(20, 10), Green));
    }
    void cleanup()
    {
        m_dialog.reset();
        m_app.reset();
    }

    void showsTheSettings()
    {
        open({{u"Hide_SysTray_Icon"_s, u"1"_s},
              {u"Always_On_Top"_s, u"1"_s},
              {u"Display_Time"_s, u"0"_s},
              {u"TimeFormat"_s, u"1"_s},
              {u"DateFormat"_s, u"2"_s},
              {u"Display_OpsDate"_s, u"1"_s},
              {u"OpsDateFormat"_s, u"3"_s},
              {u"OpsDateDiff"_s, u"4"_s},
              {u"Follow_DST"_s, u"1"_s},
              {u"Keep_Position"_s, u"1"_s},
              {u"Clock_Picture"_s, u"2"_s},
              {u"Solid"_s, u"16711680"_s},
              {u"OneColorDir"_s, u"1"_s},
              {u"TwoColors1"_s, u"65280"_s},
              {u"TwoColors2"_s, u"0"_s},
              {u"BackGround"_s, u"grt1"_s}});
        QVERIFY(m_messages->messages.isEmpty());

        QStringList ticked;
        for (const QCheckBox *box : m_dialog->findChildren<QCheckBox *>()) {
            if (box->isChecked())
                ticked.append(box->objectName());
        }
        QCOMPARE(ticked,
                 (QStringList{u"hideSysTrayIconBox"_s, u"alwaysOnTopBox"_s, u"displayClockBox"_s,
                              u"displayDateBox"_s, u"displayOppositeDateBox"_s, u"followDstBox"_s,
                              u"keepPositionBox"_s, u"reverseDirectionBox"_s}));
        // The entries' order is what a stored position means.
        QStringList lists;
        for (const QString &name :
             {u"localCityCombo"_s, u"timeFormatCombo"_s, u"dateFormatCombo"_s,
              u"oppositeDateFormatCombo"_s, u"oppositeDateShiftCombo"_s, u"faceStyleCombo"_s})
            lists.append(entries(name));
        QCOMPARE(lists, (QStringList{u"Athens|[Cairo]|Lima|London"_s,
                                     u"AM/PM|[24Hour]|Long AM/PM|Long 24Hour"_s,
                                     u"dd/MM/yyyy|MM/dd/yyyy|[yyyy/MM/dd]|Long Date"_s,
                                     u"dd/MM/yyyy|MM/dd/yyyy|yyyy/MM/dd|[Long Date]"_s,
                                     u"-2|-1|0|+1|[+2]"_s,
                                     u"Style_01|Style_02|[Style_03]|Style_04|Style_05"_s}));
        QCOMPARE(find<QComboBox>(u"localCityCombo"_s)->currentData().toString(),
                 u"Cairo!+02:00!EGY.bmp"_s);
        QList<QColor> swatches;
        for (const QString &name : {u"solidColourSwatch"_s, u"gradientColourSwatch"_s,
                                    u"topColourSwatch"_s, u"bottomColourSwatch"_s})
            swatches.append(find<ColourSwatch>(name)->colour());
        QCOMPARE(swatches, (QList<QColor>{QColor(0, 0, 255), QColor(250, 250, 250),
                                          QColor(0, 255, 0), QColor(0, 0, 0)}));
        QVERIFY(shows(u"oneColourGradientButton"_s));
        // The swatch paints its colour.
        QCOMPARE(find(u"solidColourSwatch"_s)->grab().toImage().pixelColor(8, 8),
                 QColor(0, 0, 255));
        // A city's flag is its icon; a city whose flag is missing still has its entry.
        const QComboBox *cities = find<QComboBox>(u"localCityCombo"_s);
        QVERIFY(!cities->itemIcon(1).isNull());
        QVERIFY(cities->itemIcon(0).isNull());
    }

    // Values the dialog cannot show are shown as nothing chosen, and a Save that does not touch
    // them writes them back as the file held them.
    void handEditedFile_data()
    {
        QTest::addColumn<Settings>("stored");
        QTest::addColumn<bool>("cityList");
        QTest::addColumn<QStringList>("blank"); // controls that show nothing chosen
        QTest::addColumn<Settings>("written");

        const Settings positions = {
            {u"TimeFormat"_s, u"9"_s}, {u"OpsDateDiff"_s, u"-1"_s}, {u"Clock_Picture"_s, u"5"_s}};
        QTest::newRow("older file without Follow_DST, Keep_Position: clear, then written")
            << Settings{{u"Follow_DST"_s, QString()}, {u"Keep_Position"_s, QString()}} << true
            << QStringList{u"followDstBox"_s, u"keepPositionBox"_s} << Settings{};
        QTest::newRow("unknown BackGround code: no kind, kept")
            << Settings{{u"BackGround"_s, u"grt9"_s}} << true
            << QStringList{u"noBackgroundButton"_s, u"pictureBackgroundButton"_s,
                           u"solidBackgroundButton"_s, u"oneColourGradientButton"_s,
                           u"twoColourGradientButton"_s}
            << Settings{{u"BackGround"_s, u"grt9"_s}};
        QTest::newRow("positions beyond the lists: kept")
            << positions << true
            << QStringList{u"timeFormatCombo"_s, u"oppositeDateShiftCombo"_s, u"faceStyleCombo"_s}
            << positions;
        QTest::newRow("fresh settings: first city of the computer's offset")
            << Settings{{u"Local"_s, u"00"_s}} << true << QStringList{}
            << Settings{{u"Local"_s, u"Athens!+02:00!GRC.bmp"_s}};
        QTest::newRow("local city no longer listed: kept")
            << Settings{{u"Local"_s, u"Paris!+01:00!FRA.bmp"_s}} << true
            << QStringList{u"localCityCombo"_s}
            << Settings{{u"Local"_s, u"Paris!+01:00!FRA.bmp"_s}};
        QTest::newRow("no city list: local city kept")
            << Settings{} << false << QStringList{u"localCityCombo"_s} << Settings{};
    }
    void handEditedFile()
    {
        QFETCH(Settings, stored);
        QFETCH(bool, cityList);
        QFETCH(QStringList, blank);
        QFETCH(Settings, written);
        if (!cityList)
            QVERIFY(QFile::remove(folder().cityListFile()));
        open(stored);
        for (const QString &name : std::as_const(blank))
            QVERIFY2(!shows(name), qPrintable(name));
        QCOMPARE(save(), settingsText(written));
        // Nothing to complain about: no style warning on opening, and the save went through.
        QCOMPARE(m_messages->texts(), QStringList{u"Options are saved !"_s});
    }

    void proposesTheCityOfTheComputersZone()
    {
        // In January Athens is the first city of Cairo's offset; the computer's zone, through the
        // application's zone table, tells them apart.
        QVERIFY(writeText(folder().zoneTableFile(), u"Athens!+02:00!GRC.bmp\tEurope/Athens\r\n"
                                                    u"Cairo!+02:00!EGY.bmp\tAfrica/Cairo\r\n"_s));
        m_now = QDateTime(QDate(2024, 1, 15), QTime(12, 0), QTimeZone("Africa/Cairo"));
        open({{u"Local"_s, u"00"_s}});
        QCOMPARE(find<QComboBox>(u"localCityCombo"_s)->currentData().toString(),
                 u"Cairo!+02:00!EGY.bmp"_s);
    }

    void missingSettingsFileKeepsTheInitialState()
    {
        startApp();
        QVERIFY(QFile::remove(folder().settingsFile()));
        openDialog();
        for (const QComboBox *list : m_dialog->findChildren<QComboBox *>())
            QCOMPARE(list->currentIndex(), -1);
        for (const QAbstractButton *button : m_dialog->findChildren<QAbstractButton *>())
            QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
        for (const ColourSwatch *swatch : m_dialog->findChildren<ColourSwatch *>())
            QCOMPARE(swatch->colour(), QColor(Qt::white));
        QCOMPARE(find<QComboBox>(u"localCityCombo"_s)->count(), 4);

        // Save writes nothing and says nothing, but the clock window is still built anew.
        QSignalSpy loaded(m_app.get(), &Application::settingsLoaded);
        click(u"saveButton"_s);
        QVERIFY(!QFile::exists(folder().settingsFile()));
        QVERIFY(m_messages->messages.isEmpty());
        QCOMPARE(loaded.size(), 1);
        QVERIFY(m_app->clockWindow());
        QVERIFY(m_dialog->isVisible());
    }

    void saveWritesTheControls()
    {
        open();
        QPointer<ClockWindow> oldWindow = m_app->clockWindow();
        QVERIFY(oldWindow);
        m_colourAnswers = {QColor(0, 0, 255), QColor(255, 0, 0)};

        // The local city is found by typing part of its name, and Enter takes it.
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        find(u"localCityCombo"_s)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(find(u"localCityCombo"_s), u"IM"_s);
        QTest::keyClick(find(u"localCityCombo"_s), Qt::Key_Return);
        find<QComboBox>(u"timeFormatCombo"_s)->setCurrentText(u"Long 24Hour"_s);
        find<QComboBox>(u"dateFormatCombo"_s)->setCurrentText(u"MM/dd/yyyy"_s);
        find<QComboBox>(u"oppositeDateShiftCombo"_s)->setCurrentText(u"+1"_s);
        find<QComboBox>(u"faceStyleCombo"_s)->setCurrentText(u"Style_03"_s);
        for (const QString &name : {u"hideSysTrayIconBox"_s, u"displayDateBox"_s, u"followDstBox"_s,
                                    u"solidBackgroundButton"_s, u"solidColourSelectButton"_s,
                                    u"oneColourGradientButton"_s, u"gradientColourSelectButton"_s,
                                    u"reverseDirectionBox"_s})
            click(name);

        QSignalSpy loaded(m_app.get(), &Application::settingsLoaded);
        const QString expected = settingsText({{u"Local"_s, u"Lima!-05:00!PER.bmp"_s},
                                               {u"Hide_SysTray_Icon"_s, u"1"_s},
                                               {u"TimeFormat"_s, u"3"_s},
                                               {u"Display_Date"_s, u"0"_s},
                                               {u"DateFormat"_s, u"1"_s},
                                               {u"OpsDateDiff"_s, u"3"_s},
                                               {u"Follow_DST"_s, u"1"_s},
                                               {u"Clock_Picture"_s, u"2"_s},
                                               {u"Solid"_s, u"16711680"_s},
                                               {u"OneColor"_s, u"255"_s},
                                               {u"OneColorDir"_s, u"1"_s},
                                               {u"BackGround"_s, u"grt1"_s}});
        QCOMPARE(save(), expected);
        QCOMPARE(m_messages->texts(), QStringList{u"Options are saved !"_s});
        QCOMPARE(m_messages->messages[0].icon, QMessageBox::Information);
        QVERIFY(!oldWindow);
        QCOMPARE(loaded.size(), 1);
        QVERIFY(m_app->clockWindow());
        QCOMPARE(m_app->settings().localCity, u"Lima!-05:00!PER.bmp"_s);
        QVERIFY(m_app->settings().displayOptions.followDst);
        QVERIFY(m_dialog->isVisible());

        // A dialog opened now shows what was saved, and saving it again writes the same file.
        const OptionsForm saved = m_dialog->form();
        openDialog();
        QCOMPARE(m_dialog->form(), saved);
        QCOMPARE(save(), expected);
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(m_messages->texts().size(), 2);
    }

    // What each stored kind enables and how the preview shows it.
    void previewPixels_data()
    {
        QTest::addColumn<QString>("backgroundCode");
        QTest::addColumn<QString>("backgroundPicture"); // in the backgrounds folder
        QTest::addColumn<bool>("reverseDir");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QColor>("top");
        QTest::addColumn<QColor>("bottom");
        QTest::addColumn<bool>("pictureShown");

        const QColor red(255, 0, 0);
        const QStringList oneColor = {u"gradientColourSelectButton"_s, u"reverseDirectionBox"_s};
        const QStringList picture = {u"pictureSelectButton"_s};
        QTest::newRow("none: grey")
            << u"non"_s << QString() << false << QStringList{} << Grey << Grey << false;
        QTest::newRow("solid") << u"sld"_s << QString() << false
                               << QStringList{u"solidColourSelectButton"_s} << red << red << false;
        QTest::newRow("one colour, top down")
            << u"grt1"_s << QString() << false << oneColor << QColor(247, 247, 247)
            << QColor(16, 16, 16) << false;
        QTest::newRow("one colour, reverse dir: bottom up")
            << u"grt1"_s << QString() << true << oneColor << QColor(0, 0, 0)
            << QColor(244, 244, 244) << false;
        QTest::newRow("two colours")
            << u"grt2"_s << QString() << false
            << QStringList{u"topColourSelectButton"_s, u"bottomColourSelectButton"_s} << red
            << QColor(0, 0, 255) << false;
        QTest::newRow("picture, stretched")
            << u"pic"_s << u"green.bmp"_s << false << picture << Green << Green << true;
        QTest::newRow("picture file missing: grey")
            << u"pic"_s << u"gone.bmp"_s << false << picture << Grey << Grey << false;
        QTest::newRow("unknown code: nothing enabled, grey")
            << u"grt9"_s << QString() << false << QStringList{} << Grey << Grey << false;
    }
    void previewPixels()
    {
        QFETCH(QString, backgroundCode);
        QFETCH(QString, backgroundPicture);
        QFETCH(bool, reverseDir);
        startApp({{u"OneColorDir"_s, reverseDir ? u"1"_s : u"0"_s}});
        // Set in memory: loading the file turns a picture that does not load into "non".
        m_settings = m_app->settings();
        DisplayOptions &options = m_settings.displayOptions;
        options.background = backgroundKindOf(backgroundCode);
        if (!backgroundPicture.isEmpty())
            options.backgroundPicture = folder().backgroundsFolder() + u'/' + backgroundPicture;
        openDialog(&m_settings);

        QTEST(enabledKindControls(), "enabled");
        const QImage image = preview();
        QCOMPARE(image.size(), QSize(78, 78));
        QTEST(image.pixelColor(0, 0), "top");
        QTEST(image.pixelColor(77, 0), "top");
        QTEST(image.pixelColor(0, 77), "bottom");
        // The face lies over the background, cut to its outline.
        QCOMPARE(image.pixelColor(39, 39), QColor(Qt::white));
        QTEST(find(u"previewPicture"_s)->isVisible(), "pictureShown");
    }

    void previewFollowsTheControls()
    {
        open({{u"BackGround"_s, u"grt1"_s}});
        QCOMPARE(preview().pixelColor(0, 0), QColor(247, 247, 247));
        click(u"reverseDirectionBox"_s);
        QCOMPARE(preview().pixelColor(0, 0), QColor(0, 0, 0));
        click(u"twoColourGradientButton"_s);
        QCOMPARE(enabledKindControls(),
                 (QStringList{u"topColourSelectButton"_s, u"bottomColourSelectButton"_s}));
        QCOMPARE(preview().pixelColor(0, 0), QColor(255, 0, 0));
        click(u"noBackgroundButton"_s);
        QVERIFY(enabledKindControls().isEmpty());
        QCOMPARE(preview().pixelColor(0, 0), Grey);

        // A face that cannot be read is reported, and the preview keeps the face it has.
        QCOMPARE(preview().pixelColor(39, 39), QColor(Qt::white));
        QComboBox *styles = find<QComboBox>(u"faceStyleCombo"_s);
        styles->setCurrentText(u"Style_02"_s); // clk02.bmp is missing
        QCOMPARE(m_messages->texts(), QStringList{u"Style not found!"_s});
        QCOMPARE(m_messages->messages[0].icon, QMessageBox::Warning);
        QCOMPARE(preview().pixelColor(39, 39), QColor(Qt::white));
        styles->setCurrentText(u"Style_03"_s);
        QCOMPARE(m_messages->messages.size(), 1);
        QCOMPARE(preview().pixelColor(39, 39), QColor(Qt::black));
        QCOMPARE(preview().pixelColor(0, 0), Grey);
        styles->setCurrentText(u"Style_04"_s); // not a picture
        QCOMPARE(m_messages->texts().size(), 2);
        QCOMPARE(preview().pixelColor(39, 39), QColor(Qt::black));
    }

    void colourChoosers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("select");
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QColor>("answer"); // invalid: the user cancels
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("pixelAfter");

        const QColor blue(0, 0, 255);
        QTest::newRow("solid") << u"solidBackgroundButton"_s << u"solidColourSelectButton"_s
                               << u"solidColourSwatch"_s << blue << 0 << blue;
        QTest::newRow("solid, cancelled")
            << u"solidBackgroundButton"_s << u"solidColourSelectButton"_s << u"solidColourSwatch"_s
            << QColor() << 0 << QColor(255, 0, 0);
        QTest::newRow("top colour") << u"twoColourGradientButton"_s << u"topColourSelectButton"_s
                                    << u"topColourSwatch"_s << Green << 0 << Green;
        QTest::newRow("bottom colour")
            << u"twoColourGradientButton"_s << u"bottomColourSelectButton"_s
            << u"bottomColourSwatch"_s << Green << 77 << Green;
    }
    void colourChoosers()
    {
        QFETCH(QString, kind);
        QFETCH(QString, select);
        QFETCH(QString, swatch);
        QFETCH(QColor, answer);
        QFETCH(int, row);
        open();
        click(kind);
        const QColor before = find<ColourSwatch>(swatch)->colour();
        m_colourAnswers = {answer};

        click(select);
        QCOMPARE(m_colourRequests, QList<QColor>{before}); // starts from the swatch's colour
        QCOMPARE(find<ColourSwatch>(swatch)->colour(), answer.isValid() ? answer : before);
        QTEST(preview().pixelColor(0, row), "pixelAfter");
    }

    void pictureChooser()
    {
        startApp();
        const QString backgrounds = folder().backgroundsFolder();
        m_settings = m_app->settings();
        m_settings.displayOptions.backgroundPicture = backgrounds + u"/gone.bmp"_s;
        m_settings.displayOptions.background = BackgroundKind::Picture;
        openDialog(&m_settings);
        QVERIFY(!find(u"previewPicture"_s)->isVisible());
        const QString green = backgrounds + u"/green.bmp"_s;
        const QString notAPicture = backgrounds + u"/text.bmp"_s;
        QVERIFY(writeText(notAPicture, u"text"_s));

        // A stored picture that is gone does not stop a new one from being taken.
        m_pictureAnswers = {green};
        click(u"pictureSelectButton"_s);
        QCOMPARE(m_pictureRequests.size(), 1);
        QCOMPARE(m_pictureRequests[0].title, u"Select File"_s);
        QCOMPARE(m_pictureRequests[0].folder, backgrounds);
        QCOMPARE(m_pictureRequests[0].filter, u"Bitmap Files (*.bmp)"_s);
        QCOMPARE(m_dialog->form().backgroundPicture, green);
        QVERIFY(find(u"previewPicture"_s)->isVisible());
        QCOMPARE(preview().pixelColor(0, 0), Green);

        // Cancelled, missing and unreadable choices change nothing.
        m_pictureAnswers = {QString(), backgrounds + u"/gone.bmp"_s, notAPicture};
        for (int i = 0; i < 3; ++i)
            click(u"pictureSelectButton"_s);
        QCOMPARE(m_pictureRequests.size(), 4);
        QCOMPARE(m_dialog->form().backgroundPicture, green);
        QCOMPARE(preview().pixelColor(0, 0), Green);

        // The chosen path is what Save writes.
        QVERIFY(save().contains(u"\r\nBGPicture="_s + green + u"\r\n"_s));
    }

    void failedSaveIsReported()
    {
        open();
        find<QComboBox>(u"timeFormatCombo"_s)->setCurrentIndex(3);
        // Something that is not a file stands where the settings file was: it cannot be read,
        // so it must not be replaced.
        QVERIFY(QFile::remove(folder().settingsFile()));
        QVERIFY(QDir(m_dir->path()).mkdir(u"Kerani.ini"_s));
        QSignalSpy loaded(m_app.get(), &Application::settingsLoaded);

        click(u"saveButton"_s);
        QCOMPARE(m_messages->messages.size(), 1);
        QCOMPARE(m_messages->messages[0].icon, QMessageBox::Critical);
        QVERIFY2(m_messages->messages[0].text.startsWith(u"The options could not be saved: "_s),
                 qPrintable(m_messages->messages[0].text));
        QVERIFY(QFileInfo(folder().settingsFile()).isDir());
        QCOMPARE(loaded.size(), 1);
        QVERIFY(m_dialog->isVisible());
    }

    void keyboard()
    {
        open();
        // Tab goes through the controls in reading order.
        QStringList chain;
        QWidget *first = find(u"hideSysTrayIconBox"_s);
        QWidget *next = first;
        do {
            if ((next->focusPolicy() & Qt::TabFocus) && !next->objectName().isEmpty())
                chain.append(next->objectName());
            next = next->nextInFocusChain();
        } while (next != first && chain.size() < 40);
        QCOMPARE(chain, (QStringList{u"hideSysTrayIconBox"_s,
                                     u"alwaysOnTopBox"_s,
                                     u"displayClockBox"_s,
                                     u"displayTimeBox"_s,
                                     u"timeFormatCombo"_s,
                                     u"displayDateBox"_s,
                                     u"dateFormatCombo"_s,
                                     u"displayOppositeDateBox"_s,
                                     u"oppositeDateFormatCombo"_s,
                                     u"oppositeDateShiftCombo"_s,
                                     u"followDstBox"_s,
                                     u"keepPositionBox"_s,
                                     u"localCityCombo"_s,
                                     u"faceStyleCombo"_s,
                                     u"noBackgroundButton"_s,
                                     u"pictureBackgroundButton"_s,
                                     u"pictureSelectButton"_s,
                                     u"solidBackgroundButton"_s,
                                     u"solidColourSelectButton"_s,
                                     u"oneColourGradientButton"_s,
                                     u"gradientColourSelectButton"_s,
                                     u"reverseDirectionBox"_s,
                                     u"twoColourGradientButton"_s,
                                     u"topColourSelectButton"_s,
                                     u"bottomColourSelectButton"_s,
                                     u"saveButton"_s,
                                     u"closeButton"_s}));
        // Each list is reached by its caption; the alike "Select" buttons, the two "Date Format"
        // lists and the uncaptioned city list have names of their own.
        QStringList buddies;
        for (const QLabel *label : m_dialog->findChildren<QLabel *>()) {
            if (label->buddy())
                buddies.append(label->buddy()->objectName());
        }
        QCOMPARE(buddies, (QStringList{u"timeFormatCombo"_s, u"dateFormatCombo"_s,
                                       u"oppositeDateFormatCombo"_s, u"oppositeDateShiftCombo"_s,
                                       u"faceStyleCombo"_s}));
        for (const QString &name : {u"solidColourSelectButton"_s, u"pictureSelectButton"_s,
                                    u"localCityCombo"_s, u"oppositeDateFormatCombo"_s})
            QVERIFY(!find(name)->accessibleName().isEmpty());

        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
        m_dialog->show();
        click(u"closeButton"_s);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(readText(folder().settingsFile()), settingsText()); // closing writes nothing
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
