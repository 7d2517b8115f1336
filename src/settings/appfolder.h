#pragma once

#include "settings/settingsstate.h"

#include <QImage>
#include <QString>

/// The folder that holds the program and every file it reads or writes. Every data file is the
/// folder plus a fixed name; nothing is looked for anywhere else. Tests pass a temporary folder.
class AppFolder final {
public:
    explicit AppFolder(QString path);

    [[nodiscard]] QString path() const { return m_path; }
    [[nodiscard]] QString file(QStringView name) const;

    [[nodiscard]] QString settingsFile() const { return file(u"Kerani.ini"); }
    [[nodiscard]] QString factorySettingsFile() const { return file(u"Kerani.bak"); }
    [[nodiscard]] QString cityListFile() const { return file(u"Cities.txt"); }
    [[nodiscard]] QString factoryCityListFile() const { return file(u"Cities.bak"); }
    [[nodiscard]] QString scratchFile() const { return file(u"Temp.txt"); }
    [[nodiscard]] QString helpFile() const { return file(u"kerani.html"); }
    [[nodiscard]] QString flagsFolder() const { return file(u"flags"); }
    [[nodiscard]] QString clocksFolder() const { return file(u"clocks"); }
    [[nodiscard]] QString backgroundsFolder() const { return file(u"backgrounds"); }
    /// The face picture of a style: "clk01.bmp" to "clk05.bmp" in the clocks folder.
    [[nodiscard]] QString faceFile(FaceStyle style) const;

private:
    QString m_path;
};

/// The picture in a file, or a null image when the path names no regular file or the file holds
/// no picture. Only regular files are read, so a path to a device or a pipe never blocks.
[[nodiscard]] QImage readPicture(const QString &path);
