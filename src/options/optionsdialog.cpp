#include "options/optionsdialog.h"

#include "app/application.h"
#include "cities/citylistfile.h"
#include "cities/flagfolder.h"
#include "clockwindow/pictureregion.h"
#include "clockwindow/stripwidget.h"
#include "options/colourswatch.h"
#include "settings/picturefile.h"
#include "settings/settingswriter.h"
#include "ui/messagepresenter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int PreviewSize = 78;
constexpr QSize FlagSize(16, 11);

const QStringList DateFormats = {u"dd/MM/yyyy"_s, u"MM/dd/yyyy"_s, u"yyyy/MM/dd"_s, u"Long Date"_s};

QCheckBox *createCheckBox(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    return box;
}

QComboBox *createList(const QString &objectName, const QString &accessibleName,
                      const QStringList &entries, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(objectName);
    list->setAccessibleName(accessibleName);
    list->addItems(entries);
    // The dialog starts with nothing chosen; the settings then select their entries.
    list->setCurrentIndex(-1);
    return list;
}

QLabel *createCaption(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

OptionsDialog::OptionsDialog(Application &app, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
    , m_choosers(Choosers::system())
    , m_backgroundPicture(app.settings().displayOptions.backgroundPicture)
{
    setObjectName(u"frmOptions"_s);
    setWindowTitle(u"Options"_s);

    auto *layout = new QGridLayout(this);
    layout->addWidget(createOptionsFrame(), 0, 0, 2, 1);
    layout->addWidget(createLocalCityFrame(), 0, 1);
    layout->addWidget(createClockStyleFrame(), 1, 1);
    layout->addLayout(createButtonRow(), 2, 0, 1, 2);
    // The city list keeps its own height; the style frame takes what the left column adds.
    layout->setRowStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    listCountries();
    // Without a settings file the controls keep their initial state: nothing chosen, white
    // swatches; only the city list is filled.
    if (QFileInfo::exists(m_app.appFolder().settingsFile())) {
        const int offsetMinutes = m_app.clock().now().offsetFromUtc() / 60;
        showForm(OptionsForm::fromSettings(m_app.settings(), m_cities, offsetMinutes));
    }
    showStyle();
    showBackgroundKind();

    // Connected only now, so that loading the settings runs each handler once, above.
    connect(m_style, &QComboBox::currentIndexChanged, this, &OptionsDialog::showStyle);
    connect(m_kinds, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            showBackgroundKind();
    });
    connect(m_reverseDir, &QCheckBox::toggled, this, &OptionsDialog::showBackground);
}

void OptionsDialog::setChoosers(Choosers choosers)
{
    m_choosers = std::move(choosers);
}

QWidget *OptionsDialog::createOptionsFrame()
{
    auto *frame = new QGroupBox(u" Options "_s, this);
    frame->setObjectName(u"fraOptions"_s);
    auto *layout = new QVBoxLayout(frame);
    const auto addList = [&](const QString &caption, QComboBox *list) {
        layout->addWidget(createCaption(caption, list, frame));
        layout->addWidget(list);
    };

    m_hideSysTray = createCheckBox(u"chkHideSysTray"_s, u"Hide SysTray Icon"_s, frame);
    layout->addWidget(m_hideSysTray);
    m_onTop = createCheckBox(u"chkOnTop"_s, u"Clocks Always On Top"_s, frame);
    layout->addWidget(m_onTop);
    m_clockDis = createCheckBox(u"chkClockDis"_s, u"Display Clock"_s, frame);
    layout->addWidget(m_clockDis);
    m_timeDis = createCheckBox(u"chkTimeDis"_s, u"Display Time"_s, frame);
    layout->addWidget(m_timeDis);
    m_timeFormat = createList(u"cboTimeFormat"_s, u"Time Format"_s,
                              {u"AM/PM"_s, u"24Hour"_s, u"Long AM/PM"_s, u"Long 24Hour"_s}, frame);
    addList(u"Time Format :"_s, m_timeFormat);
    m_dateDis = createCheckBox(u"chkDateDis"_s, u"Display Date"_s, frame);
    layout->addWidget(m_dateDis);
    m_dateFormat = createList(u"cboDateFormat"_s, u"Date Format"_s, DateFormats, frame);
    addList(u"Date Format :"_s, m_dateFormat);
    m_opsDateDis = createCheckBox(u"chkOpsDateDis"_s, u"Display Opposite Date"_s, frame);
    layout->addWidget(m_opsDateDis);
    m_opsDFormat = createList(u"cboOpsDFormat"_s, u"Opposite Date Format"_s, DateFormats, frame);
    addList(u"Date Format :"_s, m_opsDFormat);
    m_opsDDiff = createList(u"cboOpsDDiff"_s, u"Opposite Date Differences"_s,
                            {u"-2"_s, u"-1"_s, u"0"_s, u"+1"_s, u"+2"_s}, frame);
    addList(u"Opposite Date Diffrences"_s, m_opsDDiff);
    m_followDst = createCheckBox(u"chkFollowDST"_s, u"Follow Daylight Saving Time"_s, frame);
    layout->addWidget(m_followDst);
    layout->addStretch();
    return frame;
}

QWidget *OptionsDialog::createLocalCityFrame()
{
    auto *frame = new QGroupBox(u" Local Country/City "_s, this);
    frame->setObjectName(u"fraLocalCity"_s);
    auto *layout = new QVBoxLayout(frame);
    m_localCity = new QComboBox(frame);
    m_localCity->setObjectName(u"imgCombo1"_s);
    m_localCity->setAccessibleName(u"Local Country/City"_s);
    m_localCity->setIconSize(FlagSize);
    m_localCity->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_localCity->setMinimumContentsLength(28);
    m_localCity->setMaxVisibleItems(20);
    layout->addWidget(m_localCity);
    return frame;
}

QPushButton *OptionsDialog::createSelectButton(const QString &objectName,
                                               const QString &accessibleName, QWidget *parent)
{
    auto *button = new QPushButton(u"Select"_s, parent);
    button->setObjectName(objectName);
    // Every chooser is captioned "Select"; the accessible name says which one it is.
    button->setAccessibleName(accessibleName);
    // Enter in a list must not press a chooser or Save by surprise.
    button->setAutoDefault(false);
    return button;
}

QWidget *OptionsDialog::createClockStyleFrame()
{
    auto *frame = new QGroupBox(u" Clock Style "_s, this);
    frame->setObjectName(u"fraClockStyle"_s);
    auto *layout = new QHBoxLayout(frame);

    auto *choosers = new QVBoxLayout;
    m_style = createList(u"styCombo1"_s, u"Clock Picture"_s, {}, frame);
    for (int number = 1; number <= ChoiceCount<FaceStyle>; ++number)
        m_style->addItem(u"Style_0"_s + QString::number(number), number);
    m_style->setCurrentIndex(-1);
    auto *styleRow = new QHBoxLayout;
    styleRow->addWidget(createCaption(u"Clock Picture :"_s, m_style, frame));
    styleRow->addWidget(m_style, 1);
    choosers->addLayout(styleRow);
    choosers->addWidget(createBackgroundChoosers());
    choosers->addStretch();
    layout->addLayout(choosers);
    layout->addWidget(createPreview(), 0, Qt::AlignTop);
    return frame;
}

QWidget *OptionsDialog::createBackgroundChoosers()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(u"Clocks BackGround :"_s, box), 0, 0, 1, 5);

    m_kinds = new QButtonGroup(this);
    m_kinds->setExclusive(true);
    const QStringList captions = {u"None"_s, u"Picture"_s, u"Solid Color"_s,
                                  u"Gradient/One Color"_s, u"Gradient/Two Colors"_s};
    // Each kind's row holds its own choosers, so tabbing goes through them in reading order.
    for (int kind = 0; kind < captions.size(); ++kind) {
        auto *button = new QRadioButton(captions[kind], box);
        button->setObjectName(u"Option1_"_s + QString::number(kind));
        m_kinds->addButton(button, kind);
        grid->addWidget(button, kind + 1, 0);
        switch (BackgroundKind(kind)) {
        case BackgroundKind::None:
            break;
        case BackgroundKind::Picture:
            m_pictureSelect =
                createSelectButton(u"cmdClkBGPicSel"_s, u"Select background picture"_s, box);
            grid->addWidget(m_pictureSelect, kind + 1, 2);
            break;
        case BackgroundKind::Solid:
            m_solid = new ColourSwatch(u"Picture1"_s, u"Solid colour"_s, box);
            m_solidSelect = createSelectButton(u"cmdSolidClr"_s, u"Select solid colour"_s, box);
            grid->addWidget(m_solid, kind + 1, 1);
            grid->addWidget(m_solidSelect, kind + 1, 2);
            break;
        case BackgroundKind::OneColourGradient:
            m_oneColor = new ColourSwatch(u"Picture2"_s, u"Gradient colour"_s, box);
            m_oneColorSelect =
                createSelectButton(u"cmdOGColor"_s, u"Select gradient colour"_s, box);
            m_reverseDir = createCheckBox(u"chkReverseDir"_s, u"Reverse Dir"_s, box);
            grid->addWidget(m_oneColor, kind + 1, 1);
            grid->addWidget(m_oneColorSelect, kind + 1, 2);
            grid->addWidget(m_reverseDir, kind + 1, 3, 1, 2);
            break;
        case BackgroundKind::TwoColourGradient:
            m_twoColors1 = new ColourSwatch(u"Picture3"_s, u"Top colour"_s, box);
            m_twoColors1Select = createSelectButton(u"cmdTG1Color"_s, u"Select top colour"_s, box);
            m_twoColors2 = new ColourSwatch(u"Picture4"_s, u"Bottom colour"_s, box);
            m_twoColors2Select =
                createSelectButton(u"cmdTG2Color"_s, u"Select bottom colour"_s, box);
            grid->addWidget(m_twoColors1, kind + 1, 1);
            grid->addWidget(m_twoColors1Select, kind + 1, 2);
            grid->addWidget(m_twoColors2, kind + 1, 3);
            grid->addWidget(m_twoColors2Select, kind + 1, 4);
            break;
        }
    }

    connect(m_pictureSelect, &QPushButton::clicked, this, &OptionsDialog::choosePicture);
    connect(m_solidSelect, &QPushButton::clicked, this, [this] { chooseColour(m_solid); });
    connect(m_oneColorSelect, &QPushButton::clicked, this, [this] { chooseColour(m_oneColor); });
    connect(m_twoColors1Select, &QPushButton::clicked, this,
            [this] { chooseColour(m_twoColors1); });
    connect(m_twoColors2Select, &QPushButton::clicked, this,
            [this] { chooseColour(m_twoColors2); });
    return box;
}

QWidget *OptionsDialog::createPreview()
{
    auto *frame = new QFrame(this);
    frame->setObjectName(u"Picture5"_s);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *layout = new QVBoxLayout(frame);
    const int border = frame->frameWidth();
    layout->setContentsMargins(border, border, border, border);

    m_preview = new StripWidget(u"picClock"_s, StripFill{}, frame);
    m_preview->setAccessibleName(u"Clock style preview"_s);
    m_preview->setFixedSize(PreviewSize, PreviewSize);
    layout->addWidget(m_preview);

    // The stretched picture, then the face over it: children stack in the order they are made.
    m_picture = new QLabel(m_preview);
    m_picture->setObjectName(u"imgClock"_s);
    m_picture->setScaledContents(true);
    m_picture->setGeometry(0, 0, PreviewSize, PreviewSize);
    m_picture->hide();

    m_face = new QLabel(m_preview);
    m_face->setObjectName(u"picFClock"_s);
    m_face->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_face->setGeometry(0, 0, PreviewSize, PreviewSize);
    // Blank and square until a face picture is loaded, as a clock face without its picture is.
    m_face->setAutoFillBackground(true);
    QPalette palette = m_face->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_face->setPalette(palette);
    return frame;
}

QLayout *OptionsDialog::createButtonRow()
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    auto *saveButton = new QPushButton(u"Save"_s, this);
    saveButton->setObjectName(u"cmdSave"_s);
    saveButton->setAutoDefault(false);
    auto *closeButton = new QPushButton(u"Close"_s, this);
    closeButton->setObjectName(u"cmdClose"_s);
    closeButton->setAutoDefault(false);
    row->addWidget(saveButton);
    row->addWidget(closeButton);
    connect(saveButton, &QPushButton::clicked, this, &OptionsDialog::save);
    connect(closeButton, &QPushButton::clicked, this, &OptionsDialog::close);
    return row;
}

void OptionsDialog::listCountries()
{
    FileResult<QList<CityLine>> lines = CityListFile(m_app.appFolder()).read();
    if (!lines)
        return;
    m_cities = std::move(lines).value();
    const FlagFolder flags = FlagFolder::scan(m_app.appFolder().flagsFolder());
    // Many cities share a flag: each picture is read once.
    QHash<QString, QIcon> icons;
    for (const CityLine &city : std::as_const(m_cities)) {
        QIcon icon;
        if (const std::optional<QString> path = flags.picturePath(city.entry.flagFile)) {
            auto found = icons.constFind(*path);
            if (found == icons.constEnd())
                found =
                    icons.insert(*path, QIcon(QPixmap::fromImage(FlagFolder::loadPicture(*path))));
            icon = *found;
        }
        m_localCity->addItem(icon, city.entry.name, city.text);
    }
    m_localCity->setCurrentIndex(-1);
}

void OptionsDialog::showForm(const OptionsForm &form)
{
    const auto position = [](auto choice) { return choice ? int(*choice) : -1; };
    m_localCity->setCurrentIndex(form.localCity ? m_localCity->findData(*form.localCity) : -1);
    m_hideSysTray->setChecked(form.hideSysTrayIcon);
    m_onTop->setChecked(form.alwaysOnTop);
    m_clockDis->setChecked(form.displayClock);
    m_timeDis->setChecked(form.displayTime);
    m_timeFormat->setCurrentIndex(position(form.timeFormat));
    m_dateDis->setChecked(form.displayDate);
    m_dateFormat->setCurrentIndex(position(form.dateFormat));
    m_opsDateDis->setChecked(form.displayOppositeDate);
    m_opsDFormat->setCurrentIndex(position(form.oppositeDateFormat));
    m_opsDDiff->setCurrentIndex(position(form.oppositeDateShift));
    m_followDst->setChecked(form.followDst);
    m_style->setCurrentIndex(position(form.faceStyle));
    m_solid->setColour(form.solidColour);
    m_oneColor->setColour(form.gradientColour);
    m_reverseDir->setChecked(form.reverseDirection);
    m_twoColors1->setColour(form.topColour);
    m_twoColors2->setColour(form.bottomColour);
    if (form.background)
        m_kinds->button(int(*form.background))->setChecked(true);
}

OptionsForm OptionsDialog::form() const
{
    OptionsForm form;
    if (m_localCity->currentIndex() >= 0)
        form.localCity = m_localCity->currentData().toString();
    const auto choice = [](auto stored, const QComboBox *list) {
        using Choice = decltype(stored);
        const int position = list->currentIndex();
        return position < 0 ? std::nullopt : std::optional<Choice>(Choice(position));
    };
    form.hideSysTrayIcon = m_hideSysTray->isChecked();
    form.alwaysOnTop = m_onTop->isChecked();
    form.displayClock = m_clockDis->isChecked();
    form.displayTime = m_timeDis->isChecked();
    form.timeFormat = choice(TimeFormat{}, m_timeFormat);
    form.displayDate = m_dateDis->isChecked();
    form.dateFormat = choice(DateFormat{}, m_dateFormat);
    form.displayOppositeDate = m_opsDateDis->isChecked();
    form.oppositeDateFormat = choice(DateFormat{}, m_opsDFormat);
    form.oppositeDateShift = choice(OppositeDateShift{}, m_opsDDiff);
    form.followDst = m_followDst->isChecked();
    form.faceStyle = choice(FaceStyle{}, m_style);
    form.backgroundPicture = m_backgroundPicture;
    form.solidColour = m_solid->colour();
    form.gradientColour = m_oneColor->colour();
    form.reverseDirection = m_reverseDir->isChecked();
    form.topColour = m_twoColors1->colour();
    form.bottomColour = m_twoColors2->colour();
    if (const int kind = m_kinds->checkedId(); kind >= 0)
        form.background = BackgroundKind(kind);
    return form;
}

void OptionsDialog::showStyle()
{
    const int style = m_style->currentIndex();
    if (style < 0)
        return;
    const QImage face = readPicture(m_app.appFolder().faceFile(FaceStyle(style)));
    if (face.isNull()) {
        // The preview keeps the face it has.
        m_app.messages().show(this, QMessageBox::Warning, u"Style not found!"_s);
        return;
    }
    m_face->setPixmap(QPixmap::fromImage(face));
    if (const std::optional<QRegion> outline = getPictureRegion(face))
        m_face->setMask(*outline);
    else
        m_face->clearMask();
}

void OptionsDialog::showBackgroundKind()
{
    const BackgroundControls controls = form().backgroundControls();
    m_pictureSelect->setEnabled(controls.pictureSelect);
    m_solidSelect->setEnabled(controls.solidSelect);
    m_oneColorSelect->setEnabled(controls.gradientSelect);
    m_reverseDir->setEnabled(controls.reverseDirection);
    m_twoColors1Select->setEnabled(controls.topColourSelect);
    m_twoColors2Select->setEnabled(controls.bottomColourSelect);
    if (controls.pictureShown)
        showPicture();
    else
        m_picture->hide();
    showBackground();
}

void OptionsDialog::showBackground()
{
    m_preview->setFill(form().previewFill());
}

void OptionsDialog::showPicture()
{
    const QImage picture = readPicture(m_backgroundPicture);
    if (picture.isNull()) {
        // No picture to show: the grey box is the preview.
        m_picture->clear();
        m_picture->hide();
        return;
    }
    m_picture->setPixmap(QPixmap::fromImage(picture));
    m_picture->show();
}

void OptionsDialog::chooseColour(ColourSwatch *swatch)
{
    if (!m_choosers.colour)
        return;
    // The chooser runs its own event loop, in which the dialog may be closed and deleted.
    const QPointer<OptionsDialog> alive(this);
    const std::optional<QColor> chosen = m_choosers.colour(this, swatch->colour());
    if (!alive || !chosen || !chosen->isValid())
        return;
    // Colour numbers carry no alpha.
    swatch->setColour(chosen->toRgb().rgb());
    showBackground();
}

void OptionsDialog::choosePicture()
{
    if (!m_choosers.picture)
        return;
    const QPointer<OptionsDialog> alive(this);
    const QString path = m_choosers.picture(
        this, {u"Select File"_s, m_app.appFolder().backgroundsFolder(), u"Bitmap Files (*.bmp)"_s});
    if (!alive || path.isEmpty())
        return;
    if (form().background != BackgroundKind::Picture)
        return;
    const QImage picture = readPicture(path);
    if (picture.isNull())
        return; // not a picture: the preview and the chosen path stay as they were
    m_backgroundPicture = path;
    m_picture->setPixmap(QPixmap::fromImage(picture));
    m_picture->show();
}

void OptionsDialog::save()
{
    const OptionsSave values = form().toSave(m_app.settings().displayOptions);
    m_app.closeClockWindow();
    const FileResult<OptionsSaved> saved = saveOptions(m_app.appFolder(), values);
    if (!saved) {
        m_app.messages().show(this, QMessageBox::Critical,
                              tr("The options could not be saved: %1").arg(saved.error()));
    } else if (saved.value() == OptionsSaved::Saved) {
        m_app.messages().show(this, QMessageBox::Information, u"Options are saved !"_s);
        if (values.localCity)
            m_app.settings().localCity = *values.localCity;
    }
    // Without a settings file nothing was written; the clock window is still built anew below.
    m_app.loadSettings();
}
