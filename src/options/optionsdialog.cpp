#include "options/optionsdialog.h"

#include "cities/citycombo.h"
#include "cities/citylistfile.h"
#include "clockwindow/pictureregion.h"
#include "clockwindow/stripwidget.h"
#include "settings/picturefile.h"
#include "settings/settingswriter.h"
#include "ui/controls.h"
#include "ui/messagepresenter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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

QCheckBox *createCheckBox(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    return box;
}

QComboBox *createCombo(const QString &objectName, const QString &accessibleName,
                       const QStringList &entries, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setAccessibleName(accessibleName);
    combo->addItems(entries);
    // The dialog starts with nothing chosen; the settings then select their entries.
    combo->setCurrentIndex(-1);
    return combo;
}

QLabel *createCaption(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QPushButton *createSelectButton(const QString &objectName, const QString &accessibleName,
                                QWidget *parent)
{
    // Every chooser is captioned "Select", so none has a mnemonic of its own; the accessible
    // name says which one it is, and each follows its kind's button in the tab order.
    QPushButton *button = createButton(parent, objectName, OptionsDialog::tr("Select"));
    button->setAccessibleName(accessibleName);
    // Enter in a list must not press a chooser or Save by surprise.
    button->setAutoDefault(false);
    return button;
}

QStringList dateFormatCaptions()
{
    return {u"dd/MM/yyyy"_s, u"MM/dd/yyyy"_s, u"yyyy/MM/dd"_s, OptionsDialog::tr("Long Date")};
}

/// The position a list shows for a choice: -1, no entry, for none.
template<typename Choice> int positionOf(std::optional<Choice> choice)
{
    return choice ? int(*choice) : -1;
}

/// The choice a list shows: nothing while no entry is chosen.
template<typename Choice> std::optional<Choice> choiceOf(const QComboBox *combo)
{
    const int position = combo->currentIndex();
    return position < 0 ? std::nullopt : std::optional<Choice>(Choice(position));
}

} // namespace

OptionsDialog::OptionsDialog(const AppFolder &folder, const SettingsState &settings,
                             const Clock &clock, const ZoneTable &zones, MessagePresenter &messages,
                             QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_settings(settings)
    , m_messages(messages)
    , m_choosers(Choosers::system())
    , m_backgroundPicture(settings.displayOptions.backgroundPicture)
{
    setObjectName(u"optionsDialog"_s);
    setWindowTitle(tr("Options"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(createOptionsFrame(), 0, 0, 2, 1);
    layout->addWidget(createLocalCityFrame(), 0, 1);
    layout->addWidget(createClockStyleFrame(), 1, 1);
    layout->addLayout(createButtonRow(), 2, 0, 1, 2);
    // The city list keeps its own height; the style frame takes what the left column adds.
    layout->setRowStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    listCities();
    // Without a settings file the controls keep their initial state: nothing chosen, white
    // swatches; only the city list is filled.
    if (QFileInfo::exists(m_folder.settingsFile()))
        showForm(
            OptionsForm::fromSettings(m_settings, m_cities, zones, ComputerZone::of(clock.now())));
    showFace();
    showBackgroundKind();

    // Connected only now, so that loading the settings runs each handler once, above.
    connect(m_faceStyleCombo, &QComboBox::currentIndexChanged, this, &OptionsDialog::showFace);
    connect(m_backgroundKinds, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            showBackgroundKind();
    });
    connect(m_reverseDirectionBox, &QCheckBox::toggled, this, &OptionsDialog::showBackground);
}

void OptionsDialog::setChoosers(Choosers choosers)
{
    m_choosers = std::move(choosers);
}

QWidget *OptionsDialog::createOptionsFrame()
{
    auto *frame = new QGroupBox(tr(" Options "), this);
    frame->setObjectName(u"optionsFrame"_s);
    auto *layout = new QVBoxLayout(frame);
    const auto addCombo = [&](const QString &caption, QComboBox *combo) {
        layout->addWidget(createCaption(caption, combo, frame));
        layout->addWidget(combo);
    };
    const auto addCheckBox = [&](const QString &objectName, const QString &caption) {
        QCheckBox *box = createCheckBox(objectName, caption, frame);
        layout->addWidget(box);
        return box;
    };

    m_hideSysTrayIconBox = addCheckBox(u"hideSysTrayIconBox"_s, tr("&Hide SysTray Icon"));
    m_alwaysOnTopBox = addCheckBox(u"alwaysOnTopBox"_s, tr("Clocks &Always On Top"));
    m_displayClockBox = addCheckBox(u"displayClockBox"_s, tr("Display Cloc&k"));
    m_displayTimeBox = addCheckBox(u"displayTimeBox"_s, tr("Display &Time"));
    m_timeFormatCombo =
        createCombo(u"timeFormatCombo"_s, tr("Time Format"),
                    //: The long formats show the seconds.
                    {tr("AM/PM"), tr("24Hour"), tr("Long AM/PM"), tr("Long 24Hour")}, frame);
    addCombo(tr("Time &Format :"), m_timeFormatCombo);
    m_displayDateBox = addCheckBox(u"displayDateBox"_s, tr("Display &Date"));
    m_dateFormatCombo =
        createCombo(u"dateFormatCombo"_s, tr("Date Format"), dateFormatCaptions(), frame);
    addCombo(tr("Date Fo&rmat :"), m_dateFormatCombo);
    m_displayOppositeDateBox =
        //: The opposite date: the date in the Hijri calendar.
        addCheckBox(u"displayOppositeDateBox"_s, tr("Display &Opposite Date"));
    m_oppositeDateFormatCombo = createCombo(
        u"oppositeDateFormatCombo"_s, tr("Opposite Date Format"), dateFormatCaptions(), frame);
    addCombo(tr("Date For&mat :"), m_oppositeDateFormatCombo);
    m_oppositeDateShiftCombo =
        createCombo(u"oppositeDateShiftCombo"_s, tr("Opposite Date Differences"),
                    {u"-2"_s, u"-1"_s, u"0"_s, u"+1"_s, u"+2"_s}, frame);
    addCombo(tr("Opposite Date Diffr&ences"), m_oppositeDateShiftCombo);
    m_followDstBox = addCheckBox(u"followDstBox"_s, tr("Follow Daylight Sa&ving Time"));
    // Every letter of its caption is another control's mnemonic already: Tab reaches it.
    m_keepPositionBox = addCheckBox(u"keepPositionBox"_s, tr("Keep Window Position"));
    layout->addStretch();
    return frame;
}

QWidget *OptionsDialog::createLocalCityFrame()
{
    auto *frame = new QGroupBox(tr(" Local Country/City "), this);
    frame->setObjectName(u"localCityFrame"_s);
    auto *layout = new QVBoxLayout(frame);
    m_localCityCombo = new CityCombo(frame);
    m_localCityCombo->setObjectName(u"localCityCombo"_s);
    m_localCityCombo->setAccessibleName(tr("Local Country/City"));
    m_localCityCombo->setIconSize(FlagSize);
    m_localCityCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_localCityCombo->setMinimumContentsLength(28);
    m_localCityCombo->setMaxVisibleItems(20);
    layout->addWidget(m_localCityCombo);
    return frame;
}

QWidget *OptionsDialog::createClockStyleFrame()
{
    auto *frame = new QGroupBox(tr(" Clock Style "), this);
    frame->setObjectName(u"clockStyleFrame"_s);
    auto *layout = new QHBoxLayout(frame);

    auto *choosers = new QVBoxLayout;
    QStringList styles;
    for (int number = 1; number <= ChoiceCount<FaceStyle>; ++number)
        //: A clock face's name, as the help file gives it ("Style_01").
        styles.append(tr("Style_%1").arg(number, 2, 10, QChar(u'0')));
    m_faceStyleCombo = createCombo(u"faceStyleCombo"_s, tr("Clock Picture"), styles, frame);
    auto *styleRow = new QHBoxLayout;
    styleRow->addWidget(createCaption(tr("Clock &Picture :"), m_faceStyleCombo, frame));
    styleRow->addWidget(m_faceStyleCombo, 1);
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
    grid->addWidget(new QLabel(tr("Clocks BackGround :"), box), 0, 0, 1, 5);

    m_backgroundKinds = new QButtonGroup(this);
    m_backgroundKinds->setExclusive(true);
    const auto addKind = [&](BackgroundKind kind, const QString &objectName,
                             const QString &caption) {
        auto *button = new QRadioButton(caption, box);
        button->setObjectName(objectName);
        m_backgroundKinds->addButton(button, int(kind));
        grid->addWidget(button, int(kind) + 1, 0);
        return int(kind) + 1;
    };
    // Each kind's row holds its own choosers, so tabbing goes through them in reading order.
    addKind(BackgroundKind::None, u"noBackgroundButton"_s, tr("&None"));

    int row = addKind(BackgroundKind::Picture, u"pictureBackgroundButton"_s, tr("Pict&ure"));
    m_pictureSelectButton =
        createSelectButton(u"pictureSelectButton"_s, tr("Select background picture"), box);
    grid->addWidget(m_pictureSelectButton, row, 2);

    row = addKind(BackgroundKind::Solid, u"solidBackgroundButton"_s, tr("Solid Co&lor"));
    m_solidColourSwatch = new ColourSwatch(u"solidColourSwatch"_s, tr("Solid colour"), box);
    m_solidColourSelectButton =
        createSelectButton(u"solidColourSelectButton"_s, tr("Select solid colour"), box);
    grid->addWidget(m_solidColourSwatch, row, 1);
    grid->addWidget(m_solidColourSelectButton, row, 2);

    row = addKind(BackgroundKind::OneColourGradient, u"oneColourGradientButton"_s,
                  tr("&Gradient/One Color"));
    m_gradientColourSwatch =
        new ColourSwatch(u"gradientColourSwatch"_s, tr("Gradient colour"), box);
    m_gradientColourSelectButton =
        createSelectButton(u"gradientColourSelectButton"_s, tr("Select gradient colour"), box);
    m_reverseDirectionBox = createCheckBox(u"reverseDirectionBox"_s, tr("Reverse D&ir"), box);
    grid->addWidget(m_gradientColourSwatch, row, 1);
    grid->addWidget(m_gradientColourSelectButton, row, 2);
    grid->addWidget(m_reverseDirectionBox, row, 3, 1, 2);

    row = addKind(BackgroundKind::TwoColourGradient, u"twoColourGradientButton"_s,
                  tr("Gradient/T&wo Colors"));
    m_topColourSwatch = new ColourSwatch(u"topColourSwatch"_s, tr("Top colour"), box);
    m_topColourSelectButton =
        createSelectButton(u"topColourSelectButton"_s, tr("Select top colour"), box);
    m_bottomColourSwatch = new ColourSwatch(u"bottomColourSwatch"_s, tr("Bottom colour"), box);
    m_bottomColourSelectButton =
        createSelectButton(u"bottomColourSelectButton"_s, tr("Select bottom colour"), box);
    grid->addWidget(m_topColourSwatch, row, 1);
    grid->addWidget(m_topColourSelectButton, row, 2);
    grid->addWidget(m_bottomColourSwatch, row, 3);
    grid->addWidget(m_bottomColourSelectButton, row, 4);

    connect(m_pictureSelectButton, &QPushButton::clicked, this, &OptionsDialog::choosePicture);
    const auto connectChooser = [this](QPushButton *button, ColourSwatch *swatch) {
        connect(button, &QPushButton::clicked, this, [this, swatch] { chooseColour(swatch); });
    };
    connectChooser(m_solidColourSelectButton, m_solidColourSwatch);
    connectChooser(m_gradientColourSelectButton, m_gradientColourSwatch);
    connectChooser(m_topColourSelectButton, m_topColourSwatch);
    connectChooser(m_bottomColourSelectButton, m_bottomColourSwatch);
    return box;
}

QWidget *OptionsDialog::createPreview()
{
    auto *frame = new QFrame(this);
    frame->setObjectName(u"previewFrame"_s);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *layout = new QVBoxLayout(frame);
    const int border = frame->frameWidth();
    layout->setContentsMargins(border, border, border, border);

    m_previewStrip = new StripWidget(u"previewStrip"_s, StripFill{}, frame);
    m_previewStrip->setAccessibleName(tr("Clock style preview"));
    m_previewStrip->setFixedSize(PreviewSize, PreviewSize);
    layout->addWidget(m_previewStrip);

    // The stretched picture, then the face over it: children stack in the order they are made.
    m_previewPicture = new QLabel(m_previewStrip);
    m_previewPicture->setObjectName(u"previewPicture"_s);
    m_previewPicture->setScaledContents(true);
    m_previewPicture->setGeometry(0, 0, PreviewSize, PreviewSize);
    m_previewPicture->hide();

    m_previewFace = new QLabel(m_previewStrip);
    m_previewFace->setObjectName(u"previewFace"_s);
    m_previewFace->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_previewFace->setGeometry(0, 0, PreviewSize, PreviewSize);
    // Blank and square until a face picture is loaded, as a clock face without its picture is.
    m_previewFace->setAutoFillBackground(true);
    QPalette palette = m_previewFace->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_previewFace->setPalette(palette);
    return frame;
}

QLayout *OptionsDialog::createButtonRow()
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    QPushButton *saveButton = createButton(this, u"saveButton"_s, tr("&Save"));
    saveButton->setAutoDefault(false);
    QPushButton *closeButton = createButton(this, u"closeButton"_s, tr("&Close"));
    closeButton->setAutoDefault(false);
    row->addWidget(saveButton);
    row->addWidget(closeButton);
    connect(saveButton, &QPushButton::clicked, this, &OptionsDialog::save);
    connect(closeButton, &QPushButton::clicked, this, &OptionsDialog::close);
    return row;
}

void OptionsDialog::listCities()
{
    FileResult<QList<CityLine>> lines = CityListFile(m_folder).read();
    if (!lines)
        return;
    m_cities = std::move(lines).value();
    m_localCityCombo->setCities(m_cities, m_folder.flagFolders(), CityCaption::Name);
}

void OptionsDialog::showForm(const OptionsForm &form)
{
    m_localCityCombo->setCurrentIndex(form.localCity ? m_localCityCombo->findData(*form.localCity)
                                                     : -1);
    m_hideSysTrayIconBox->setChecked(form.hideSysTrayIcon);
    m_alwaysOnTopBox->setChecked(form.alwaysOnTop);
    m_displayClockBox->setChecked(form.displayClock);
    m_displayTimeBox->setChecked(form.displayTime);
    m_timeFormatCombo->setCurrentIndex(positionOf(form.timeFormat));
    m_displayDateBox->setChecked(form.displayDate);
    m_dateFormatCombo->setCurrentIndex(positionOf(form.dateFormat));
    m_displayOppositeDateBox->setChecked(form.displayOppositeDate);
    m_oppositeDateFormatCombo->setCurrentIndex(positionOf(form.oppositeDateFormat));
    m_oppositeDateShiftCombo->setCurrentIndex(positionOf(form.oppositeDateShift));
    m_followDstBox->setChecked(form.followDst);
    m_keepPositionBox->setChecked(form.keepPosition);
    m_faceStyleCombo->setCurrentIndex(positionOf(form.faceStyle));
    m_solidColourSwatch->setColour(form.solidColour);
    m_gradientColourSwatch->setColour(form.gradientColour);
    m_reverseDirectionBox->setChecked(form.reverseDirection);
    m_topColourSwatch->setColour(form.topColour);
    m_bottomColourSwatch->setColour(form.bottomColour);
    if (form.background)
        m_backgroundKinds->button(int(*form.background))->setChecked(true);
}

OptionsForm OptionsDialog::form() const
{
    OptionsForm form;
    if (m_localCityCombo->currentIndex() >= 0)
        form.localCity = m_localCityCombo->currentData().toString();
    form.hideSysTrayIcon = m_hideSysTrayIconBox->isChecked();
    form.alwaysOnTop = m_alwaysOnTopBox->isChecked();
    form.displayClock = m_displayClockBox->isChecked();
    form.displayTime = m_displayTimeBox->isChecked();
    form.timeFormat = choiceOf<TimeFormat>(m_timeFormatCombo);
    form.displayDate = m_displayDateBox->isChecked();
    form.dateFormat = choiceOf<DateFormat>(m_dateFormatCombo);
    form.displayOppositeDate = m_displayOppositeDateBox->isChecked();
    form.oppositeDateFormat = choiceOf<DateFormat>(m_oppositeDateFormatCombo);
    form.oppositeDateShift = choiceOf<OppositeDateShift>(m_oppositeDateShiftCombo);
    form.followDst = m_followDstBox->isChecked();
    form.keepPosition = m_keepPositionBox->isChecked();
    form.faceStyle = choiceOf<FaceStyle>(m_faceStyleCombo);
    form.backgroundPicture = m_backgroundPicture;
    form.solidColour = m_solidColourSwatch->colour();
    form.gradientColour = m_gradientColourSwatch->colour();
    form.reverseDirection = m_reverseDirectionBox->isChecked();
    form.topColour = m_topColourSwatch->colour();
    form.bottomColour = m_bottomColourSwatch->colour();
    if (const int kind = m_backgroundKinds->checkedId(); kind >= 0)
        form.background = BackgroundKind(kind);
    return form;
}

void OptionsDialog::showFace()
{
    const std::optional<FaceStyle> style = choiceOf<FaceStyle>(m_faceStyleCombo);
    if (!style)
        return;
    const QImage face = readPicture(m_folder.faceFile(*style));
    if (face.isNull()) {
        // The preview keeps the face it has.
        m_messages.show(this, QMessageBox::Warning, tr("Style not found!"));
        return;
    }
    m_previewFace->setPixmap(QPixmap::fromImage(face));
    if (const std::optional<QRegion> outline = getPictureRegion(face))
        m_previewFace->setMask(*outline);
    else
        m_previewFace->clearMask();
}

void OptionsDialog::showBackgroundKind()
{
    const BackgroundControls controls = form().backgroundControls();
    m_pictureSelectButton->setEnabled(controls.pictureSelect);
    m_solidColourSelectButton->setEnabled(controls.solidSelect);
    m_gradientColourSelectButton->setEnabled(controls.gradientSelect);
    m_reverseDirectionBox->setEnabled(controls.reverseDirection);
    m_topColourSelectButton->setEnabled(controls.topColourSelect);
    m_bottomColourSelectButton->setEnabled(controls.bottomColourSelect);
    if (controls.pictureShown)
        showPicture();
    else
        m_previewPicture->hide();
    showBackground();
}

void OptionsDialog::showBackground()
{
    m_previewStrip->setFill(form().previewFill());
}

void OptionsDialog::showPicture()
{
    const QImage picture = readPicture(m_backgroundPicture);
    if (picture.isNull()) {
        // No picture to show: the grey box is the preview.
        m_previewPicture->clear();
        m_previewPicture->hide();
        return;
    }
    m_previewPicture->setPixmap(QPixmap::fromImage(picture));
    m_previewPicture->show();
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
        this, {tr("Select File"), m_folder.backgroundsFolder(), tr("Bitmap Files (*.bmp)")});
    if (!alive || path.isEmpty())
        return;
    if (form().background != BackgroundKind::Picture)
        return;
    const QImage picture = readPicture(path);
    if (picture.isNull())
        return; // not a picture: the preview and the chosen path stay as they were
    m_backgroundPicture = path;
    m_previewPicture->setPixmap(QPixmap::fromImage(picture));
    m_previewPicture->show();
}

void OptionsDialog::save()
{
    const FileResult<OptionsSaved> saved =
        saveOptions(m_folder, form().toSave(m_settings.displayOptions));
    if (!saved) {
        m_messages.show(this, QMessageBox::Critical,
                        tr("The options could not be saved: %1").arg(saved.error()));
    } else if (saved.value() == OptionsSaved::Saved) {
        m_messages.show(this, QMessageBox::Information, tr("Options are saved !"));
    }
    // Without a settings file nothing was written, and the clock window is still built anew.
    Q_EMIT saveFinished();
}
