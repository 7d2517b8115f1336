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

QString AppFolder::faceFile(FaceStyle style) const
{
    return clocksFolder() % u"/clk0"_s % QString::number(int(style) + 1) % u".bmp"_s;
}

QImage readPicture(const QString &path)
{
    QImage picture;
    if (!path.isEmpty() && QFileInfo(path).isFile())
        picture.load(path);
    return picture;
}
