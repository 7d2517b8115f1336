#include "app/application.h"
#include "cities/cityeditor.h"
#include "support/recordingpresenter.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kCities = "Amsterdam!+01:00!NLD.bmp\r\nBerlin!+01:00!DEU.bmp\r\n\r\n"
                           "CAIRO!+02:00!EGY.bmp\r\nLima!-05:00!PER.bmp\r\n";
const QStringList kListed{u"Amsterdam"_s, u"Berlin"_s, u"CAIRO"_s, u"Lima"_s};

} // namespace

/// Counts the paint events a widget receives.
struct PaintCounter final : QObject {
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

class TestCityEditor final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPresenter m_messages;
    std::unique_ptr<Application> m_app;
    std::unique_ptr<CityEditor> m_editor;
    const QFont m_font = QApplication::font();

    QString path(const QString &name) const { return m_dir->filePath(name); }
    // The messages shown so far, oldest first, as "Icon: text".
    QStringList shown() const
    {
        const QMetaEnum icons = QMetaEnum::fromType<QMessageBox::Icon>();
        QStringList result;
        for (const RecordingPresenter::Message &message : m_messages.messages)
            result.append(QLatin1StringView(icons.valueToKey(message.icon)) + u": "_s +
                          message.text);
        return result;
    }
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
        QByteArray text = "[Settings]\r\nClocks=" + QByteArray::number(clocks.size()) + "\r\n";
        for (qsizetype i = 0; i < clocks.size(); ++i)
            text += "[Clock_0" + QByteArray::number(i + 1) +
                    "]\r\nCountry/City=" + clocks.at(i).toUtf8() + "\r\n";
        write(u"Kerani.ini"_s, text);
        m_app->loadSettings();
    }
    // Opens the editor on that city list, with the platform font (0) or one of that many pixels.
    void open(const QByteArray &cities = kCities, int pixelSize = 0)
    {
        write(u"Cities.txt"_s, cities);
        if (pixelSize > 0) {
            QFont font = m_font;
            font.setPixelSize(pixelSize);
            QApplication::setFont(font); // cleanup() restores it
        }
        m_editor = std::make_unique<CityEditor>(m_app->appFolder(), m_app->settings(), m_messages);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }

    template<typename T = QWidget> T *control(const QString &name) const
    {
        T *found = m_editor->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit *name() const { return control<QLineEdit>(u"nameEdit"_s); }
    QLineEdit *zone() const { return control<QLineEdit>(u"zoneEdit"_s); }
    QComboBox *flags() const { return control<QComboBox>(u"flagCombo"_s); }
    QString flagCode() const { return control<QLabel>(u"flagCodeLabel"_s)->text(); }
    bool showsFlag() const { return !control<QLabel>(u"flagPicture"_s)->pixmap().isNull(); }
    QTreeWidget *cities() const { return control<QTreeWidget>(u"cityList"_s); }
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
    void initTestCase()
    {
        // The list's order is the user's language's; these tests read it in English.
        QLocale::setDefault(QLocale(u"en_US"_s));
    }
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
        const QDateTime now = QDateTime::fromString(u"2024-07-07T12:00:00Z"_s, Qt::ISODate);
        m_app = std::make_unique<Application>(AppFolder(m_dir->path()),
                                              Clock([now] { return now; }), m_messages);
        loadClocks({u"Berlin!+01:00!DEU.bmp"_s});
    }
    void cleanup()
    {
        QApplication::setFont(m_font);
        m_editor.reset();
        m_app.reset();
        m_dir.reset();
    }

    void layout_data()
    {
        QTest::addColumn<int>("pixelSize"); // 0: the platform font
        QTest::newRow("small font") << 11;
        QTest::newRow("platform font") << 0;
        QTest::newRow("large font") << 17;
        QTest::newRow("very large font") << 24;
    }
    void layout()
    {
        QFETCH(int, pixelSize);
        open(kCities, pixelSize);
        QCOMPARE(m_editor->minimumSize(), m_editor->maximumSize());
        // The form's size (449 x 282) at least; where its texts fit, no more than the style's
        // margins add.
        QVERIFY(m_editor->width() >= 449 && m_editor->height() >= 282);
        if (pixelSize == 11)
            QVERIFY2(m_editor->width() <= 449 + 8 && m_editor->height() <= 282 + 8,
                     qPrintable(u"%1 x %2"_s.arg(m_editor->width()).arg(m_editor->height())));
        const QList<QWidget *> widgets =
            m_editor->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *widget : widgets) {
            const QByteArray objectName = widget->objectName().toUtf8();
            const char *name = objectName.constData();
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(), name);
            QVERIFY2(!accessible->text(QAccessible::Name).contains(u'&'), name);
            if (widget->isHidden())
                continue;
            QVERIFY2(m_editor->rect().contains(widget->geometry()), name);
            QVERIFY2(widget->height() >= widget->sizeHint().height() || widget == cities() ||
                         widget->objectName() == u"flagPicture"_s,
                     name);
            // Captions are never cut.
            if (widget == cities())
                QVERIFY(cities()->header()->sectionSize(0) >=
                        cities()->header()->sectionSizeHint(0));
            if (const auto *label = qobject_cast<QLabel *>(widget))
                QVERIFY2(label->width() >= label->sizeHint().width(), name);
            if (const auto *button = qobject_cast<QPushButton *>(widget))
                QVERIFY2(
                    button->width() >
                        button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width(),
                    name);
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
        // Name order, upper-cased; of EGY.bmp and Egypt.bmp, which share a code, the first is kept.
        QCOMPARE(codes, (QStringList{u"CHE"_s, u"DEU"_s, u"EGY"_s, u"NLD"_s}));
        QCOMPARE(flags()->currentIndex(), -1);
        QCOMPARE(cityTexts(), kListed);
        QVERIFY(!city(u"CAIRO"_s)->icon(0).isNull());
        QVERIFY(city(u"Lima"_s)->icon(0).isNull()); // PER.bmp is missing
        QCOMPARE(cities()->selectedItems(), QList<QTreeWidgetItem *>{city(u"Amsterdam"_s)});
        // Selecting the first city does not pick it.
        QVERIFY(name()->text().isEmpty() && flagCode().isEmpty());
        QCOMPARE(m_editor->focusWidget(), name());
        const QWidget *panel = control(u"waitPanel"_s);
        QVERIFY(panel->isHidden());
        QVERIFY((panel->geometry().center() - m_editor->rect().center()).manhattanLength() <= 2);

        QStringList tabOrder;
        QWidget *widget = name();
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(m_editor.get()))
                tabOrder.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != name());
        QCOMPARE(tabOrder,
                 (QStringList{u"nameEdit"_s, u"zoneEdit"_s, u"flagCombo"_s, u"fromFileButton"_s,
                              u"newButton"_s, u"saveButton"_s, u"deleteButton"_s, u"closeButton"_s,
                              u"citySearchEdit"_s, u"cityList"_s}));

        // Every button and every field's label has a mnemonic of its own.
        QList<QKeySequence> mnemonics;
        for (const QPushButton *button : m_editor->findChildren<QPushButton *>())
            mnemonics.append(QKeySequence::mnemonic(button->text()));
        for (const QLabel *label : m_editor->findChildren<QLabel *>()) {
            if (label->buddy())
                mnemonics.append(QKeySequence::mnemonic(label->text()));
        }
        QCOMPARE(mnemonics.size(), 8);
        QVERIFY(!mnemonics.contains(QKeySequence()));
        QCOMPARE(QSet<QKeySequence>(mnemonics.cbegin(), mnemonics.cend()).size(), mnemonics.size());
    }

    void pickCity()
    {
        open();
        pickCity(u"CAIRO"_s);
        QCOMPARE(name()->text(), u"CAIRO"_s);
        QCOMPARE(zone()->text(), u"+02:00"_s);
        QCOMPARE(flags()->currentText(), u"EGY"_s);
        QCOMPARE(flagCode(), u"EGY"_s);
        QVERIFY(showsFlag());
        QCOMPARE(m_editor->focusWidget(), name());
        // A city whose flag bitmap is missing gets its name and zone, and no flag.
        pickCity(u"Lima"_s);
        QCOMPARE(zone()->text(), u"-05:00"_s);
        QCOMPARE(flags()->currentIndex(), -1);
        QVERIFY(flagCode().isEmpty() && !showsFlag());
        // The keyboard picks too, leaving the focus in the list.
        cities()->setFocus();
        QTest::keyClick(cities(), Qt::Key_Up);
        QCOMPARE(name()->text(), u"CAIRO"_s);
        click(u"newButton"_s);
        QVERIFY(name()->text().isEmpty() && zone()->text().isEmpty() && flagCode().isEmpty());
    }

    // Typing searches the list, the keyboard alone picks a city, and Enter in a field does
    // nothing: the dialog has no default button.
    void keyboard_data()
    {
        QTest::addColumn<QString>("start"); // the control that has the focus
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<QStringList>("shown"); // the cities the list shows afterwards
        QTest::addColumn<QString>("name");      // the name field afterwards
        QTest::addColumn<QString>("focus");     // empty: the dialog is closed

        const QString search = u"citySearchEdit"_s;
        const QString nameEdit = u"nameEdit"_s;
        const QStringList all{u"Åland Islands"_s, u"Amsterdam"_s, u"Berlin"_s, u"Łódź"_s,
                              u"Zürich"_s};
        const QStringList l{u"Åland Islands"_s, u"Berlin"_s, u"Łódź"_s};
        using Keys = QList<Qt::Key>;
        QTest::newRow("alphabetical order")
            << search << QString() << Keys{} << all << QString() << search;
        QTest::newRow("typing filters, case and accents aside")
            << search << u"LODZ"_s << Keys{} << QStringList{u"Łódź"_s} << QString() << search;
        QTest::newRow("Enter picks the first shown")
            << search << u"zur"_s << Keys{Qt::Key_Return} << QStringList{u"Zürich"_s} << u"Zürich"_s
            << nameEdit;
        QTest::newRow("Down goes into the list and picks")
            << search << u"l"_s << Keys{Qt::Key_Down, Qt::Key_Down} << l << u"Berlin"_s
            << u"cityList"_s;
        QTest::newRow("then Space picks as a click")
            << search << u"l"_s << Keys{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space} << l
            << u"Berlin"_s << nameEdit;
        QTest::newRow("typing in the list searches")
            << u"cityList"_s << u"lodz"_s << Keys{} << QStringList{u"Łódź"_s} << QString()
            << search;
        QTest::newRow("Escape ends the search")
            << search << u"zur"_s << Keys{Qt::Key_Escape} << all << QString() << search;
        QTest::newRow("a second Escape closes")
            << search << u"zur"_s << Keys{Qt::Key_Escape, Qt::Key_Escape} << all << QString()
            << QString();
        QTest::newRow("Enter in the name field")
            << nameEdit << u"Bern"_s << Keys{Qt::Key_Return, Qt::Key_Enter} << all << u"Bern"_s
            << nameEdit;
        QTest::newRow("Enter in the zone field")
            << u"zoneEdit"_s << u"+01:00"_s << Keys{Qt::Key_Return} << all << QString()
            << u"zoneEdit"_s;
    }
    void keyboard()
    {
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(QString, focus);
        const QByteArray file = u"Zürich!+01:00!CHE.bmp\r\nŁódź!+01:00!POL.bmp\r\n"
                                u"Berlin!+01:00!DEU.bmp\r\nÅland Islands!+02:00!ALA.bmp\r\n"
                                u"Amsterdam!+01:00!NLD.bmp\r\n"_s.toUtf8();
        open(file);
        int chooserCalls = 0;
        m_editor->setFileChooser([&](auto &&...) {
            ++chooserCalls;
            return QString();
        });
        control(start)->setFocus();
        QTest::keyClicks(control(start), typed);
        for (const Qt::Key key : keys)
            QTest::keyClick(m_editor->focusWidget(), key);

        QStringList shown;
        for (int i = 0; i < cities()->topLevelItemCount(); ++i) {
            if (!cities()->topLevelItem(i)->isHidden())
                shown.append(cities()->topLevelItem(i)->text(0));
        }
        QTEST(shown, "shown");
        QTEST(name()->text(), "name");
        QCOMPARE(m_editor->isVisible() ? m_editor->focusWidget()->objectName() : QString(), focus);
        QCOMPARE(chooserCalls, 0);
        QVERIFY2(m_messages.messages.isEmpty(), qPrintable(m_messages.texts().join(u'|')));
        QCOMPARE(cityFile(), file);
    }

    void zoneField()
    {
        open();
        // Typed letters and blanks are dropped, and the field holds six characters...
        fill(u"Bern"_s, u" +0a5:3 0x1"_s, u"DEU"_s);
        QCOMPARE(zone()->text(), u"+05:30"_s);
        QTest::keyClick(zone(), Qt::Key_Backspace);
        QCOMPARE(zone()->text(), u"+05:3"_s);
        // ...but pasted text goes in as it is, and Save checks the whole zone.
        zone()->clear();
        QGuiApplication::clipboard()->setText(u"ab:cd"_s);
        QTest::keyClick(zone(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(zone()->text(), u"ab:cd"_s);
        click(u"saveButton"_s);
        QCOMPARE(shown(), QStringList{u"Critical: Wrong Time Zone Format"_s});
        QCOMPARE(cityFile(), kCities);
        QCOMPARE(cityTexts(), kListed);
        QCOMPARE(name()->text(), u"Bern"_s);
    }

    void save()
    {
        open();
        fill(u"Bern"_s, u"+01:00"_s, u"DEU"_s);
        click(u"saveButton"_s);
        QVERIFY(cityFile().contains("\r\nBern!+01:00!DEU.bmp\r\n"));
        QCOMPARE(cityTexts().mid(1, 3), (QStringList{u"Berlin"_s, u"Bern"_s, u"CAIRO"_s}));
        // Save ends with New.
        QVERIFY(name()->text().isEmpty() && zone()->text().isEmpty() && flagCode().isEmpty());

        // The name is saved trimmed and capitalised; the entry of the CAIRO line it replaced goes.
        pickCity(u"CAIRO"_s);
        fill(u"  cairo"_s, u"+03:00"_s, QString());
        click(u"saveButton"_s);
        QVERIFY(cityFile().contains("Cairo!+03:00!EGY.bmp") && !cityFile().contains("CAIRO"));
        QCOMPARE(cityTexts().mid(2), (QStringList{u"Bern"_s, u"Cairo"_s, u"Lima"_s}));

        // The selected city saved again keeps its entry and its selection.
        pickCity(u"Berlin"_s);
        zone()->setText(u"+02:00"_s);
        click(u"saveButton"_s);
        QCOMPARE(cityTexts().size(), 5);
        QCOMPARE(city(u"Berlin"_s)->data(0, Qt::UserRole).toString(), u"+02:00!DEU.BMP"_s);
        QVERIFY(city(u"Berlin"_s)->isSelected());
        QVERIFY2(m_messages.messages.isEmpty(), qPrintable(m_messages.texts().join(u'|')));
    }

    void deleteCity()
    {
        open(kCities + "Berlin!+01:00!DEU.bmp\r\nBERLIN!+01:00!DEU.bmp\r\n");
        pickCity(u"Berlin"_s);
        m_messages.answers = {QMessageBox::No};
        click(u"deleteButton"_s); // answered No
        click(u"deleteButton"_s); // Yes, but a clock shows Berlin
        const QString question = u"Question: Do you want to delete this country?\n\n[ Berlin ]"_s;
        QCOMPARE(
            shown(),
            (QStringList{question, question,
                         u"Critical: You can not delete this country\nbecause it is in-use."_s}));
        QCOMPARE(m_messages.messages.at(0).buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(cityFile().count("Berlin!"), 2);

        // Once no clock shows it, every line named exactly Berlin goes; BERLIN stays.
        loadClocks({});
        click(u"deleteButton"_s);
        QCOMPARE(m_messages.messages.size(), 4);
        QCOMPARE(cityFile().count("Berlin!"), 0);
        QCOMPARE(cityTexts(), (QStringList{u"Amsterdam"_s, u"BERLIN"_s, u"CAIRO"_s, u"Lima"_s}));
        QVERIFY(name()->text().isEmpty());
    }

    void deleteRefusals()
    {
        open("");
        fill(u"Bern"_s, u"+01:00"_s, QString());
        click(u"deleteButton"_s);
        fill(u"Bern"_s, u"+01:00"_s, u"DEU"_s);
        click(u"deleteButton"_s);
        QCOMPARE(shown(), (QStringList{u"Critical: One or more field(s) are empty"_s,
                                       u"Warning: There is no country to delete."_s}));
        QCOMPARE(cityFile(), QByteArray());

        open();
        pickCity(u"Berlin"_s);
        cities()->clearSelection();
        click(u"deleteButton"_s);
        // The city went from the file behind the dialog's back.
        pickCity(u"Amsterdam"_s);
        write(u"Cities.txt"_s, "Berlin!+01:00!DEU.bmp\r\n\r\nLima!-05:00!PER.bmp\r\n");
        click(u"deleteButton"_s);
        QCOMPARE(shown().mid(2),
                 (QStringList{u"Warning: Select the country to delete in the list."_s,
                              u"Question: Do you want to delete this country?\n\n[ Amsterdam ]"_s,
                              u"Warning: Country/City not found!"_s}));
        QCOMPARE(cityFile(), QByteArray("Berlin!+01:00!DEU.bmp\r\nLima!-05:00!PER.bmp\r\n"));
        QVERIFY(name()->text().isEmpty());
    }

    void fromFile_data()
    {
        QTest::addColumn<QString>("chosen"); // relative to the application folder
        QTest::addColumn<QString>("code");   // lblFlagFile afterwards
        QTest::addColumn<QString>("combo");
        QTest::addColumn<bool>("refused");

        QTest::newRow("cancelled") << QString() << QString() << QString() << false;
        QTest::newRow("listed flag in other case")
            << u"flags/che.BMP"_s << u"CHE"_s << u"CHE"_s << false;
        QTest::newRow("new flag is pending")
            << u"flags/nzl.bmp"_s << u"NZL"_s << QString() << false;
        QTest::newRow("refused") << u"abc.bmp"_s << QString() << QString() << true;
    }
    void fromFile()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, code);
        QFETCH(bool, refused);
        flag(u"../abc.bmp"_s, Qt::black);
        open();
        flag(u"nzl.bmp"_s, Qt::white); // added after the flag list was loaded
        QStringList asked;
        m_editor->setFileChooser(
            [&](QWidget *, const QString &title, const QString &folder, const QString &filter) {
                asked << title << folder << filter;
                return chosen.isEmpty() ? chosen : path(chosen);
            });
        click(u"fromFileButton"_s);
        QCOMPARE(asked,
                 (QStringList{u"Select File"_s, path(u"flags"_s), u"Bitmap Files (*.bmp)"_s}));
        QCOMPARE(flagCode(), code);
        QTEST(flags()->currentText(), "combo");
        QCOMPARE(showsFlag(), !code.isEmpty());
        const QString wrongFile = u"Warning: The file name must be 3 letters length\nand be "
                                  u"placed in [flags] directory."_s;
        QCOMPARE(shown(), refused ? QStringList{wrongFile} : QStringList());
    }

    void pendingFlagJoinsTheListAtSave()
    {
        open();
        flag(u"nzl.bmp"_s, Qt::white);
        m_editor->setFileChooser([this](auto &&...) { return path(u"flags/nzl.bmp"_s); });
        fill(u"Wellington"_s, u"+12:00"_s, QString());
        click(u"fromFileButton"_s);
        click(u"saveButton"_s);
        QVERIFY(m_messages.messages.isEmpty());
        QVERIFY(cityFile().endsWith("Lima!-05:00!PER.bmp\r\nWellington!+12:00!NZL.bmp\r\n"));
        QCOMPARE(flags()->itemText(flags()->count() - 1), u"nzl"_s);
        QVERIFY(!city(u"Wellington"_s)->icon(0).isNull());
        // The flag list now knows the code: picking the city chooses it, lower case and all.
        pickCity(u"Wellington"_s);
        QCOMPARE(flagCode(), u"nzl"_s);
        QVERIFY(showsFlag());
    }

    void failedRewriteChangesNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("save") << u"saveButton"_s;
        QTest::newRow("delete") << u"deleteButton"_s;
    }
    void failedRewriteChangesNothing()
    {
        QFETCH(QString, button);
        loadClocks({});
        open();
        pickCity(u"Berlin"_s);
        name()->setText(u" berlin"_s);
        QVERIFY(QDir(m_dir->path()).mkpath(u"Temp.txt/x"_s)); // the scratch file cannot be made
        PaintCounter waitPanel(control(u"waitPanel"_s));
        click(button);
        // Delete rewrites the file behind the "Please Wait" panel, which must reach the screen.
        QCOMPARE(waitPanel.paints > 0, button == u"deleteButton"_s);
        QCOMPARE(shown().size(), button == u"deleteButton"_s ? 2 : 1); // after the question
        QVERIFY2(shown().last().startsWith(u"Critical: "_s) &&
                     shown().last().contains(u"could not be"_s),
                 qPrintable(shown().join(u'|')));
        QCOMPARE(cityFile(), kCities);
        QCOMPARE(cityTexts(), kListed);
        QCOMPARE(name()->text(), u" berlin"_s);
        QCOMPARE(flagCode(), u"DEU"_s);
        QVERIFY(control(u"waitPanel"_s)->isHidden());
    }

    void noOverlappingActions()
    {
        open();
        int chooserCalls = 0;
        m_editor->setFileChooser([&](auto &&...) {
            ++chooserCalls;
            // The user reaches the other buttons while the file dialog is up.
            for (const QString &button :
                 QStringList{u"saveButton"_s, u"deleteButton"_s, u"fromFileButton"_s})
                click(button);
            return QString();
        });
        click(u"fromFileButton"_s);
        QCOMPARE(chooserCalls, 1);
        QVERIFY(m_messages.messages.isEmpty());
        // Once it is over, the buttons work again.
        click(u"saveButton"_s);
        QCOMPARE(m_messages.texts(), QStringList{u"Select Flag First."_s});
    }

    void closes()
    {
        // The application destroys a closed dialog; that is its own test's business.
        for (const bool escape : {false, true}) {
            open();
            if (escape)
                QTest::keyClick(m_editor.get(), Qt::Key_Escape);
            else
                click(u"closeButton"_s);
            QVERIFY2(!m_editor->isVisible(), escape ? "Escape" : "Close");
        }
    }
};

QTEST_MAIN(TestCityEditor)
#include "tst_cityeditor.moc"
