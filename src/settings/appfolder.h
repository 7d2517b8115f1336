#pragma once

#include "settings/displayoptions.h"

#include <QString>

/// The folder that holds the program and every file it reads or writes. Every data file is the
/// folder plus a fixed name; nothing is looked for anywhere else. Tests pass a temporary folder.
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

    explicit AppFolder(QString path);

    [[nodiscard]] QString path() const { return m_path; }
    [[nodiscard]] QString file(QStringView name) const;

    [[nodiscard]] QString settingsFile() const;        // Kerani.ini
    [[nodiscard]] QString factorySettingsFile() const; // Kerani.bak
    [[nodiscard]] QString cityListFile() const;        // Cities.txt
    [[nodiscard]] QString factoryCityListFile() const; // Cities.bak
    [[nodiscard]] QString scratchFile() const;         // Temp.txt
    [[nodiscard]] QString helpFile() const;            // kerani.html
    [[nodiscard]] QString flagsFolder() const;
    [[nodiscard]] QString clocksFolder() const;
    [[nodiscard]] QString backgroundsFolder() const;
    /// The face picture of a style: "clk01.bmp" to "clk05.bmp" in the clocks folder.
    [[nodiscard]] QString faceFile(FaceStyle style) const;

private:
    QString m_path;
};
