#include "cities/cityeditorchecks.h"
#include "cities/cityeditorlist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using CityEditorChecks::Fields;
using CityEditorChecks::FlagFileChoice;
using Outcome = FlagFileChoice::Outcome;

using IndexList = QList<qsizetype>;
using OptionalIndex = std::optional<qsizetype>;

class TestCityEditorModel final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void saveRefusal_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("message"); // empty: the Save goes ahead

        const QString empty = u"One or more field(s) are empty"_s;
        const QString zone = u"Wrong Time Zone Format"_s;
        const QString flag = u"Select Flag First."_s;
        QTest::newRow("all fields empty: the flag wins") << u""_s << u""_s << u""_s << flag;
        QTest::newRow("blank name only") << u"  "_s << u"+02:00"_s << u"EGY"_s << empty;
        QTest::newRow("blank name, bad zone") << u""_s << u"+2:00"_s << u"EGY"_s << zone;
        QTest::newRow("empty zone") << u"Cairo"_s << u""_s << u"EGY"_s << zone;
        QTest::newRow("no flag") << u"Cairo"_s << u"+02:00"_s << u""_s << flag;
        QTest::newRow("zone not trimmed") << u"Cairo"_s << u" +02:00"_s << u"EGY"_s << zone;
        QTest::newRow("+12:59") << u"Cairo"_s << u"+12:59"_s << u"EGY"_s << QString();
        QTest::newRow("-00:00") << u"Cairo"_s << u"-00:00"_s << u"EGY"_s << QString();
        QTest::newRow("+14:00 is a real zone")
            << u"Kiritimati"_s << u"+14:00"_s << u"KIR"_s << QString();
        for (const QString &bad : QStringList{u"+15:00"_s, u"+12:60"_s, u"+02-00"_s, u"02:00+"_s,
                                              u"+0a:00"_s, u"+02:000"_s})
            QTest::newRow(qPrintable(bad)) << u"Cairo"_s << bad << u"EGY"_s << zone;
    }
    void saveRefusal()
    {
        QFETCH(QString, name);
        QFETCH(QString, zone);
        QFETCH(QString, flag);
        QFETCH(QString, message);
        QCOMPARE(CityEditorChecks::saveRefusal({name, zone, flag}).value_or(QString()), message);
        // Delete checks only for empty fields.
        const bool empty = name.trimmed().isEmpty() || zone.trimmed().isEmpty() || flag.isEmpty();
        QCOMPARE(CityEditorChecks::deleteRefusal({name, zone, flag}).has_value(), empty);
    }

    void savedEntry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("line");

        QTest::newRow("trimmed, first letter up") << u"  cairo "_s << u"Cairo!+02:00!EGY.bmp"_s;
        QTest::newRow("rest as typed") << u"new yORK"_s << u"New yORK!+02:00!EGY.bmp"_s;
        QTest::newRow("digit first") << u"6th of May"_s << u"6th of May!+02:00!EGY.bmp"_s;
        QTest::newRow("one to one casing") << u"ßa"_s << u"ßa!+02:00!EGY.bmp"_s;
        QTest::newRow("accented") << u"évora"_s << u"Évora!+02:00!EGY.bmp"_s;
        QTest::newRow("outside the BMP") << u"𐐨x"_s << u"𐐀x!+02:00!EGY.bmp"_s;
    }
    void savedEntry()
    {
        QFETCH(QString, name);
        QFETCH(QString, line);
        QCOMPARE(CityEditorChecks::savedEntry({name, u"+02:00"_s, u"EGY"_s}).toLine(), line);
    }

    void isInUse_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("inUse");

        QTest::newRow("exact") << u"Lima"_s << true;
        QTest::newRow("case counts") << u"lima"_s << false;
        QTest::newRow("name holding the separator") << u"A!B"_s << true;
        QTest::newRow("part of a name") << u"A"_s << false;
        QTest::newRow("short entry names nothing") << u""_s << false;
    }
    void isInUse()
    {
        QFETCH(QString, name);
        QFETCH(bool, inUse);
        const QStringList clocks{u"00"_s, u"Lima!-05:00!PER.bmp"_s, u"A!B!+01:00!ABC.bmp"_s};
        QCOMPARE(CityEditorChecks::isInUse(clocks, name), inUse);
    }

    void zoneKey_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("accepted");

        const Qt::KeyboardModifiers none;
        QTest::newRow("digits and signs") << u"0123456789+-:"_s << none << true;
        QTest::newRow("keypad digit")
            << u"7"_s << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
        QTest::newRow("backspace") << u"\b"_s << none << true;
        QTest::newRow("no text (arrows)") << QString() << none << true;
        QTest::newRow("paste as a control character")
            << u"\x16"_s << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::newRow("paste as a letter")
            << u"v"_s << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::newRow("Cmd+V") << u"v"_s << Qt::KeyboardModifiers(Qt::MetaModifier) << true;
        QTest::newRow("letter") << u"a"_s << none << false;
        QTest::newRow("shifted letter")
            << u"A"_s << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
        QTest::newRow("AltGr as Ctrl+Alt")
            << u"@"_s << (Qt::ControlModifier | Qt::AltModifier) << false;
        QTest::newRow("space") << u" "_s << none << false;
        QTest::newRow("other separator") << u"."_s << none << false;
        QTest::newRow("arabic-indic digit") << u"\u0662"_s << none << false;
    }
    void zoneKey()
    {
        QFETCH(QString, text);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, accepted);
        QCOMPARE(CityEditorChecks::acceptsZoneKey(text, modifiers), accepted);
    }

    void flagFile_data()
    {
        QTest::addColumn<QString>("path"); // relative to the application folder
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("code");

        QTest::newRow("cancelled") << QString() << Outcome::Cancelled << QString();
        QTest::newRow("no such file") << u"flags/xyz.bmp"_s << Outcome::Cancelled << QString();
        QTest::newRow("lower-case name") << u"flags/egy.bmp"_s << Outcome::Accepted << u"EGY"_s;
        QTest::newRow("upper-case extension")
            << u"flags/1a2.BMP"_s << Outcome::Accepted << u"1A2"_s;
        QTest::newRow("folder reached by a link")
            << u"link/egy.bmp"_s << Outcome::Accepted << u"EGY"_s;
        QTest::newRow("dots in the path")
            << u"flags/../flags/egy.bmp"_s << Outcome::Accepted << u"EGY"_s;
        QTest::newRow("too long") << u"flags/Egypt.bmp"_s << Outcome::Refused << QString();
        QTest::newRow("not a bitmap") << u"flags/egy.png"_s << Outcome::Refused << QString();
        QTest::newRow("other folder") << u"abc.bmp"_s << Outcome::Refused << QString();
        QTest::newRow("sub-folder") << u"flags/sub/abc.bmp"_s << Outcome::Refused << QString();
    }
    void flagFile()
    {
        QFETCH(QString, path);
        QFETCH(Outcome, outcome);
        QFETCH(QString, code);
        QVERIFY(m_dir.isValid());
        const QDir root(m_dir.path());
        if (!root.exists(u"flags"_s)) {
            QVERIFY(root.mkpath(u"flags/sub"_s));
            for (const QString &name :
                 QStringList{u"flags/egy.bmp"_s, u"flags/1a2.BMP"_s, u"flags/Egypt.bmp"_s,
                             u"flags/egy.png"_s, u"abc.bmp"_s, u"flags/sub/abc.bmp"_s}) {
                QFile file(root.filePath(name));
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
            QVERIFY(QFile::link(root.filePath(u"flags"_s), root.filePath(u"link"_s)));
        }
        const FlagFileChoice choice = CityEditorChecks::checkFlagFile(
            path.isEmpty() ? path : root.filePath(path), root.filePath(u"flags"_s));
        QCOMPARE(choice.outcome, outcome);
        QCOMPARE(choice.code, code);
    }

    void planSave_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<OptionalIndex>("selected");
        QTest::addColumn<QStringList>("replaced");
        QTest::addColumn<IndexList>("removed");
        QTest::addColumn<OptionalIndex>("reused");

        const QString cairo = u"Cairo!+02:00!EGY.bmp"_s;
        const QString upper = u"CAIRO!+02:00!EGY.bmp"_s;
        const QString berlin = u"Berlin!+01:00!DEU.bmp"_s;
        const QString oddName = u"Cairo!x!+02:00!EGY.bmp"_s;
        const QStringList list{berlin, upper, cairo, oddName};
        QTest::newRow("new city") << list << OptionalIndex(0) << QStringList() << IndexList()
                                  << OptionalIndex();
        QTest::newRow("selected entry takes the line")
            << list << OptionalIndex(2) << QStringList{upper, cairo} << IndexList{1}
            << OptionalIndex(2);
        QTest::newRow("another entry selected: no duplicate")
            << list << OptionalIndex(0) << QStringList{upper, cairo} << IndexList{1}
            << OptionalIndex(2);
        QTest::newRow("only other spellings replaced")
            << list << OptionalIndex() << QStringList{upper} << IndexList{1} << OptionalIndex();
        QTest::newRow("a line twice in the file")
            << QStringList{cairo, berlin, cairo} << OptionalIndex(2) << QStringList{cairo, cairo}
            << IndexList{0} << OptionalIndex(2);
        QTest::newRow("same text, line not replaced")
            << list << OptionalIndex(3) << QStringList() << IndexList() << OptionalIndex();
    }
    void planSave()
    {
        QFETCH(QStringList, entries);
        QFETCH(OptionalIndex, selected);
        QFETCH(QStringList, replaced);
        QFETCH(IndexList, removed);
        QFETCH(OptionalIndex, reused);
        const CityEditorList::SaveChange change =
            CityEditorList::planSave(entries, selected, replaced, u"Cairo!+03:00!EGY.bmp");
        QCOMPARE(change.removed, removed);
        QCOMPARE(change.reused, reused);
    }

    void planDeleteAndEntry()
    {
        const QStringList entries{u"Lima!-05:00!PER.bmp"_s, u"LIMA!-05:00!PER.bmp"_s,
                                  u"Lima!x!-05:00!PER.bmp"_s, u"Lima!-04:00!PER.bmp"_s};
        QCOMPARE(CityEditorList::planDelete(entries, u"Lima"), (IndexList{0, 2, 3}));

        const auto entry = CityEditorList::Entry::fromLine(u"Cairo!x!+02:00!egy.bmp");
        QCOMPARE(entry.text, u"Cairo"_s);
        QCOMPARE(entry.data, u"+02:00!EGY.BMP"_s);
        QCOMPARE(entry.zone, u"+02:00"_s);
        QCOMPARE(entry.code, u"EGY"_s);
        // One character to one: "ß" would become "SS" and push the code off its place.
        const auto doubled = CityEditorList::Entry::fromLine(u"Aachen!+0\u00DF:00!deu.bmp");
        QCOMPARE(doubled.zone, u"+0\u00DF:00"_s);
        QCOMPARE(doubled.code, u"DEU"_s);
    }
};

QTEST_GUILESS_MAIN(TestCityEditorModel)
#include "tst_cityeditormodel.moc"
