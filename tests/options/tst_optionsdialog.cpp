#include "options/optionsdialog.h"
#include "support/recordingpresenter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QColor Grey(207, 207, 207);
const QColor Green(0, 160, 0);

// A 78 x 78 picture of one colour, with a square face of another in the middle if one is given.
bool saveImage(const QString &path, const QColor &fill, const QColor &face = {})
{
    QImage image(78, 78, QImage::Format_RGB32);
    image.fill(fill);
    QPainter(&image).fillRect(20, 20, 38, 38, face.isValid() ? face : fill);
    return image.save(path);
}

} // namespace

class TestOptionsDialog final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingPresenter m_messages;
    SettingsState m_settings;
    std::unique_ptr<OptionsDialog> m_dialog;
    QStringList m_pictureAnswers;        // what the picture chooser answers, oldest first
    std::function<void()> m_whileChosen; // what happens while the chooser is open

    AppFolder folder() const { return AppFolder(m_dir.path()); }
    QWidget *find(const QString &name) const { return m_dialog->findChild<QWidget *>(name); }
    void click(const QString &name) const { static_cast<QAbstractButton *>(find(name))->click(); }
    // The preview as the user sees it: background, picture and face together.
    QImage preview() const { return find(u"previewStrip"_s)->grab().toImage(); }

    void open(BackgroundKind kind, const QString &picture = {})
    {
        DisplayOptions &o = m_settings.displayOptions;
        o.background = kind;
        o.backgroundPicture = picture.isEmpty() ? picture : folder().backgroundsFolder() + picture;
        m_messages = {};
        m_dialog = std::make_unique<OptionsDialog>(
            folder(), m_settings, Clock([] { return QDateTime(QDate(2024, 7, 7), QTime(12, 0)); }),
            ZoneTable(), m_messages);
        Choosers choosers;
        choosers.picture = [this](QWidget *, const Choosers::PictureRequest &) {
            if (m_whileChosen)
                m_whileChosen();
            return m_pictureAnswers.isEmpty() ? QString() : m_pictureAnswers.takeFirst();
        };
        m_dialog->setChoosers(std::move(choosers));
        m_dialog->show();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(u"clocks"_s) &&
                QDir(m_dir.path()).mkpath(u"backgrounds"_s));
        const QString clocks = folder().clocksFolder();
        QVERIFY(saveImage(clocks + u"/clk01.bmp"_s, Qt::magenta, Qt::white));
        QVERIFY(saveImage(clocks + u"/clk03.bmp"_s, Qt::magenta, Qt::black));
        QVERIFY(saveImage(folder().backgroundsFolder() + u"/green.bmp"_s, Green));
        QFile text(folder().backgroundsFolder() + u"/text.bmp"_s);
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a picture") > 0);
        QFile file(folder().settingsFile()); // without one the dialog shows nothing chosen
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write("[Clocks_Style]\r\nClock_Picture=0\r\nBackGround=non\r\n") > 0);
        DisplayOptions &o = m_settings.displayOptions;
        o.solidColour = o.topColour = Qt::red;
        o.gradientColour = QColor(250, 250, 250);
        o.bottomColour = Qt::blue;
    }
    void cleanup() { m_dialog.reset(); }

    void previewOfEachKind()
    {
        open(BackgroundKind::None, u"/green.bmp"_s);
        // Kind -> the choosers it enables and the preview's corners, the face over them.
        const QList<std::tuple<QString, QString, QColor, QColor>> kinds{
            {u"noBackground"_s, u""_s, Grey, Grey},
            {u"solidBackground"_s, u"solidColour"_s, Qt::red, Qt::red},
            {u"oneColourGradient"_s, u"gradientColour"_s, QColor(247, 247, 247),
             QColor(16, 16, 16)},
            {u"twoColourGradient"_s, u"topColour bottomColour"_s, Qt::red, Qt::blue},
            {u"pictureBackground"_s, u"picture"_s, Green, Green}}; // stretched
        for (const auto &[kind, choosers, top, bottom] : kinds) {
            click(kind + u"Button"_s);
            QStringList enabled;
            for (const QString &name : {u"picture"_s, u"solidColour"_s, u"gradientColour"_s,
                                        u"topColour"_s, u"bottomColour"_s}) {
                if (find(name + u"SelectButton"_s)->isEnabled())
                    enabled.append(name);
            }
            QCOMPARE(enabled.join(u' '), choosers);
            const QImage image = preview();
            QCOMPARE(image.size(), QSize(78, 78));
            QCOMPARE(image.pixelColor(77, 0), top);
            QCOMPARE(image.pixelColor(0, 77), bottom);
            QCOMPARE(image.pixelColor(39, 39), QColor(Qt::white));
        }
    }

    void pictureChooser()
    {
        // A stored picture that is gone does not stop a new one from being taken...
        open(BackgroundKind::Picture, u"/gone.bmp"_s);
        QCOMPARE(preview().pixelColor(0, 0), Grey);
        const QString green = folder().backgroundsFolder() + u"/green.bmp"_s;
        m_pictureAnswers = {green, QString(), folder().backgroundsFolder() + u"/gone.bmp"_s,
                            folder().backgroundsFolder() + u"/text.bmp"_s};
        click(u"pictureSelectButton"_s);
        QCOMPARE(m_dialog->form().backgroundPicture, green);
        QCOMPARE(preview().pixelColor(0, 0), Green);
        // ...and cancelled, missing and unreadable choices change nothing.
        for (int i = 0; i < 3; ++i)
            click(u"pictureSelectButton"_s);
        QCOMPARE(m_dialog->form().backgroundPicture, green);

        // The dialog may go while the chooser is open: the answer then goes nowhere.
        m_whileChosen = [this] { m_dialog.reset(); };
        m_pictureAnswers = {green};
        click(u"pictureSelectButton"_s);
        QVERIFY(!m_dialog);
    }

    void controlsAndSave()
    {
        open(BackgroundKind::None);
        click(u"oneColourGradientButton"_s);
        click(u"reverseDirectionBox"_s);
        QCOMPARE(preview().pixelColor(0, 0), QColor(0, 0, 0));
        // A face that cannot be read is reported, and the preview keeps the face it has.
        auto *styles = static_cast<QComboBox *>(find(u"faceStyleCombo"_s));
        styles->setCurrentText(u"Style_02"_s); // clk02.bmp is missing
        QCOMPARE(preview().pixelColor(39, 39), QColor(Qt::white));
        styles->setCurrentText(u"Style_03"_s);
        QCOMPARE(preview().pixelColor(39, 39), QColor(Qt::black));

        click(u"saveButton"_s);
        QCOMPARE(m_messages.texts(),
                 (QStringList{u"Style not found!"_s, u"Options are saved !"_s}));
        QFile file(folder().settingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        for (const char *line : {"Clock_Picture=2\r\n", "OneColorDir=1\r\n", "BackGround=grt1\r\n"})
            QVERIFY2(saved.contains(line), saved.constData());
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
