#include "app/application.h"
#include "app/commandline.h"
#include "app/singleinstance.h"
#include "app/translations.h"
#include "ui/messagepresenter.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // --print, --help and --version run before the single-instance check and without a display.
    if (CommandLine::wantsTextRun(arguments)) {
        QCoreApplication qtApp(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(KERANI_VERSION));
        Translations::installForUser(qtApp);
        QTextStream out(stdout);
        QTextStream errors(stderr);
        return CommandLine::run(QCoreApplication::arguments(),
                                AppFolder::forProgram(QCoreApplication::applicationDirPath(),
                                                      AppFolder::Environment::system()),
                                QDateTime::currentDateTime(), out, errors);
    }

    // The window changes a few small areas once a second. Sent over the X connection they cost
    // less, in this process and in the X server, than through shared memory, whose every
    // update waits for a completion event.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication qtApp(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(KERANI_VERSION));
    // Before the first window: the language also decides the windows' layout direction.
    Translations::installForUser(qtApp);
    // Lets desktops (and Wayland compositors) match the window to its launcher entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(KERANI_APP_ID));
    // The program lives in its tray icon and clock window; closing a dialog must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    AppFolder folder = AppFolder::forProgram(QCoreApplication::applicationDirPath(),
                                             AppFolder::Environment::system());
    SingleInstance instance(folder.path());
    if (!startUp(folder, instance))
        return 0; // another instance runs: end at once and silently

    MessageBoxPresenter messages;
    Application app(folder, Clock::system(), messages);
    registerDialogs(app);
    app.loadSettings();
    // Said once, when the clock window is up, and not again at every failed save.
    if (const std::optional<QString> problem = folder.cannotSaveMessage()) {
        qWarning("%s", qUtf8Printable(*problem));
        QTimer::singleShot(0, &app, [&messages, text = *problem] {
            messages.show(nullptr, QMessageBox::Warning, text, QMessageBox::Ok);
        });
    }
    return QApplication::exec();
}
