#include "clockwindow/menulauncher.h"

#include "clockwindow/stripcolours.h"
#include "ui/appicon.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {
constexpr int Side = 24;
constexpr int IconSide = 20;
} // namespace

MenuLauncher::MenuLauncher(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(u"menuLauncher"_s);
    setWindowTitle(u"Kerani"_s);
    setToolTip(tr("Kerani: click for the menu"));
    setAccessibleName(tr("Kerani menu"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(Side, Side);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MenuLauncher::showAtTopCentre()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top());
    }
    show();
    raise();
}

void MenuLauncher::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), StripColours::Window);
    painter.setPen(StripColours::textColourOn(StripColours::Window));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect icon((Side - IconSide) / 2, (Side - IconSide) / 2, IconSide, IconSide);
    appIcon().paint(&painter, icon);
}

void MenuLauncher::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        Q_EMIT menuRequested(event->globalPosition().toPoint());
}

void MenuLauncher::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Menu:
        Q_EMIT menuRequested(mapToGlobal(rect().bottomLeft()));
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
