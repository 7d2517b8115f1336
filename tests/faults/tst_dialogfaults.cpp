// A dialog's Save that fails: the user is told once and the clock window comes back. (That nothing
// is written on any disk fault is the writers' part: see tst_filefaults.)

#include "app/application.h"
#include "support/recordingpresenter.h"
#include "support/testfiles.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDialogFaults final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void userIsToldWhenTheOptionsCannotBeSaved()
    {
        QTemporaryDir dir;
        const AppFolder folder(dir.path());
        QVERIFY(TestFiles::writeBytes(folder.settingsFile(), "[Settings]\r\nClocks=00\r\n"));
        RecordingPresenter messages;
        Application app(folder,
                        Clock([] { return QDateTime(QDate(2024, 7, 7), QTime(12, 0), Qt::UTC); }),
                        messages);
        app.loadSettings();
        registerDialogs(app);
        app.showDialog(Application::Dialog::Options);
        QWidget *dialog = app.dialog(Application::Dialog::Options);
        dialog->findChild<QCheckBox *>(u"alwaysOnTopBox"_s)->toggle();

        // The user changed something; then Kerani.ini became a folder; then the user saves.
        QVERIFY(QFile::remove(folder.settingsFile()) && QDir(dir.path()).mkdir(u"Kerani.ini"_s));
        messages.messages.clear(); // what opening the dialog said (no face pictures here)
        QTest::mouseClick(dialog->findChild<QPushButton *>(u"saveButton"_s), Qt::LeftButton);

        QCOMPARE(messages.messages.size(), 1);
        QVERIFY2(messages.messages[0].icon == QMessageBox::Critical &&
                     messages.messages[0].text.startsWith(u"The options could not be saved: "_s),
                 qPrintable(messages.messages[0].text));
        QVERIFY(app.clockWindow());
    }
};

QTEST_MAIN(TestDialogFaults)
#include "tst_dialogfaults.moc"
