#include "cities/citycombo.h"
#include "cities/cityeditor.h"
#include "support/recordingpresenter.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Keys = QList<Qt::Key>;

namespace {

const QByteArray kCities =
    u"Zürich!+01:00!CHE.bmp\r\nŁódź!+01:00!POL.bmp\r\nBerlin!+01:00!DEU.bmp"
    u"\r\nÅland Islands!+02:00!ALA.bmp\r\nAmsterdam!+01:00!NLD.bmp\r\n"_s.toUtf8();
const QStringList kAll{u"Åland Islands"_s, u"Amsterdam"_s, u"Berlin"_s, u"Łódź"_s, u"Zürich"_s};

struct PaintCounter final : QObject {
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

} // namespace

class TestCityWidgets final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingPresenter m_messages;
    SettingsState m_settings;
    std::unique_ptr<CityEditor> m_editor;
    int m_chooserCalls = 0;

    QByteArray cityFile() const
    {
        QFile file(m_dir.filePath(u"Cities.txt"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QWidget *control(const QString &name) const { return m_editor->findChild<QWidget *>(name); }
    QLineEdit *field(const QString &name) const { return m_editor->findChild<QLineEdit *>(name); }
    QTreeWidget *cities() const { return m_editor->findChild<QTreeWidget *>(u"cityList"_s); }
    void click(const QString &button) { QTest::mouseClick(control(button), Qt::LeftButton); }
    QStringList listed(bool selected = false) const
    {
        QStringList texts;
        for (int i = 0; i < cities()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = cities()->topLevelItem(i);
            if (selected ? item->isSelected() : !item->isHidden())
                texts.append(item->text(0));
        }
        return texts;
    }
    void pickCity(const QString &text)
    {
        const QTreeWidgetItem *item = cities()->findItems(text, Qt::MatchExactly).value(0);
        QVERIFY2(item, qPrintable(text));
        QTest::mouseClick(cities()->viewport(), Qt::LeftButton, {},
                          cities()->visualItemRect(item).center());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(u"en_US"_s));
        QVERIFY(QDir(m_dir.path()).mkdir(u"flags"_s));
        QImage flag(16, 11, QImage::Format_RGB32);
        flag.fill(Qt::red);
        for (const QString &code : {u"CHE"_s, u"DEU"_s, u"NLD"_s})
            QVERIFY(flag.save(m_dir.filePath(u"flags/"_s + code + u".bmp"_s), "BMP"));
        m_settings.clockList = {u"Berlin!+01:00!DEU.bmp"_s};
    }
    void init()
    {
        QFile file(m_dir.filePath(u"Cities.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kCities) == kCities.size());
        file.close();
        m_messages = {};
        m_editor = std::make_unique<CityEditor>(AppFolder(m_dir.path()), m_settings, m_messages);
        m_chooserCalls = 0;
        m_editor->setFileChooser([this](auto &&...) { return ++m_chooserCalls, QString(); });
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
        QCOMPARE(m_editor->focusWidget(), field(u"nameEdit"_s));
    }

    // Typing searches the list, the keyboard alone picks a city, and Enter in a field does
    // nothing: the dialog has no default button, so "From File" never opens by accident.
    void keyboard_data()
    {
        QTest::addColumn<QString>("start"); // the control that has the focus
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QStringList>("shown"); // the cities the list shows afterwards
        QTest::addColumn<QString>("name");      // the name field afterwards
        QTest::addColumn<QString>("focus");

        const QString search = u"citySearchEdit"_s;
        const QString name = u"nameEdit"_s;
        QTest::newRow("Enter picks the first shown")
            << search << u"zur"_s << Keys{Qt::Key_Return} << QStringList{u"Zürich"_s} << u"Zürich"_s
            << name;
        QTest::newRow("Down goes into the list and picks, Space too")
            << search << u"l"_s << Keys{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space}
            << QStringList{u"Åland Islands"_s, u"Berlin"_s, u"Łódź"_s} << u"Berlin"_s << name;
        QTest::newRow("Enter in the name field")
            << name << u"Bern"_s << Keys{Qt::Key_Return, Qt::Key_Enter} << kAll << u"Bern"_s
            << name;
    }
    void keyboard()
    {
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(Keys, keys);
        control(start)->setFocus();
        QTest::keyClicks(control(start), typed);
        for (const Qt::Key key : keys)
            QTest::keyClick(m_editor->focusWidget(), key);
        QTEST(listed(), "shown");
        QTEST(field(u"nameEdit"_s)->text(), "name");
        QTEST(m_editor->focusWidget()->objectName(), "focus");
        QCOMPARE(m_chooserCalls, 0);
        QCOMPARE(m_messages.texts(), QStringList());
        QCOMPARE(cityFile(), kCities);
    }

    void hiddenCityKeepsItsSelection()
    {
        pickCity(u"Berlin"_s);
        QTest::keyClicks(field(u"citySearchEdit"_s), u"zur"_s);
        click(u"deleteButton"_s); // Delete never acts on a city the user cannot see...
        QCOMPARE(m_messages.texts(), QStringList{u"Select the country to delete in the list."_s});
        field(u"citySearchEdit"_s)->clear(); // ...which is selected again when the search ends
        QCOMPARE(listed(true), QStringList{u"Berlin"_s});
    }

    void saveAndDelete()
    {
        // Typed letters and blanks are dropped from the zone, which holds six characters.
        QTest::keyClicks(field(u"nameEdit"_s), u"  bern"_s);
        QTest::keyClicks(field(u"zoneEdit"_s), u" +0a1:00x5"_s);
        QTest::keyClicks(control(u"flagCombo"_s), u"DEU"_s);
        click(u"saveButton"_s);
        QVERIFY(cityFile().startsWith("Bern!+01:00!DEU.bmp\r\nZ"));
        QCOMPARE(listed().mid(2, 2), (QStringList{u"Berlin"_s, u"Bern"_s}));
        QVERIFY(field(u"nameEdit"_s)->text().isEmpty()); // Save ends with New

        // What Delete refuses is told, and the file stays as it is.
        pickCity(u"Berlin"_s);
        click(u"deleteButton"_s); // Yes, but a clock shows Berlin
        const QString question = u"Do you want to delete this country?\n\n[ Berlin ]"_s;
        QCOMPARE(
            m_messages.texts(),
            (QStringList{question, u"You can not delete this country\nbecause it is in-use."_s}));
        QVERIFY(cityFile().contains("Berlin!"));

        // Delete rewrites the file behind the "Please Wait" panel, which must reach the screen.
        pickCity(u"Amsterdam"_s);
        PaintCounter waitPanel(control(u"waitPanel"_s));
        click(u"deleteButton"_s);
        QVERIFY(waitPanel.paints > 0 && control(u"waitPanel"_s)->isHidden());
        QVERIFY(!cityFile().contains("Amsterdam") && !listed().contains(u"Amsterdam"_s));
    }

    // The city combo: leaving the field takes the marked or only match, else drops the search.
    void combo()
    {
        m_editor.reset();
        QWidget window;
        auto *combo = new CityCombo(&window);
        (new QVBoxLayout(&window))->addWidget(combo);
        window.layout()->addWidget(new QLineEdit(&window));
        combo->setCities(CityListFile(AppFolder(m_dir.path())).read().value(), {},
                         CityCaption::Name);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QList<std::tuple<QString, Keys, QString>> uses{
            {u"l"_s, {Qt::Key_Tab}, kAll[4]},
            {u"l"_s, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Tab}, kAll[2]},
            {u"LODZ"_s, {Qt::Key_Tab}, kAll[3]}};
        for (const auto &[typed, keys, chosen] : uses) {
            combo->setCurrentIndex(4);
            combo->setFocus();
            QTRY_VERIFY(combo->hasFocus());
            QTest::keyClicks(combo, typed);
            for (const Qt::Key key : keys) {
                QWidget *matches = QApplication::activePopupWidget();
                QTest::keyClick(matches ? matches : static_cast<QWidget *>(combo), key);
            }
            QCOMPARE(combo->itemText(combo->currentIndex()), chosen);
            QCOMPARE(combo->lineEdit()->text(), chosen);
        }
    }
};

QTEST_MAIN(TestCityWidgets)
#include "tst_citywidgets.moc"
