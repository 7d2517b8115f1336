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
    setObjectName(u"aboutBox"_s);
    setWindowTitle(tr("About Kerani"));
    setWindowIcon(appIcon());

    auto *picture = new QLabel(this);
    picture->setPixmap(appIcon().pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);

    auto *aboutLabel = new QLabel(this);
    aboutLabel->setObjectName(u"aboutLabel"_s);
    aboutLabel->setTextFormat(Qt::RichText);
    aboutLabel->setText(
        tr("<h2>Kerani</h2><p>Version %1</p>"
           "<p>A desktop world clock: one small window with the time, the date and the Hijri "
           "date of every city you choose.</p>")
            .arg(QStringLiteral(KERANI_VERSION)));
    aboutLabel->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton *okButton = buttons->button(QDialogButtonBox::Ok);
    okButton->setObjectName(u"okButton"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::hide);

    auto *row = new QHBoxLayout;
    row->addWidget(picture);
    row->addWidget(aboutLabel, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedWidth(340);
}
