#pragma once

#include "settings/settingsstate.h"

#include <QString>
#include <QStringList>

#include <optional>

/// Where the program's files are. The factory files ship with the program and are only read:
/// Kerani.bak, Cities.bak, Zones.txt, the help file and the flags, clocks and backgrounds folders.
/// The user's files are the ones the program writes: Kerani.ini, Cities.txt with its scratch file
/// Temp.txt, and the flags the user adds.
///
/// Portable: all of them in one folder, the application folder that holds the program (and in the
/// build tree). Per user (installed for everyone, e.g. /usr/bin/kerani): the factory files in the
/// installed data folder, Kerani.ini in $XDG_CONFIG_HOME/kerani, Cities.txt, Temp.txt and the
/// user's flags/ in $XDG_DATA_HOME/kerani. Tests pass folders of their own.
class AppFolder final {
public:
    /// The largest settings file read (Kerani.ini, Kerani.bak). A real one holds a few kilobytes;
    /// the largest the program writes itself, 32,767 clocks of names typed in the city editor, is
    /// about 3.3 MB.
    static constexpr qint64 MaxSettingsFileBytes = 16 * 1024 * 1024;
    /// The largest city list read (Cities.txt, Cities.bak). The factory list is 18 KB; one line for
    /// each of the world's 140,000 places of more than 1000 people would be about 5 MB.
    static constexpr qint64 MaxCityListFileBytes = 64 * 1024 * 1024;

    /// The scratch file that carries every rewrite of the city list, beside the file it replaces.
    static constexpr QStringView ScratchFileName = u"Temp.txt";

    enum class Mode { Portable, PerUser };

    /// What the choice of places reads from the process environment.
    struct Environment {
        QString home;       // the home folder
        QString configHome; // $XDG_CONFIG_HOME, empty when unset
        QString dataHome;   // $XDG_DATA_HOME, empty when unset
        QString mode;       // $KERANI_MODE: "portable" or "user" forces that mode

        [[nodiscard]] static Environment system();
    };

    /// Portable: every file in `path`.
    explicit AppFolder(QString path);

    /// The places for the program that lies in `programFolder`. Portable when the folder holds
    /// Kerani.ini, or holds Kerani.bak (it is an application folder) and can be written; per user
    /// otherwise, reading the factory files from the application folder, or when the program's
    /// folder is none, from ../share/kerani beside it. Environment::mode overrides the choice.
    [[nodiscard]] static AppFolder forProgram(const QString &programFolder,
                                              const Environment &environment);

    [[nodiscard]] Mode mode() const { return m_mode; }
    /// The folder of the settings file; one instance of the program runs per such folder.
    [[nodiscard]] QString path() const { return m_configFolder; }
    [[nodiscard]] QString factoryFolder() const { return m_factoryFolder; }
    /// The folders the user's files go in, for start-up to make: the settings file's, the city
    /// list's and, per user, the user's flags folder.
    [[nodiscard]] QStringList userFolders() const;

    [[nodiscard]] QString settingsFile() const;        // Kerani.ini
    [[nodiscard]] QString factorySettingsFile() const; // Kerani.bak
    [[nodiscard]] QString cityListFile() const;        // Cities.txt
    [[nodiscard]] QString factoryCityListFile() const; // Cities.bak
    [[nodiscard]] QString scratchFile() const;         // Temp.txt, beside Cities.txt
    [[nodiscard]] QString helpFile() const;            // kerani.html
    [[nodiscard]] QString zoneTableFile() const;       // Zones.txt, the factory cities' zones
    /// The user's flags: where "From File" looks and where new flags go.
    [[nodiscard]] QString flagsFolder() const;
    /// Where flags are looked up, in order: the user's flags, then the factory ones.
    [[nodiscard]] QStringList flagFolders() const;
    [[nodiscard]] QString clocksFolder() const;
    [[nodiscard]] QString backgroundsFolder() const;
    /// The face picture of a style: "clk01.bmp" to "clk05.bmp" in the clocks folder.
    [[nodiscard]] QString faceFile(FaceStyle style) const;

    /// For a run in which the user's files could not be made: the same places, but Kerani.ini and
    /// Cities.txt, where they do not exist, are read from their factory copies. Saves of them are
    /// then refused (settingsSaveRefusal(), cityListSaveRefusal()).
    [[nodiscard]] AppFolder readingFactoryCopiesOfMissingFiles() const;

    /// Why a Save of Kerani.ini, or of Cities.txt, must not be written, or nothing when it may: in
    /// a run on the factory copy of the file (the user's own could not be made at start), a Save
    /// would overwrite the factory copy, which the program never changes, so it is refused even
    /// where the factory folder could be written.
    [[nodiscard]] std::optional<QString> settingsSaveRefusal() const;
    [[nodiscard]] std::optional<QString> cityListSaveRefusal() const;

    /// Why changes cannot be saved, as a message for the user, or nothing when they can: every
    /// save writes a new file in the folder of the old one, so the folders of Kerani.ini and
    /// Cities.txt must be writable folders.
    [[nodiscard]] std::optional<QString> cannotSaveMessage() const;

private:
    AppFolder(Mode mode, QString configFolder, QString dataFolder, QString factoryFolder);

    Mode m_mode = Mode::Portable;
    QString m_configFolder;
    QString m_dataFolder;
    QString m_factoryFolder;
    bool m_settingsFromFactory = false;
    bool m_cityListFromFactory = false;
};
