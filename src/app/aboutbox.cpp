#include "app/aboutbox.h"

#include "ui/appicon.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(tr("About Kerani"));
    setWindowIcon(appIcon());

    auto *picture = new QLabel(this);
    picture->setPixmap(appIcon().pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);

    auto *text = new QLabel(this);
    text->setObjectName(u"lblAbout"_s);
    text->setTextFormat(Qt::RichText);
    text->setText(tr("<h2>Kerani</h2><p>Version 3.0</p>"
                     "<p>A desktop world clock: one small window with the time, the date and the "
                     "Hijri date of every city you choose.</p>"));
    text->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(u"cmdOK"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::hide);

    auto *row = new QHBoxLayout;
    row->addWidget(picture);
    row->addWidget(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedWidth(340);
}
