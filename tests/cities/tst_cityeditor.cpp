#include "app/application.h"
#include "cities/cityeditor.h"
#include "support/recordingpresenter.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kCities = "Amsterdam!+01:00!NLD.bmp\r\nBerlin!+01:00!DEU.bmp\r\n\r\n"
                           "CAIRO!+02:00!EGY.bmp\r\nLima!-05:00!PER.bmp\r\n";
const QString kFixedTime = u"2024-07-07T12:00:00Z"_s;

QByteArray settingsWithClocks(const QStringList &clocks)
{
    QByteArray text =
        "[Settings]\r\nLocal=Cairo!+02:00!EGY.bmp\r\nClocks=" + QByteArray::number(clocks.size()) +
        "\r\n";
    for (qsizetype i = 0; i < clocks.size(); ++i)
        text += "[Clock_0" + QByteArray::number(i + 1) +
                "]\r\nCountry/City=" + clocks.at(i).toUtf8() + "\r\n";
    return text;
}

} // namespace

class TestCityEditor final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPresenter m_messages;
    std::unique_ptr<Application> m_app;
    std::unique_ptr<CityEditor> m_editor;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    QByteArray cityFile() const
    {
        QFile file(path(u"Cities.txt"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void flag(const QString &name, Qt::GlobalColor colour)
    {
        QImage picture(16, 11, QImage::Format_RGB32);
        picture.fill(colour);
        QVERIFY(picture.save(path(u"flags/"_s + name), "BMP"));
    }
    void loadClocks(const QStringList &clocks)
    {
        write(u"Kerani.ini"_s, settingsWithClocks(clocks));
        m_app->loadSettings();
    }
    void open(const QByteArray &cities = kCities)
    {
        write(u"Cities.txt"_s, cities);
        m_editor = std::make_unique<CityEditor>(*m_app);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }

    // Opens the editor with the platform font (0) or a font of that many pixels.
    void openWithFont(int pixelSize)
    {
        const QFont original = QApplication::font();
        QFont font = original;
        if (pixelSize > 0)
            font.setPixelSize(pixelSize);
        QApplication::setFont(font);
        open();
        QApplication::setFont(original);
    }

    template<typename T = QWidget> T *control(const QString &name) const
    {
        T *found = m_editor->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit *name() const { return control<QLineEdit>(u"txtCityName"_s); }
    QLineEdit *zone() const { return control<QLineEdit>(u"txtTimeZone"_s); }
    QComboBox *flags() const { return control<QComboBox>(u"imgCombo1"_s); }
    QString flagCode() const { return control<QLabel>(u"lblFlagFile"_s)->text(); }
    QTreeWidget *cities() const { return control<QTreeWidget>(u"CountryList"_s); }
    void click(const QString &button) { QTest::mouseClick(control(button), Qt::LeftButton); }

    QStringList cityTexts() const
    {
        QStringList texts;
        for (int i = 0; i < cities()->topLevelItemCount(); ++i)
            texts.append(cities()->topLevelItem(i)->text(0));
        return texts;
    }
    QTreeWidgetItem *city(const QString &text) const
    {
        const QList<QTreeWidgetItem *> found = cities()->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.constFirst();
    }
    void pickCity(const QString &text)
    {
        QTreeWidgetItem *item = city(text);
        QVERIFY2(item, qPrintable(text));
        QTest::mouseClick(cities()->viewport(), Qt::LeftButton, {},
                          cities()->visualItemRect(item).center());
    }
    // Types the fields as a user would; the flag is chosen by typing its code into the combo.
    void fill(const QString &typedName, const QString &typedZone, const QString &code)
    {
        name()->clear();
        zone()->clear();
        QTest::keyClicks(name(), typedName);
        QTest::keyClicks(zone(), typedZone);
        if (!code.isEmpty()) {
            QTest::keyClicks(flags(), code);
            QCOMPARE(flagCode(), code);
        }
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir(m_dir->path()).mkdir(u"flags"_s));
        flag(u"che.BMP"_s, Qt::red);
        flag(u"DEU.bmp"_s, Qt::yellow);
        flag(u"EGY.bmp"_s, Qt::green);
        flag(u"Egypt.bmp"_s, Qt::blue);
        flag(u"NLD.bmp"_s, Qt::cyan);
        m_messages = {};
        const QDateTime now = QDateTime::fromString(kFixedTime, Qt::ISODate);
        m_app = std::make_unique<Application>(AppFolder(m_dir->path()),
                                              Clock([now] { return now; }), m_messages);
        loadClocks({u"Berlin!+01:00!DEU.bmp"_s});
    }
    void cleanup()
    {
        m_editor.reset();
        m_app.reset();
        m_dir.reset();
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPoint>("place");

        QTest::newRow("Label1") << u"Label1"_s << u"Country/City Name"_s << QPoint(8, 8);
        QTest::newRow("txtCityName") << u"txtCityName"_s << QString() << QPoint(8, 24);
        QTest::newRow("Label2") << u"Label2"_s << u"Time Zone"_s << QPoint(8, 56);
        QTest::newRow("Label4") << u"Label4"_s << u"[Ex. +02:00]"_s << QPoint(72, 56);
        QTest::newRow("txtTimeZone") << u"txtTimeZone"_s << QString() << QPoint(8, 72);
        QTest::newRow("Label3") << u"Label3"_s << u"Flag"_s << QPoint(8, 104);
        QTest::newRow("picFlag") << u"picFlag"_s << QString() << QPoint(8, 120);
        QTest::newRow("imgCombo1") << u"imgCombo1"_s << QString() << QPoint(48, 120);
        QTest::newRow("lblFlagFile") << u"lblFlagFile"_s << QString() << QPoint(8, 152);
        QTest::newRow("Command1") << u"Command1"_s << u"From File"_s << QPoint(48, 152);
        QTest::newRow("cmdNew") << u"cmdNew"_s << u"New"_s << QPoint(8, 216);
        QTest::newRow("cmdSave") << u"cmdSave"_s << u"Save"_s << QPoint(80, 216);
        QTest::newRow("cmdDelete") << u"cmdDelete"_s << u"Delete"_s << QPoint(152, 216);
        QTest::newRow("cmdClose") << u"cmdClose"_s << u"Close"_s << QPoint(8, 248);
        QTest::newRow("CountryList") << u"CountryList"_s << QString() << QPoint(224, 8);
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QPoint, place);
        openWithFont(11); // small enough for every text to fit the form's places
        QCOMPARE(m_editor->objectName(), u"frmCountries"_s);
        QCOMPARE(m_editor->windowTitle(), u"Add Country/City"_s);
        QCOMPARE(m_editor->size(), QSize(449, 282));
        QCOMPARE(m_editor->minimumSize(), m_editor->maximumSize());

        const QWidget *widget = control(name);
        QCOMPARE(widget->pos(), place);
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            QCOMPARE(label->text(), caption);
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            QCOMPARE(button->text(), caption);
        QVERIFY(!widget->accessibleName().isEmpty());
    }

    void controlsFitTheFont_data()
    {
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("platform font") << 0;
        QTest::newRow("large font") << 17;
        QTest::newRow("very large font") << 24;
    }
    void controlsFitTheFont()
    {
        QFETCH(int, pixelSize);
        openWithFont(pixelSize);
        QVERIFY(m_editor->width() >= 449 && m_editor->height() >= 282);
        const QList<QWidget *> widgets =
            m_editor->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (const QWidget *widget : widgets) {
            if (widget->isHidden())
                continue;
            QVERIFY2(m_editor->rect().contains(widget->geometry()),
                     qPrintable(widget->objectName()));
            QVERIFY2(widget->height() >= widget->sizeHint().height() || widget == cities() ||
                         widget->objectName() == u"picFlag"_s,
                     qPrintable(widget->objectName()));
            for (const QWidget *other : widgets) {
                if (other != widget && !other->isHidden())
                    QVERIFY2(
                        !other->geometry().intersects(widget->geometry()),
                        qPrintable(widget->objectName() + u" covers "_s + other->objectName()));
            }
        }
    }

    void load()
    {
        open();
        QStringList codes;
        for (int i = 0; i < flags()->count(); ++i)
            codes.append(flags()->itemText(i));
        // Name order, upper-cased; of two bitmaps with one code the first is kept.
        QCOMPARE(codes, (QStringList{u"CHE"_s, u"DEU"_s, u"EGY"_s, u"NLD"_s}));
        QCOMPARE(flags()->currentIndex(), -1);
        QCOMPARE(cityTexts(), (QStringList{u"Amsterdam"_s, u"Berlin"_s, u"CAIRO"_s, u"Lima"_s}));
        QVERIFY(!city(u"CAIRO"_s)->icon(0).isNull());
        QVERIFY(city(u"Lima"_s)->icon(0).isNull()); // PER.bmp is missing
        QCOMPARE(cities()->selectedItems(), QList<QTreeWidgetItem *>{city(u"Amsterdam"_s)});
        // Selecting the first city does not pick it.
        QVERIFY(name()->text().isEmpty());
        QVERIFY(flagCode().isEmpty());
        QCOMPARE(m_editor->focusWidget(), name());
        const QWidget *panel = control(u"SSPanel1"_s);
        QVERIFY(panel->isHidden());
        QVERIFY((panel->geometry().center() - m_editor->rect().center()).manhattanLength() <= 2);
    }

    void pickCity()
    {
        open();
        pickCity(u"CAIRO"_s);
        QCOMPARE(name()->text(), u"CAIRO"_s);
        QCOMPARE(zone()->text(), u"+02:00"_s);
        QCOMPARE(flags()->currentText(), u"EGY"_s);
        QCOMPARE(flagCode(), u"EGY"_s);
        QVERIFY(!control<QLabel>(u"imgFlag"_s)->pixmap().isNull());
        QCOMPARE(m_editor->focusWidget(), name());
        // A city whose flag bitmap is missing gets its name and zone, and no flag.
        pickCity(u"Lima"_s);
        QCOMPARE(zone()->text(), u"-05:00"_s);
        QCOMPARE(flags()->currentIndex(), -1);
        QVERIFY(flagCode().isEmpty());
        QVERIFY(control<QLabel>(u"imgFlag"_s)->pixmap().isNull());
        // The keyboard picks too, leaving the focus in the list.
        cities()->setFocus();
        QTest::keyClick(cities(), Qt::Key_Up);
        QCOMPARE(name()->text(), u"CAIRO"_s);
        click(u"cmdNew"_s);
        QVERIFY(name()->text().isEmpty() && zone()->text().isEmpty() && flagCode().isEmpty());
    }

    void zoneKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("zone");

        QTest::newRow("zone") << u"+05:30"_s << u"+05:30"_s;
        QTest::newRow("letters and blanks dropped") << u" +0a5:3 0x"_s << u"+05:30"_s;
        QTest::newRow("at most six") << u"-03:301"_s << u"-03:30"_s;
        QTest::newRow("backspace") << u"+02:0\b1"_s << u"+02:1"_s;
    }
    void zoneKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QString, zone);
        open();
        for (const QChar c : typed) {
            if (c == u'\b')
                QTest::keyClick(this->zone(), Qt::Key_Backspace);
            else
                QTest::keyClicks(this->zone(), QString(c));
        }
        QCOMPARE(this->zone()->text(), zone);
    }

    void pastedZoneIsCheckedAtSave()
    {
        open();
        fill(u"Bern"_s, QString(), u"DEU"_s);
        QGuiApplication::clipboard()->setText(u"ab:cd"_s);
        QTest::keyClick(zone(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(zone()->text(), u"ab:cd"_s);
        click(u"cmdSave"_s);
        QCOMPARE(m_messages.texts(), QStringList{u"Wrong Time Zone Format"_s});
        QCOMPARE(m_messages.messages.at(0).icon, QMessageBox::Critical);
        QCOMPARE(cityFile(), kCities);
        QCOMPARE(name()->text(), u"Bern"_s);
    }

    void saveRefusals_data()
    {
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("typedZone");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");

        QTest::newRow("nothing") << QString() << QString() << QString() << u"Select Flag First."_s;
        QTest::newRow("blank name")
            << u"   "_s << u"+01:00"_s << u"DEU"_s << u"One or more field(s) are empty"_s;
        QTest::newRow("hours over 14")
            << u"Bern"_s << u"+15:00"_s << u"DEU"_s << u"Wrong Time Zone Format"_s;
    }
    void saveRefusals()
    {
        QFETCH(QString, typedName);
        QFETCH(QString, typedZone);
        QFETCH(QString, code);
        QFETCH(QString, message);
        open();
        fill(typedName, typedZone, code);
        click(u"cmdSave"_s);
        QCOMPARE(m_messages.texts(), QStringList{message});
        QCOMPARE(m_messages.messages.at(0).icon, QMessageBox::Critical);
        QCOMPARE(cityFile(), kCities);
        QCOMPARE(cityTexts().size(), 4);
    }

    void saveWritesTheLine_data()
    {
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("typedZone");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("list");

        QTest::newRow("between Berlin and Cairo")
            << u"Bern"_s << u"+01:00"_s << u"DEU"_s
            << QByteArray("Amsterdam!+01:00!NLD.bmp\r\nBerlin!+01:00!DEU.bmp\r\n"
                          "Bern!+01:00!DEU.bmp\r\nCAIRO!+02:00!EGY.bmp\r\nLima!-05:00!PER.bmp\r\n")
            << QStringList{u"Amsterdam"_s, u"Berlin"_s, u"Bern"_s, u"CAIRO"_s, u"Lima"_s};
        QTest::newRow("trimmed, capital, replaces CAIRO")
            << u"  cairo"_s << u"+03:00"_s << u"EGY"_s
            << QByteArray("Amsterdam!+01:00!NLD.bmp\r\nBerlin!+01:00!DEU.bmp\r\n"
                          "Cairo!+03:00!EGY.bmp\r\nLima!-05:00!PER.bmp\r\n")
            << QStringList{u"Amsterdam"_s, u"Berlin"_s, u"Cairo"_s, u"Lima"_s};
        QTest::newRow("lower first character goes first")
            << u"'s-Hertogenbosch"_s << u"+01:00"_s << u"NLD"_s
            << QByteArray(
                   "'s-Hertogenbosch!+01:00!NLD.bmp\r\nAmsterdam!+01:00!NLD.bmp\r\n"
                   "Berlin!+01:00!DEU.bmp\r\nCAIRO!+02:00!EGY.bmp\r\nLima!-05:00!PER.bmp\r\n")
            << QStringList{u"'s-Hertogenbosch"_s, u"Amsterdam"_s, u"Berlin"_s, u"CAIRO"_s,
                           u"Lima"_s};
        QTest::newRow("higher than all goes last")
            << u"zurich"_s << u"+01:00"_s << u"CHE"_s
            << QByteArray(
                   "Amsterdam!+01:00!NLD.bmp\r\nBerlin!+01:00!DEU.bmp\r\n"
                   "CAIRO!+02:00!EGY.bmp\r\nLima!-05:00!PER.bmp\r\nZurich!+01:00!CHE.bmp\r\n")
            << QStringList{u"Amsterdam"_s, u"Berlin"_s, u"CAIRO"_s, u"Lima"_s, u"Zurich"_s};
    }
    void saveWritesTheLine()
    {
        QFETCH(QString, typedName);
        QFETCH(QString, typedZone);
        QFETCH(QString, code);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, list);
        open();
        fill(typedName, typedZone, code);
        click(u"cmdSave"_s);
        QVERIFY2(m_messages.messages.isEmpty(), qPrintable(m_messages.texts().join(u'|')));
        QCOMPARE(cityFile(), file);
        QCOMPARE(cityTexts(), list);
        // Save ends with New.
        QVERIFY(name()->text().isEmpty() && zone()->text().isEmpty() && flagCode().isEmpty());
    }

    void saveUpdatesTheEntry()
    {
        open();
        pickCity(u"Berlin"_s);
        zone()->setText(u"+02:00"_s);
        click(u"cmdSave"_s);
        QTreeWidgetItem *berlin = city(u"Berlin"_s);
        QCOMPARE(berlin->data(0, Qt::UserRole).toString(), u"+02:00!DEU.BMP"_s);
        QVERIFY(berlin->isSelected());
        // Another city is selected while an existing one is saved: no second entry.
        pickCity(u"Amsterdam"_s);
        fill(u"Berlin"_s, u"+01:00"_s, u"CHE"_s);
        click(u"cmdSave"_s);
        QCOMPARE(cityTexts(), (QStringList{u"Amsterdam"_s, u"Berlin"_s, u"CAIRO"_s, u"Lima"_s}));
        QCOMPARE(city(u"Berlin"_s)->data(0, Qt::UserRole).toString(), u"+01:00!CHE.BMP"_s);
        QVERIFY(m_messages.messages.isEmpty());
    }

    void deleteCity()
    {
        open(kCities + "Berlin!+01:00!DEU.bmp\r\nBERLIN!+01:00!DEU.bmp\r\n");
        pickCity(u"Berlin"_s);
        m_messages.answers = {QMessageBox::No};
        click(u"cmdDelete"_s);
        QCOMPARE(m_messages.messages.at(0).text,
                 u"Do you want to delete this country?\r\n\r\n[ Berlin ]"_s);
        QCOMPARE(m_messages.messages.at(0).icon, QMessageBox::Question);
        QCOMPARE(m_messages.messages.at(0).buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(m_messages.messages.size(), 1);

        // Yes, but a clock shows Berlin.
        click(u"cmdDelete"_s);
        QCOMPARE(m_messages.messages.size(), 3);
        QCOMPARE(m_messages.messages.at(2).text,
                 u"You can not delete this country\r\nbecause it is in-use."_s);
        QCOMPARE(m_messages.messages.at(2).icon, QMessageBox::Critical);
        QCOMPARE(cityFile().count("Berlin!"), 2);

        // Once no clock shows it, every line named exactly Berlin goes; BERLIN stays.
        loadClocks({});
        click(u"cmdDelete"_s);
        QCOMPARE(m_messages.messages.size(), 4);
        QCOMPARE(cityFile(), QByteArray("Amsterdam!+01:00!NLD.bmp\r\nCAIRO!+02:00!EGY.bmp\r\n"
                                        "Lima!-05:00!PER.bmp\r\nBERLIN!+01:00!DEU.bmp\r\n"));
        QCOMPARE(cityTexts(), (QStringList{u"Amsterdam"_s, u"BERLIN"_s, u"CAIRO"_s, u"Lima"_s}));
        QVERIFY(name()->text().isEmpty());
    }

    void deleteRefusals()
    {
        open("");
        fill(u"Bern"_s, u"+01:00"_s, QString());
        click(u"cmdDelete"_s);
        QCOMPARE(m_messages.messages.at(0).text, u"One or more field(s) are empty"_s);
        QCOMPARE(m_messages.messages.at(0).icon, QMessageBox::Critical);
        fill(u"Bern"_s, u"+01:00"_s, u"DEU"_s);
        click(u"cmdDelete"_s);
        QCOMPARE(m_messages.messages.at(1).text, u"There is no country to delete."_s);
        QCOMPARE(m_messages.messages.at(1).icon, QMessageBox::Warning);
        QCOMPARE(cityFile(), QByteArray());

        open();
        pickCity(u"Berlin"_s);
        cities()->clearSelection();
        click(u"cmdDelete"_s);
        QCOMPARE(m_messages.messages.size(), 3);
        QCOMPARE(m_messages.messages.at(2).icon, QMessageBox::Warning);
        QCOMPARE(cityFile(), kCities);

        // The city went from the file behind the dialog's back.
        pickCity(u"Amsterdam"_s);
        write(u"Cities.txt"_s, "Berlin!+01:00!DEU.bmp\r\n\r\nLima!-05:00!PER.bmp\r\n");
        click(u"cmdDelete"_s);
        QCOMPARE(m_messages.texts().mid(3),
                 (QStringList{u"Do you want to delete this country?\r\n\r\n[ Amsterdam ]"_s,
                              u"Country/City not found!"_s}));
        QCOMPARE(m_messages.messages.last().icon, QMessageBox::Warning);
        QCOMPARE(cityFile(), QByteArray("Berlin!+01:00!DEU.bmp\r\nLima!-05:00!PER.bmp\r\n"));
        QVERIFY(name()->text().isEmpty());
    }

    void fromFile_data()
    {
        QTest::addColumn<QString>("chosen"); // relative to the application folder
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("code"); // lblFlagFile afterwards
        QTest::addColumn<QString>("combo");

        QTest::newRow("cancelled") << QString() << false << QString() << QString();
        QTest::newRow("listed flag in other case")
            << u"flags/che.BMP"_s << false << u"CHE"_s << u"CHE"_s;
        QTest::newRow("new flag is pending")
            << u"flags/nzl.bmp"_s << false << u"NZL"_s << QString();
        QTest::newRow("nine characters") << u"flags/Egypt.bmp"_s << true << QString() << QString();
        QTest::newRow("other folder") << u"abc.bmp"_s << true << QString() << QString();
    }
    void fromFile()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, refused);
        QFETCH(QString, code);
        QFETCH(QString, combo);
        flag(u"../abc.bmp"_s, Qt::black);
        open();
        flag(u"nzl.bmp"_s, Qt::white); // added after the flag list was loaded
        QStringList asked;
        m_editor->setFileChooser(
            [&](QWidget *, const QString &title, const QString &folder, const QString &filter) {
                asked << title << folder << filter;
                return chosen.isEmpty() ? chosen : path(chosen);
            });
        click(u"Command1"_s);
        QCOMPARE(asked,
                 (QStringList{u"Select File"_s, path(u"flags"_s), u"Bitmap Files (*.bmp)"_s}));
        QCOMPARE(flagCode(), code);
        QCOMPARE(flags()->currentText(), combo);
        QCOMPARE(control<QLabel>(u"imgFlag"_s)->pixmap().isNull(), code.isEmpty());
        if (refused) {
            QCOMPARE(m_messages.texts(),
                     QStringList{u"The file name must be 3 letters length\r\nand be placed in "
                                 u"[flags] directory."_s});
            QCOMPARE(m_messages.messages.at(0).icon, QMessageBox::Warning);
        } else {
            QVERIFY(m_messages.messages.isEmpty());
        }
    }

    void pendingFlagJoinsTheListAtSave()
    {
        open();
        flag(u"nzl.bmp"_s, Qt::white);
        m_editor->setFileChooser([this](auto &&...) { return path(u"flags/nzl.bmp"_s); });
        QTest::keyClicks(name(), u"Wellington"_s);
        QTest::keyClicks(zone(), u"+12:00"_s);
        click(u"Command1"_s);
        click(u"cmdSave"_s);
        QVERIFY(m_messages.messages.isEmpty());
        QVERIFY(cityFile().endsWith("Lima!-05:00!PER.bmp\r\nWellington!+12:00!NZL.bmp\r\n"));
        QCOMPARE(flags()->itemText(flags()->count() - 1), u"nzl"_s);
        QVERIFY(!city(u"Wellington"_s)->icon(0).isNull());
        // The flag list now knows the code: picking the city chooses it, lower case and all.
        pickCity(u"Wellington"_s);
        QCOMPARE(flagCode(), u"nzl"_s);
        QVERIFY(!control<QLabel>(u"imgFlag"_s)->pixmap().isNull());
    }

    void failedRewriteChangesNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("save") << u"cmdSave"_s;
        QTest::newRow("delete") << u"cmdDelete"_s;
    }
    void failedRewriteChangesNothing()
    {
        QFETCH(QString, button);
        loadClocks({});
        open();
        pickCity(u"Berlin"_s);
        name()->setText(u" berlin"_s);
        QVERIFY(QDir(m_dir->path()).mkpath(u"Temp.txt/x"_s)); // the scratch file cannot be made
        click(button);
        const RecordingPresenter::Message failure = m_messages.messages.last();
        QCOMPARE(failure.icon, QMessageBox::Critical);
        QVERIFY2(failure.text.contains(u"could not be"_s), qPrintable(failure.text));
        QCOMPARE(cityFile(), kCities);
        QCOMPARE(cityTexts(), (QStringList{u"Amsterdam"_s, u"Berlin"_s, u"CAIRO"_s, u"Lima"_s}));
        QCOMPARE(name()->text(), u" berlin"_s);
        QCOMPARE(flagCode(), u"DEU"_s);
        QVERIFY(control(u"SSPanel1"_s)->isHidden());
    }

    void noOverlappingActions()
    {
        open();
        int chooserCalls = 0;
        m_editor->setFileChooser([&](auto &&...) {
            ++chooserCalls;
            // The user reaches the other buttons while the file dialog is up.
            for (const QString &button : QStringList{u"cmdSave"_s, u"cmdDelete"_s, u"Command1"_s})
                click(button);
            return QString();
        });
        click(u"Command1"_s);
        QCOMPARE(chooserCalls, 1);
        QVERIFY(m_messages.messages.isEmpty());
        // Once it is over, the buttons work again.
        click(u"cmdSave"_s);
        QCOMPARE(m_messages.texts(), QStringList{u"Select Flag First."_s});
    }

    void keyboard()
    {
        open();
        QStringList order;
        QWidget *widget = name();
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(m_editor.get()))
                order.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != name());
        QCOMPARE(order, (QStringList{u"txtCityName"_s, u"txtTimeZone"_s, u"imgCombo1"_s,
                                     u"Command1"_s, u"cmdNew"_s, u"cmdSave"_s, u"cmdDelete"_s,
                                     u"cmdClose"_s, u"CountryList"_s}));
    }

    void closes_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Close") << false;
        QTest::newRow("Escape") << true;
    }
    void closes()
    {
        QFETCH(bool, escape);
        write(u"Cities.txt"_s, kCities);
        m_app->setDialogFactory(Application::Dialog::CityEditor,
                                [](Application &app) { return new CityEditor(app); });
        m_app->showDialog(Application::Dialog::CityEditor);
        QPointer<QWidget> dialog = m_app->dialog(Application::Dialog::CityEditor);
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(m_app->isDialogOpen());
        if (escape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->findChild<QPushButton *>(u"cmdClose"_s), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
        QVERIFY(!m_app->isDialogOpen());
    }
};

QTEST_MAIN(TestCityEditor)
#include "tst_cityeditor.moc"
