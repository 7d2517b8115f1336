#include "settings/appfolder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

AppFolder::AppFolder(QString path)
    : m_path(QDir::cleanPath(std::move(path)))
{
}

QString AppFolder::file(QStringView name) const
{
    return m_path % u'/' % name;
}

QString AppFolder::settingsFile() const
{
    return file(u"Kerani.ini");
}
QString AppFolder::factorySettingsFile() const
{
    return file(u"Kerani.bak");
}
QString AppFolder::cityListFile() const
{
    return file(u"Cities.txt");
}
QString AppFolder::factoryCityListFile() const
{
    return file(u"Cities.bak");
}
QString AppFolder::scratchFile() const
{
    return file(ScratchFileName);
}
QString AppFolder::helpFile() const
{
    return file(u"kerani.html");
}
QString AppFolder::flagsFolder() const
{
    return file(u"flags");
}
QString AppFolder::clocksFolder() const
{
    return file(u"clocks");
}
QString AppFolder::backgroundsFolder() const
{
    return file(u"backgrounds");
}

QString AppFolder::faceFile(FaceStyle style) const
{
    return clocksFolder() % u"/clk0"_s % QString::number(int(style) + 1) % u".bmp"_s;
}
