#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const AppFolder folder(QCoreApplication::applicationDirPath());
    SingleInstance instance(folder.path());
    const std::optional<SettingsState> settings = startUp(folder, instance);
    if (!settings)
        return 0; // another instance runs: end at once and silently
    return 0;
}
