#pragma once

#include <QString>

/// The folder that holds the program and every file it reads or writes. Every data file is the
/// folder plus a fixed name; nothing is looked for anywhere else. Tests pass a temporary folder.
class AppFolder final {
public:
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

private:
    QString m_path;
};
