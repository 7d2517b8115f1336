#include "clocklist/clocklisteditor.h"
#include "support/recordingpresenter.h"

#include <QFile>
#include <QFontMetrics>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Cairo = u"Cairo!+02:00!EGY.bmp"_s;
const QString London = u"London!+01:00!GBR.bmp"_s; // the city list holds London at +00:00

void writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0);
}

} // namespace

class TestClockListEditor final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingPresenter m_messages;
    SettingsState m_settings;

    std::unique_ptr<ClockListEditor> open(const QStringList &clocks)
    {
        const AppFolder folder(m_dir.path());
        writeFile(folder.cityListFile(), Cairo + u"\r\nLondon!+00:00!GBR.bmp\r\n"_s);
        QString settings = u"[Settings]\r\nClocks=0%1\r\n"_s.arg(clocks.size());
        for (qsizetype i = 0; i < clocks.size(); ++i)
            settings += u"[Clock_0%1]\r\nCountry/City=%2\r\n"_s.arg(i + 1).arg(clocks[i]);
        writeFile(folder.settingsFile(), settings);
        m_settings.clockCount = qint16(clocks.size());
        m_settings.clockList = clocks;
        m_messages = {};
        auto editor = std::make_unique<ClockListEditor>(folder, m_settings, m_messages);
        editor->show();
        return editor;
    }

private Q_SLOTS:
    // A clock whose city line was changed in the city list since it was chosen is shown apart,
    // with the zone it has, in italics where the face can draw its name, and a Save keeps it.
    void changedCityIsKept()
    {
        const QString arabic = u"\u0627\u0644\u0642\u0627\u0647\u0631\u0629"_s;
        const auto editor = open({Cairo, London, arabic + u"!+02:00!EGY.bmp"_s});
        QListWidget *list = editor->findChild<QListWidget *>(u"clockList"_s);
        const QListWidgetItem *kept = list->item(1);
        QCOMPARE(kept->text(), u"London [+01:00] (not in the city list)"_s);
        QVERIFY(kept->toolTip().contains(London));
        QVERIFY(kept->font().italic() && !list->item(0)->font().italic());
        const QFontMetrics metrics(list->item(2)->font());
        for (const QChar letter : arabic)
            QVERIFY(metrics.inFont(letter));

        list->setCurrentRow(1);
        QTest::mouseClick(editor->findChild<QWidget *>(u"upButton"_s), Qt::LeftButton);
        QTest::mouseClick(editor->findChild<QWidget *>(u"saveButton"_s), Qt::LeftButton);
        QCOMPARE(m_messages.texts(), QStringList{u"Clocks list are saved!"_s});
        QFile file(AppFolder(m_dir.path()).settingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains((u"[Clock_01]\r\nCountry/City="_s + London +
                                         u"\r\n[Clock_02]\r\nCountry/City="_s + Cairo)
                                            .toUtf8()));

        const auto empty = open({}); // an empty list is not saved
        QTest::mouseClick(empty->findChild<QWidget *>(u"saveButton"_s), Qt::LeftButton);
        QCOMPARE(m_messages.texts(), QStringList{u"The list is empty ?!"_s});
    }
};

QTEST_MAIN(TestClockListEditor)
#include "tst_clocklisteditor.moc"
