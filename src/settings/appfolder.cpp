#include "settings/appfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's messages, for translators.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(AppFolder)
};

bool existsInAnyForm(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// An XDG base folder: the variable's value when it is an absolute path (relative ones are to be
// ignored), else the default under the home folder.
QString baseFolder(const QString &value, const QString &home, QStringView fallback)
{
    return QDir::isAbsolutePath(value) ? value : home % u'/' % fallback;
}

} // namespace

AppFolder::Environment AppFolder::Environment::system()
{
    return {QDir::homePath(), qEnvironmentVariable("XDG_CONFIG_HOME"),
            qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("KERANI_MODE")};
}

AppFolder::AppFolder(QString path)
    : AppFolder(Mode::Portable, path, path, path)
{
}

AppFolder::AppFolder(Mode mode, QString configFolder, QString dataFolder, QString factoryFolder)
    : m_mode(mode)
    , m_configFolder(QDir::cleanPath(std::move(configFolder)))
    , m_dataFolder(QDir::cleanPath(std::move(dataFolder)))
    , m_factoryFolder(QDir::cleanPath(std::move(factoryFolder)))
{
}

AppFolder AppFolder::forProgram(const QString &programFolder, const Environment &environment)
{
    const AppFolder portable(programFolder);
    const bool isApplicationFolder = QFileInfo::exists(portable.factorySettingsFile());
    if (environment.mode == u"portable"_s)
        return portable;
    if (environment.mode != u"user"_s) {
        // A Kerani.ini beside the program keeps it portable even where the folder is read-only:
        // the user chose to keep the settings there.
        if (existsInAnyForm(portable.settingsFile()))
            return portable;
        if (isApplicationFolder && QFileInfo(portable.path()).isWritable())
            return portable;
    }
    // Installed as bin/kerani and share/kerani/ under one prefix, whichever it is.
    const QString factory =
        isApplicationFolder ? portable.path() : portable.path() % u"/../share/kerani"_s;
    return AppFolder(
        Mode::PerUser,
        baseFolder(environment.configHome, environment.home, u".config") % u"/kerani"_s,
        baseFolder(environment.dataHome, environment.home, u".local/share") % u"/kerani"_s,
        factory);
}

QStringList AppFolder::userFolders() const
{
    QStringList folders{m_configFolder, m_dataFolder};
    folders.removeDuplicates();
    // In portable mode the user's flags are the factory flags folder, which is not the user's to
    // make.
    if (m_mode == Mode::PerUser)
        folders.append(flagsFolder());
    return folders;
}

QString AppFolder::settingsFile() const
{
    return m_settingsFromFactory ? factorySettingsFile() : m_configFolder % u"/Kerani.ini"_s;
}

QString AppFolder::factorySettingsFile() const
{
    return m_factoryFolder % u"/Kerani.bak"_s;
}

QString AppFolder::cityListFile() const
{
    return m_cityListFromFactory ? factoryCityListFile() : m_dataFolder % u"/Cities.txt"_s;
}

QString AppFolder::factoryCityListFile() const
{
    return m_factoryFolder % u"/Cities.bak"_s;
}
QString AppFolder::scratchFile() const
{
    return m_dataFolder % u'/' % ScratchFileName;
}
QString AppFolder::helpFile() const
{
    return m_factoryFolder % u"/kerani.html"_s;
}
QString AppFolder::zoneTableFile() const
{
    return m_factoryFolder % u"/Zones.txt"_s;
}
QString AppFolder::flagsFolder() const
{
    return m_dataFolder % u"/flags"_s;
}

QStringList AppFolder::flagFolders() const
{
    QStringList folders{flagsFolder(), m_factoryFolder % u"/flags"_s};
    folders.removeDuplicates();
    return folders;
}

QString AppFolder::clocksFolder() const
{
    return m_factoryFolder % u"/clocks"_s;
}
QString AppFolder::backgroundsFolder() const
{
    return m_factoryFolder % u"/backgrounds"_s;
}

AppFolder AppFolder::readingFactoryCopiesOfMissingFiles() const
{
    AppFolder result = *this;
    result.m_settingsFromFactory = m_settingsFromFactory || !existsInAnyForm(settingsFile());
    result.m_cityListFromFactory = m_cityListFromFactory || !existsInAnyForm(cityListFile());
    return result;
}

namespace {

std::optional<QString> factoryCopyRefusal(bool readingFactoryCopy, const QString &userFile,
                                          const QString &factoryCopy)
{
    if (!readingFactoryCopy)
        return std::nullopt;
    return Texts::tr("%1 could not be made when Kerani started, and Kerani runs on its factory "
                     "copy %2, which it never changes.")
        .arg(QDir::toNativeSeparators(userFile), QDir::toNativeSeparators(factoryCopy));
}

} // namespace

std::optional<QString> AppFolder::settingsSaveRefusal() const
{
    return factoryCopyRefusal(m_settingsFromFactory, m_configFolder % u"/Kerani.ini"_s,
                              factorySettingsFile());
}

std::optional<QString> AppFolder::cityListSaveRefusal() const
{
    return factoryCopyRefusal(m_cityListFromFactory, m_dataFolder % u"/Cities.txt"_s,
                              factoryCityListFile());
}

std::optional<QString> AppFolder::cannotSaveMessage() const
{
    QStringList folders{m_configFolder, m_dataFolder};
    folders.removeDuplicates();
    for (const QString &folder : std::as_const(folders)) {
        const QFileInfo info(folder);
        const QString shown = QDir::toNativeSeparators(folder);
        QString reason;
        if (!info.exists())
            reason = Texts::tr("the folder %1 does not exist and cannot be made").arg(shown);
        else if (!info.isDir())
            reason = Texts::tr("%1 is not a folder").arg(shown);
        else if (!info.isWritable())
            reason = Texts::tr("the folder %1 is read-only").arg(shown);
        else
            continue;
        const QString runsOn = m_settingsFromFactory
                                   ? Texts::tr("It runs on the factory settings.")
                                   : Texts::tr("It runs on the settings saved before.");
        return Texts::tr("Kerani cannot save any changes: %1.\n\n%2").arg(reason, runsOn);
    }
    return std::nullopt;
}

QString AppFolder::faceFile(FaceStyle style) const
{
    return clocksFolder() % u"/clk0"_s % QString::number(int(style) + 1) % u".bmp"_s;
}
