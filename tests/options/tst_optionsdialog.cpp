#include "app/application.h"
#include "clockwindow/clockwindow.h"
#include "options/colourswatch.h"
#include "options/optionsdialog.h"
#include "support/recordingpresenter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// key, value: overrides of the test file; a null value leaves the key out.
using Settings = QList<std::pair<QString, QString>>;

const QColor Key(255, 0, 255);
const QColor Grey(207, 207, 207);
const QColor Green(0, 160, 0);

// The test settings file, every key in the order the program writes them.
QString settingsText(const Settings &overrides = {})
{
    static const QList<std::array<QString, 3>> keys = {
        {u"Settings"_s, u"Local"_s, u"Cairo!+02:00!EGY.bmp"_s},
        {u"Settings"_s, u"Clocks"_s, u"01"_s},
        {u"Clock_01"_s, u"Country/City"_s, u"London!+00:00!GBR.bmp"_s},
        {u"Options"_s, u"Hide_SysTray_Icon"_s, u"0"_s},
        {u"Options"_s, u"Always_On_Top"_s, u"0"_s},
        {u"Options"_s, u"Display_Clock"_s, u"1"_s},
        {u"Options"_s, u"Display_Time"_s, u"1"_s},
        {u"Options"_s, u"TimeFormat"_s, u"0"_s},
        {u"Options"_s, u"Display_Date"_s, u"1"_s},
        {u"Options"_s, u"DateFormat"_s, u"0"_s},
        {u"Options"_s, u"Display_OpsDate"_s, u"0"_s},
        {u"Options"_s, u"OpsDateFormat"_s, u"0"_s},
        {u"Options"_s, u"OpsDateDiff"_s, u"2"_s},
        {u"Options"_s, u"Follow_DST"_s, u"0"_s},
        {u"Clocks_Style"_s, u"Clock_Picture"_s, u"0"_s},
        {u"Clocks_Style"_s, u"BGPicture"_s, QString()},
        {u"Clocks_Style"_s, u"Solid"_s, u"255"_s},
        {u"Clocks_Style"_s, u"OneColor"_s, u"16448250"_s}, // (250, 250, 250)
        {u"Clocks_Style"_s, u"OneColorDir"_s, u"0"_s},
        {u"Clocks_Style"_s, u"TwoColors1"_s, u"255"_s},
        {u"Clocks_Style"_s, u"TwoColors2"_s, u"16711680"_s},
        {u"Clocks_Style"_s, u"BackGround"_s, u"non"_s},
    };
    QString text;
    QString section;
    for (const auto &[keySection, key, value] : keys) {
        if (keySection != section) {
            section = keySection;
            text += u'[' + section + u"]\r\n"_s;
        }
        QString shown = value;
        bool left = false;
        for (const auto &[name, override] : overrides) {
            if (name == key) {
                shown = override;
                left = override.isNull();
            }
        }
        if (!left)
            text += key + u'=' + shown + u"\r\n"_s;
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

bool saveFace(const QString &path, const QColor &colour)
{
    QImage face(78, 78, QImage::Format_RGB32);
    face.fill(Key);
    QPainter painter(&face);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRect(1, 1, 75, 75));
    painter.end();
    return face.save(path);
}

bool saveSolid(const QString &path, const QColor &colour, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path);
}

} // namespace

class TestOptionsDialog final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPresenter> m_messages;
    std::unique_ptr<Application> m_app;
    std::unique_ptr<OptionsDialog> m_dialog;
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
        m_app = std::make_unique<Application>(folder(), Clock([] {
                                                  return QDateTime(QDate(2024, 7, 7), QTime(12, 0),
                                                                   Qt::OffsetFromUTC, 2 * 3600);
                                              }),
                                              *m_messages);
        m_app->loadSettings();
    }

    OptionsDialog &openDialog()
    {
        m_dialog = std::make_unique<OptionsDialog>(*m_app);
        Choosers choosers;
        choosers.colour = [this](QWidget *, QColor initial) -> std::optional<QColor> {
            m_colourRequests.append(initial);
            const QColor answer =
                m_colourAnswers.isEmpty() ? QColor() : m_colourAnswers.takeFirst();
            if (!answer.isValid())
                return std::nullopt;
            return answer;
        };
        choosers.picture = [this](QWidget *, const Choosers::PictureRequest &request) {
            m_pictureRequests.append(request);
            return m_pictureAnswers.isEmpty() ? QString() : m_pictureAnswers.takeFirst();
        };
        m_dialog->setChoosers(std::move(choosers));
        m_dialog->show();
        return *m_dialog;
    }

    template<typename T> T *find(const QString &name) const
    {
        T *widget = m_dialog->findChild<T *>(name);
        if (!widget)
            qWarning("no control %s", qPrintable(name));
        return widget;
    }

    // The preview as the user sees it: background, picture and face together.
    QImage preview() const { return find<QWidget>(u"picClock"_s)->grab().toImage(); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_messages = std::make_unique<RecordingPresenter>();
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
        QVERIFY(saveSolid(folder().flagsFolder() + u"/EGY.bmp"_s, Qt::red, QSize(16, 11)));
        QVERIFY(saveSolid(folder().flagsFolder() + u"/GBR.bmp"_s, Qt::blue, QSize(16, 11)));
        QVERIFY(saveFace(folder().clocksFolder() + u"/clk01.bmp"_s, Qt::white));
        QVERIFY(saveFace(folder().clocksFolder() + u"/clk03.bmp"_s, Qt::black));
        QVERIFY(writeText(folder().clocksFolder() + u"/clk04.bmp"_s, u"not a picture"_s));
        QVERIFY(saveSolid(folder().backgroundsFolder() + u"/green.bmp"_s, Green, QSize(20, 10)));
    }
    void cleanup()
    {
        m_dialog.reset();
        m_app.reset();
    }

    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const QList<std::pair<QString, QString>> captions = {
            {u"chkHideSysTray"_s, u"Hide SysTray Icon"_s},
            {u"chkOnTop"_s, u"Clocks Always On Top"_s},
            {u"chkClockDis"_s, u"Display Clock"_s},
            {u"chkTimeDis"_s, u"Display Time"_s},
            {u"chkDateDis"_s, u"Display Date"_s},
            {u"chkOpsDateDis"_s, u"Display Opposite Date"_s},
            {u"chkFollowDST"_s, u"Follow Daylight Saving Time"_s},
            {u"Option1_0"_s, u"None"_s},
            {u"Option1_1"_s, u"Picture"_s},
            {u"Option1_2"_s, u"Solid Color"_s},
            {u"Option1_3"_s, u"Gradient/One Color"_s},
            {u"Option1_4"_s, u"Gradient/Two Colors"_s},
            {u"cmdSolidClr"_s, u"Select"_s},
            {u"cmdOGColor"_s, u"Select"_s},
            {u"cmdTG1Color"_s, u"Select"_s},
            {u"cmdTG2Color"_s, u"Select"_s},
            {u"cmdClkBGPicSel"_s, u"Select"_s},
            {u"chkReverseDir"_s, u"Reverse Dir"_s},
            {u"cmdSave"_s, u"Save"_s},
            {u"cmdClose"_s, u"Close"_s},
        };
        for (const auto &[name, caption] : captions)
            QTest::newRow(qPrintable(name)) << name << caption;
    }
    void captions()
    {
        QFETCH(QString, name);
        startApp();
        openDialog();
        QCOMPARE(m_dialog->objectName(), u"frmOptions"_s);
        QCOMPARE(m_dialog->windowTitle(), u"Options"_s);
        const auto *control = find<QAbstractButton>(name);
        QVERIFY(control);
        QTEST(control->text(), "caption");
    }

    void framesAndLabels()
    {
        startApp();
        openDialog();
        QStringList titles;
        for (const QGroupBox *frame : m_dialog->findChildren<QGroupBox *>())
            titles.append(frame->title());
        QCOMPARE(titles,
                 (QStringList{u" Options "_s, u" Local Country/City "_s, u" Clock Style "_s}));
        // Every list has its caption as buddy, so it is named and reachable by its label.
        QStringList labels;
        for (const QLabel *label : m_dialog->findChildren<QLabel *>()) {
            if (label->buddy())
                labels.append(label->text() + u" -> "_s + label->buddy()->objectName());
        }
        QCOMPARE(labels, (QStringList{u"Time Format : -> cboTimeFormat"_s,
                                      u"Date Format : -> cboDateFormat"_s,
                                      u"Date Format : -> cboOpsDFormat"_s,
                                      u"Opposite Date Diffrences -> cboOpsDDiff"_s,
                                      u"Clock Picture : -> styCombo1"_s}));
        const QList<QWidget *> swatches = {
            find<QWidget>(u"Picture1"_s), find<QWidget>(u"Picture2"_s),
            find<QWidget>(u"Picture3"_s), find<QWidget>(u"Picture4"_s)};
        for (const QWidget *swatch : swatches)
            QCOMPARE(swatch->size(), QSize(17, 17));
        QCOMPARE(find<QWidget>(u"picClock"_s)->size(), QSize(78, 78));
    }

    void listEntries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("entries");
        const QStringList dates = {u"dd/MM/yyyy"_s, u"MM/dd/yyyy"_s, u"yyyy/MM/dd"_s,
                                   u"Long Date"_s};
        QTest::newRow("cboTimeFormat")
            << u"cboTimeFormat"_s
            << QStringList{u"AM/PM"_s, u"24Hour"_s, u"Long AM/PM"_s, u"Long 24Hour"_s};
        QTest::newRow("cboDateFormat") << u"cboDateFormat"_s << dates;
        QTest::newRow("cboOpsDFormat") << u"cboOpsDFormat"_s << dates;
        QTest::newRow("cboOpsDDiff")
            << u"cboOpsDDiff"_s << QStringList{u"-2"_s, u"-1"_s, u"0"_s, u"+1"_s, u"+2"_s};
        QTest::newRow("styCombo1") << u"styCombo1"_s
                                   << QStringList{u"Style_01"_s, u"Style_02"_s, u"Style_03"_s,
                                                  u"Style_04"_s, u"Style_05"_s};
        QTest::newRow("imgCombo1: cities in file order")
            << u"imgCombo1"_s << QStringList{u"London"_s, u"Athens"_s, u"Cairo"_s, u"Lima"_s};
    }
    void listEntries()
    {
        QFETCH(QString, name);
        startApp();
        openDialog();
        const QComboBox *list = find<QComboBox>(name);
        QVERIFY(list);
        QVERIFY(!list->isEditable());
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries.append(list->itemText(i));
        QTEST(entries, "entries");
    }

    void showsTheSettings()
    {
        startApp({{u"Hide_SysTray_Icon"_s, u"1"_s},
                  {u"Always_On_Top"_s, u"1"_s},
                  {u"Display_Time"_s, u"0"_s},
                  {u"TimeFormat"_s, u"1"_s},
                  {u"DateFormat"_s, u"2"_s},
                  {u"Display_OpsDate"_s, u"1"_s},
                  {u"OpsDateFormat"_s, u"3"_s},
                  {u"OpsDateDiff"_s, u"4"_s},
                  {u"Follow_DST"_s, u"1"_s},
                  {u"Clock_Picture"_s, u"2"_s},
                  {u"Solid"_s, u"16711680"_s},
                  {u"OneColorDir"_s, u"1"_s},
                  {u"TwoColors1"_s, u"65280"_s},
                  {u"TwoColors2"_s, u"0"_s},
                  {u"BackGround"_s, u"grt1"_s}});
        openDialog();
        QVERIFY(m_messages->messages.isEmpty());

        QCOMPARE(find<QComboBox>(u"imgCombo1"_s)->currentText(), u"Cairo"_s);
        QCOMPARE(find<QComboBox>(u"imgCombo1"_s)->currentData().toString(),
                 u"Cairo!+02:00!EGY.bmp"_s);
        QStringList ticked;
        for (const QCheckBox *box : m_dialog->findChildren<QCheckBox *>()) {
            if (box->isChecked())
                ticked.append(box->objectName());
        }
        QCOMPARE(ticked,
                 (QStringList{u"chkHideSysTray"_s, u"chkOnTop"_s, u"chkClockDis"_s, u"chkDateDis"_s,
                              u"chkOpsDateDis"_s, u"chkFollowDST"_s, u"chkReverseDir"_s}));
        QCOMPARE(find<QComboBox>(u"cboTimeFormat"_s)->currentText(), u"24Hour"_s);
        QCOMPARE(find<QComboBox>(u"cboDateFormat"_s)->currentText(), u"yyyy/MM/dd"_s);
        QCOMPARE(find<QComboBox>(u"cboOpsDFormat"_s)->currentText(), u"Long Date"_s);
        QCOMPARE(find<QComboBox>(u"cboOpsDDiff"_s)->currentText(), u"+2"_s);
        QCOMPARE(find<QComboBox>(u"styCombo1"_s)->currentText(), u"Style_03"_s);
        QCOMPARE(find<ColourSwatch>(u"Picture1"_s)->colour(), QColor(0, 0, 255));
        QCOMPARE(find<ColourSwatch>(u"Picture2"_s)->colour(), QColor(250, 250, 250));
        QCOMPARE(find<ColourSwatch>(u"Picture3"_s)->colour(), QColor(0, 255, 0));
        QCOMPARE(find<ColourSwatch>(u"Picture4"_s)->colour(), QColor(0, 0, 0));
        QVERIFY(find<QRadioButton>(u"Option1_3"_s)->isChecked());
        // The swatch shows its colour.
        QCOMPARE(find<QWidget>(u"Picture1"_s)->grab().toImage().pixelColor(8, 8),
                 QColor(0, 0, 255));
        // The flag of a city is its icon; a city whose flag is missing still has its entry.
        const QComboBox *cities = find<QComboBox>(u"imgCombo1"_s);
        QVERIFY(!cities->itemIcon(2).isNull());
        QVERIFY(cities->itemIcon(1).isNull());
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
        QCOMPARE(find<QComboBox>(u"imgCombo1"_s)->count(), 4);

        // Save writes nothing and says nothing, but the clock window is still built anew.
        QSignalSpy loaded(m_app.get(), &Application::settingsLoaded);
        find<QPushButton>(u"cmdSave"_s)->click();
        QVERIFY(!QFile::exists(folder().settingsFile()));
        QVERIFY(m_messages->messages.isEmpty());
        QCOMPARE(loaded.size(), 1);
        QVERIFY(m_app->clockWindow());
        QVERIFY(m_dialog->isVisible());
    }

    void saveWritesTheControls()
    {
        startApp();
        openDialog();
        QPointer<ClockWindow> oldWindow = m_app->clockWindow();
        QVERIFY(oldWindow);
        m_colourAnswers = {QColor(0, 0, 255), QColor(255, 0, 0)};

        find<QComboBox>(u"imgCombo1"_s)->setCurrentText(u"Lima"_s);
        find<QCheckBox>(u"chkHideSysTray"_s)->click();
        find<QCheckBox>(u"chkDateDis"_s)->click();
        find<QComboBox>(u"cboTimeFormat"_s)->setCurrentText(u"Long 24Hour"_s);
        find<QComboBox>(u"cboDateFormat"_s)->setCurrentText(u"MM/dd/yyyy"_s);
        find<QComboBox>(u"cboOpsDDiff"_s)->setCurrentText(u"+1"_s);
        find<QComboBox>(u"styCombo1"_s)->setCurrentText(u"Style_03"_s);
        find<QRadioButton>(u"Option1_2"_s)->click();
        find<QPushButton>(u"cmdSolidClr"_s)->click();
        find<QRadioButton>(u"Option1_3"_s)->click();
        find<QPushButton>(u"cmdOGColor"_s)->click();
        find<QCheckBox>(u"chkReverseDir"_s)->click();

        QSignalSpy loaded(m_app.get(), &Application::settingsLoaded);
        find<QPushButton>(u"cmdSave"_s)->click();
        const QString expected = settingsText({{u"Local"_s, u"Lima!-05:00!PER.bmp"_s},
                                               {u"Hide_SysTray_Icon"_s, u"1"_s},
                                               {u"TimeFormat"_s, u"3"_s},
                                               {u"Display_Date"_s, u"0"_s},
                                               {u"DateFormat"_s, u"1"_s},
                                               {u"OpsDateDiff"_s, u"3"_s},
                                               {u"Clock_Picture"_s, u"2"_s},
                                               {u"Solid"_s, u"16711680"_s},
                                               {u"OneColor"_s, u"255"_s},
                                               {u"OneColorDir"_s, u"1"_s},
                                               {u"BackGround"_s, u"grt1"_s}});
        QCOMPARE(readText(folder().settingsFile()), expected);
        QCOMPARE(m_messages->texts(), QStringList{u"Options are saved !"_s});
        QCOMPARE(m_messages->messages[0].icon, QMessageBox::Information);
        QVERIFY(!oldWindow);
        QCOMPARE(loaded.size(), 1);
        QVERIFY(m_app->clockWindow());
        QCOMPARE(m_app->settings().localCity, u"Lima!-05:00!PER.bmp"_s);
        QVERIFY(m_app->settings().displayOptions.hideSysTrayIcon);
        QVERIFY(m_dialog->isVisible());

        // Saving again rebuilds again and says so again; the file already holds the values.
        find<QPushButton>(u"cmdSave"_s)->click();
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(m_messages->texts().size(), 2);
        QCOMPARE(readText(folder().settingsFile()), expected);
    }

    void followDstRoundTrip()
    {
        // A file of an older version has no Follow_DST: the box shows clear.
        startApp({{u"Follow_DST"_s, QString()}});
        openDialog();
        auto *box = find<QCheckBox>(u"chkFollowDST"_s);
        QVERIFY(box);
        QCOMPARE(box->parentWidget()->objectName(), u"fraOptions"_s);
        QVERIFY(!box->isChecked());

        // Ticked and saved: written in its place, loaded, and shown by the next dialog.
        box->click();
        find<QPushButton>(u"cmdSave"_s)->click();
        QCOMPARE(readText(folder().settingsFile()), settingsText({{u"Follow_DST"_s, u"1"_s}}));
        QVERIFY(m_app->settings().displayOptions.followDst);
        openDialog();
        box = find<QCheckBox>(u"chkFollowDST"_s);
        QVERIFY(box->isChecked());

        box->click();
        find<QPushButton>(u"cmdSave"_s)->click();
        QCOMPARE(readText(folder().settingsFile()), settingsText());
        QVERIFY(!m_app->settings().displayOptions.followDst);
    }

    void unknownBackGroundStaysUnchanged()
    {
        startApp({{u"BackGround"_s, u"grt9"_s}});
        openDialog();
        const QList<QAbstractButton *> kinds =
            find<QRadioButton>(u"Option1_0"_s)->group()->buttons();
        QCOMPARE(kinds.size(), 5);
        for (const QAbstractButton *kind : kinds)
            QVERIFY(!kind->isChecked());
        for (const QString &name : {u"cmdClkBGPicSel"_s, u"cmdSolidClr"_s, u"cmdOGColor"_s,
                                    u"chkReverseDir"_s, u"cmdTG1Color"_s, u"cmdTG2Color"_s})
            QVERIFY2(!find<QWidget>(name)->isEnabled(), qPrintable(name));
        QCOMPARE(preview().pixelColor(0, 0), Grey);

        find<QComboBox>(u"cboTimeFormat"_s)->setCurrentIndex(1);
        find<QPushButton>(u"cmdSave"_s)->click();
        QCOMPARE(readText(folder().settingsFile()),
                 settingsText({{u"BackGround"_s, u"grt9"_s}, {u"TimeFormat"_s, u"1"_s}}));
    }

    void outOfRangePositionsStayUnchanged()
    {
        const Settings stored = {
            {u"TimeFormat"_s, u"9"_s}, {u"OpsDateDiff"_s, u"-1"_s}, {u"Clock_Picture"_s, u"5"_s}};
        startApp(stored);
        openDialog();
        QCOMPARE(find<QComboBox>(u"cboTimeFormat"_s)->currentIndex(), -1);
        QCOMPARE(find<QComboBox>(u"cboOpsDDiff"_s)->currentIndex(), -1);
        QCOMPARE(find<QComboBox>(u"styCombo1"_s)->currentIndex(), -1);
        QVERIFY(m_messages->messages.isEmpty());
        find<QPushButton>(u"cmdSave"_s)->click();
        QCOMPARE(readText(folder().settingsFile()), settingsText(stored));
    }

    void enableTable_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("enabled");
        QTest::newRow("None") << u"Option1_0"_s << QStringList{};
        QTest::newRow("Picture") << u"Option1_1"_s << QStringList{u"cmdClkBGPicSel"_s};
        QTest::newRow("Solid Color") << u"Option1_2"_s << QStringList{u"cmdSolidClr"_s};
        QTest::newRow("Gradient/One Color")
            << u"Option1_3"_s << QStringList{u"cmdOGColor"_s, u"chkReverseDir"_s};
        QTest::newRow("Gradient/Two Colors")
            << u"Option1_4"_s << QStringList{u"cmdTG1Color"_s, u"cmdTG2Color"_s};
    }
    void enableTable()
    {
        QFETCH(QString, kind);
        startApp({{u"BackGround"_s, u"grt1"_s}});
        openDialog();
        find<QRadioButton>(kind)->click();
        QStringList enabled;
        for (const QString &name : {u"cmdClkBGPicSel"_s, u"cmdSolidClr"_s, u"cmdOGColor"_s,
                                    u"chkReverseDir"_s, u"cmdTG1Color"_s, u"cmdTG2Color"_s}) {
            if (find<QWidget>(name)->isEnabled())
                enabled.append(name);
        }
        QTEST(enabled, "enabled");
    }

    void previewPixels_data()
    {
        QTest::addColumn<QString>("backGround");
        QTest::addColumn<QString>("bgPicture"); // in the backgrounds folder
        QTest::addColumn<bool>("reverseDir");
        QTest::addColumn<QColor>("top");
        QTest::addColumn<QColor>("bottom");
        QTest::addColumn<bool>("pictureShown");

        QTest::newRow("none: grey") << u"non"_s << QString() << false << Grey << Grey << false;
        QTest::newRow("solid") << u"sld"_s << QString() << false << QColor(255, 0, 0)
                               << QColor(255, 0, 0) << false;
        QTest::newRow("one colour, top down")
            << u"grt1"_s << QString() << false << QColor(247, 247, 247) << QColor(16, 16, 16)
            << false;
        QTest::newRow("one colour, reverse dir: bottom up")
            << u"grt1"_s << QString() << true << QColor(0, 0, 0) << QColor(244, 244, 244) << false;
        QTest::newRow("two colours")
            << u"grt2"_s << QString() << false << QColor(255, 0, 0) << QColor(0, 0, 255) << false;
        QTest::newRow("picture, stretched")
            << u"pic"_s << u"green.bmp"_s << false << Green << Green << true;
        QTest::newRow("picture file missing: grey")
            << u"pic"_s << u"gone.bmp"_s << false << Grey << Grey << false;
        QTest::newRow("no picture chosen: grey")
            << u"pic"_s << QString() << false << Grey << Grey << false;
    }
    void previewPixels()
    {
        QFETCH(QString, backGround);
        QFETCH(QString, bgPicture);
        QFETCH(bool, reverseDir);
        startApp({{u"OneColorDir"_s, reverseDir ? u"1"_s : u"0"_s}});
        // Set in memory: the clock window's own loading turns a missing picture into "non".
        DisplayOptions &options = m_app->settings().displayOptions;
        options.backGround = backGround;
        if (!bgPicture.isEmpty())
            options.bgPicture = folder().backgroundsFolder() + u'/' + bgPicture;
        openDialog();

        const QImage image = preview();
        QCOMPARE(image.size(), QSize(78, 78));
        QTEST(image.pixelColor(0, 0), "top");
        QTEST(image.pixelColor(77, 0), "top");
        QTEST(image.pixelColor(0, 77), "bottom");
        // The face lies over the background, cut to its outline.
        QCOMPARE(image.pixelColor(39, 39), QColor(Qt::white));
        QTEST(find<QWidget>(u"imgClock"_s)->isVisible(), "pictureShown");
    }

    void previewFollowsTheControls()
    {
        startApp({{u"BackGround"_s, u"grt1"_s}});
        openDialog();
        QCOMPARE(preview().pixelColor(0, 0), QColor(247, 247, 247));
        find<QCheckBox>(u"chkReverseDir"_s)->click();
        QCOMPARE(preview().pixelColor(0, 77), QColor(244, 244, 244));
        QCOMPARE(preview().pixelColor(0, 0), QColor(0, 0, 0));

        find<QRadioButton>(u"Option1_0"_s)->click();
        QCOMPARE(preview().pixelColor(0, 0), Grey);
        QVERIFY(!find<QWidget>(u"cmdOGColor"_s)->isEnabled());
        QVERIFY(!find<QWidget>(u"chkReverseDir"_s)->isEnabled());
    }

    void styleNotFoundKeepsTheFace()
    {
        startApp();
        openDialog();
        QCOMPARE(preview().pixelColor(39, 39), QColor(Qt::white));
        QComboBox *styles = find<QComboBox>(u"styCombo1"_s);

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
        QTest::addColumn<QColor>("swatchAfter");
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("pixelAfter");

        const QColor blue(0, 0, 255);
        const QColor red(255, 0, 0);
        QTest::newRow("solid") << u"Option1_2"_s << u"cmdSolidClr"_s << u"Picture1"_s << blue
                               << blue << 0 << blue;
        QTest::newRow("solid, cancelled")
            << u"Option1_2"_s << u"cmdSolidClr"_s << u"Picture1"_s << QColor() << red << 0 << red;
        QTest::newRow("one colour")
            << u"Option1_3"_s << u"cmdOGColor"_s << u"Picture2"_s << QColor(103, 203, 3)
            << QColor(103, 203, 3) << 0 << QColor(100, 200, 0);
        QTest::newRow("top colour")
            << u"Option1_4"_s << u"cmdTG1Color"_s << u"Picture3"_s << Green << Green << 0 << Green;
        QTest::newRow("bottom colour")
            << u"Option1_4"_s << u"cmdTG2Color"_s << u"Picture4"_s << Green << Green << 77 << Green;
        QTest::newRow("bottom colour, cancelled")
            << u"Option1_4"_s << u"cmdTG2Color"_s << u"Picture4"_s << QColor() << blue << 77
            << blue;
    }
    void colourChoosers()
    {
        QFETCH(QString, kind);
        QFETCH(QString, select);
        QFETCH(QString, swatch);
        QFETCH(QColor, answer);
        QFETCH(int, row);
        startApp();
        openDialog();
        find<QRadioButton>(kind)->click();
        const QColor before = find<ColourSwatch>(swatch)->colour();
        m_colourAnswers = {answer};

        find<QPushButton>(select)->click();
        QCOMPARE(m_colourRequests, QList<QColor>{before}); // starts from the swatch's colour
        QTEST(find<ColourSwatch>(swatch)->colour(), "swatchAfter");
        QTEST(preview().pixelColor(0, row), "pixelAfter");
    }

    void pictureChooser()
    {
        startApp();
        m_app->settings().displayOptions.bgPicture = folder().backgroundsFolder() + u"/gone.bmp"_s;
        m_app->settings().displayOptions.backGround = u"pic"_s;
        openDialog();
        QWidget *picture = find<QWidget>(u"imgClock"_s);
        QVERIFY(!picture->isVisible());
        const QString green = folder().backgroundsFolder() + u"/green.bmp"_s;
        const QString notAPicture = folder().backgroundsFolder() + u"/text.bmp"_s;
        QVERIFY(writeText(notAPicture, u"text"_s));
        QPushButton *select = find<QPushButton>(u"cmdClkBGPicSel"_s);

        // A stored picture that is gone does not stop a new one from being taken.
        m_pictureAnswers = {green};
        select->click();
        QCOMPARE(m_pictureRequests.size(), 1);
        QCOMPARE(m_pictureRequests[0].title, u"Select File"_s);
        QCOMPARE(m_pictureRequests[0].folder, folder().backgroundsFolder());
        QCOMPARE(m_pictureRequests[0].filter, u"Bitmap Files (*.bmp)"_s);
        QCOMPARE(m_app->settings().displayOptions.bgPicture, green);
        QVERIFY(picture->isVisible());
        QCOMPARE(preview().pixelColor(0, 0), Green);

        // Cancelled, missing and unreadable choices change nothing.
        m_pictureAnswers = {QString(), folder().backgroundsFolder() + u"/gone.bmp"_s, notAPicture};
        for (int i = 0; i < 3; ++i)
            select->click();
        QCOMPARE(m_pictureRequests.size(), 4);
        QCOMPARE(m_app->settings().displayOptions.bgPicture, green);
        QCOMPARE(preview().pixelColor(0, 0), Green);

        // The chosen path is what Save writes.
        find<QPushButton>(u"cmdSave"_s)->click();
        QVERIFY(
            readText(folder().settingsFile()).contains(u"\r\nBGPicture="_s + green + u"\r\n"_s));
    }

    void localCity_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("cityList");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("savedLocal");

        QTest::newRow("fresh settings: first city of the computer's offset")
            << u"00"_s << true << u"Athens"_s << u"Athens!+02:00!GRC.bmp"_s;
        QTest::newRow("city no longer listed: nothing selected, nothing written")
            << u"Paris!+01:00!FRA.bmp"_s << true << QString() << u"Paris!+01:00!FRA.bmp"_s;
        QTest::newRow("no city list")
            << u"Cairo!+02:00!EGY.bmp"_s << false << QString() << u"Cairo!+02:00!EGY.bmp"_s;
    }
    void localCity()
    {
        QFETCH(QString, stored);
        QFETCH(bool, cityList);
        QFETCH(QString, savedLocal);
        if (!cityList)
            QVERIFY(QFile::remove(folder().cityListFile()));
        startApp({{u"Local"_s, stored}});
        openDialog();
        QTEST(find<QComboBox>(u"imgCombo1"_s)->currentText(), "selected");
        find<QPushButton>(u"cmdSave"_s)->click();
        QCOMPARE(readText(folder().settingsFile()), settingsText({{u"Local"_s, savedLocal}}));
    }

    void failedSaveIsReported()
    {
        startApp();
        openDialog();
        find<QComboBox>(u"cboTimeFormat"_s)->setCurrentIndex(3);
        // Something that is not a file stands where the settings file was: it cannot be read,
        // so it must not be replaced.
        QVERIFY(QFile::remove(folder().settingsFile()));
        QVERIFY(QDir(m_dir->path()).mkdir(u"Kerani.ini"_s));
        QSignalSpy loaded(m_app.get(), &Application::settingsLoaded);

        find<QPushButton>(u"cmdSave"_s)->click();
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
        startApp();
        openDialog();
        // Tab goes through the controls in reading order.
        QStringList chain;
        QWidget *first = find<QWidget>(u"chkHideSysTray"_s);
        QWidget *next = first;
        do {
            if ((next->focusPolicy() & Qt::TabFocus) && !next->objectName().isEmpty())
                chain.append(next->objectName());
            next = next->nextInFocusChain();
        } while (next != first && chain.size() < 40);
        QCOMPARE(chain, (QStringList{u"chkHideSysTray"_s, u"chkOnTop"_s,      u"chkClockDis"_s,
                                     u"chkTimeDis"_s,     u"cboTimeFormat"_s, u"chkDateDis"_s,
                                     u"cboDateFormat"_s,  u"chkOpsDateDis"_s, u"cboOpsDFormat"_s,
                                     u"cboOpsDDiff"_s,    u"chkFollowDST"_s,  u"imgCombo1"_s,
                                     u"styCombo1"_s,      u"Option1_0"_s,     u"Option1_1"_s,
                                     u"cmdClkBGPicSel"_s, u"Option1_2"_s,     u"cmdSolidClr"_s,
                                     u"Option1_3"_s,      u"cmdOGColor"_s,    u"chkReverseDir"_s,
                                     u"Option1_4"_s,      u"cmdTG1Color"_s,   u"cmdTG2Color"_s,
                                     u"cmdSave"_s,        u"cmdClose"_s}));
        for (const QString &name :
             {u"cmdSolidClr"_s, u"cmdClkBGPicSel"_s, u"imgCombo1"_s, u"cboOpsDFormat"_s})
            QVERIFY(!find<QWidget>(name)->accessibleName().isEmpty());

        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
        m_dialog->show();
        find<QPushButton>(u"cmdClose"_s)->click();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(readText(folder().settingsFile()), settingsText()); // closing writes nothing
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
