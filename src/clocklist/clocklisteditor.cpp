#include "clocklist/clocklisteditor.h"

#include "cities/citycombo.h"
#include "cities/citylistfile.h"
#include "settings/settingswriter.h"
#include "ui/controls.h"
#include "ui/messagepresenter.h"

#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The item data of a city in the combo and of a row in the list: the whole city line.
constexpr int LineRole = Qt::UserRole;

QToolButton *createArrowButton(QWidget *parent, const QString &name, Qt::ArrowType arrow,
                               const QString &accessibleName, const QString &toolTip)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAccessibleName(accessibleName);
    button->setToolTip(toolTip);
    // Tool buttons take no keyboard focus by default; these are reached by Tab like the others.
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// Whether the font has every visible character of the text. The italic face of many fonts has
// no Arabic letters (DejaVu Sans Oblique, the Debian default), and Qt then draws boxes for them
// rather than take another font.
bool drawsEveryLetter(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    const QList<uint> characters = text.toUcs4();
    return std::all_of(characters.begin(), characters.end(), [&metrics](uint character) {
        return QChar::category(character) == QChar::Other_Format || metrics.inFontUcs4(character);
    });
}

} // namespace

ClockListEditor::ClockListEditor(const AppFolder &folder, const SettingsState &settings,
                                 MessagePresenter &messages, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_settings(settings)
    , m_messages(messages)
{
    setObjectName(u"clockListEditor"_s);
    setWindowTitle(tr("New Clock"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createCityFrame());
    layout->addLayout(createClockRows(), 1);
    layout->addLayout(createButtonRow());
    createWaitPanel();
    setUpKeyboard();

    // One reading of the city list serves both lists; a missing or unreadable file gives an empty
    // city list, and the stored clocks show as not on it.
    const QList<CityLine> cities = CityListFile(m_folder).read().valueOr({});
    listCities(cities);
    listClocks(cities);

    connect(m_addButton, &QPushButton::clicked, this, &ClockListEditor::addClock);
    connect(m_removeButton, &QPushButton::clicked, this, &ClockListEditor::removeClock);
    connect(m_upButton, &QToolButton::clicked, this, &ClockListEditor::moveUp);
    connect(m_downButton, &QToolButton::clicked, this, &ClockListEditor::moveDown);
    connect(m_saveButton, &QPushButton::clicked, this, &ClockListEditor::save);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
}

QGroupBox *ClockListEditor::createCityFrame()
{
    auto *frame = new QGroupBox(tr(" Select Country/City "), this);
    frame->setObjectName(u"cityFrame"_s);
    m_cityCombo = new CityCombo(frame);
    m_cityCombo->setObjectName(u"cityCombo"_s);
    m_cityCombo->setAccessibleName(tr("Country or city"));
    m_cityCombo->setIconSize(QSize(16, 11));
    m_cityCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cityCombo->setMinimumContentsLength(24);
    m_addButton = createButton(frame, u"addButton"_s, tr("&Add To List"));

    auto *row = new QHBoxLayout(frame);
    row->addWidget(m_cityCombo, 1);
    row->addWidget(m_addButton);
    return frame;
}

QLayout *ClockListEditor::createClockRows()
{
    m_clockList = new QListWidget(this);
    m_clockList->setObjectName(u"clockList"_s);
    m_clockList->setAccessibleName(tr("Clocks"));
    m_clockList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_clockList->setUniformItemSizes(true);

    m_upButton =
        createArrowButton(this, u"upButton"_s, Qt::UpArrow, tr("Up"), tr("Move the clock up"));
    m_downButton = createArrowButton(this, u"downButton"_s, Qt::DownArrow, tr("Down"),
                                     tr("Move the clock down"));

    auto *arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(m_upButton);
    arrows->addWidget(m_downButton);
    arrows->addStretch();

    auto *rows = new QHBoxLayout;
    rows->addWidget(m_clockList, 1);
    rows->addLayout(arrows);
    return rows;
}

QLayout *ClockListEditor::createButtonRow()
{
    m_removeButton = createButton(this, u"removeButton"_s, tr("&Remove From List"));
    m_saveButton = createButton(this, u"saveButton"_s, tr("&Save List"));
    m_closeButton = createButton(this, u"closeButton"_s, tr("&Close"));

    auto *row = new QHBoxLayout;
    row->addWidget(m_removeButton);
    row->addStretch();
    row->addWidget(m_saveButton);
    row->addWidget(m_closeButton);
    return row;
}

void ClockListEditor::createWaitPanel()
{
    // Outside the layout: it lies over the middle of the dialog while a save runs.
    m_waitPanel = new QLabel(tr("Please Wait ....."), this);
    m_waitPanel->setObjectName(u"waitPanel"_s);
    m_waitPanel->setAccessibleName(m_waitPanel->text());
    m_waitPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_waitPanel->setLineWidth(2);
    m_waitPanel->setAlignment(Qt::AlignCenter);
    m_waitPanel->setAutoFillBackground(true);
    const QSize text = m_waitPanel->sizeHint();
    m_waitPanel->resize(text.width() * 2, text.height() * 3);
    m_waitPanel->hide();
}

void ClockListEditor::setUpKeyboard()
{
    // No default button: Enter in the combo or the list must not save or add by accident. A
    // dialog shown without a default button makes its first auto-default button the default, so
    // none may be auto-default; buttons answer Space.
    for (QPushButton *button : {m_addButton, m_removeButton, m_saveButton, m_closeButton})
        button->setAutoDefault(false);
    setTabOrder(m_cityCombo, m_addButton);
    setTabOrder(m_addButton, m_clockList);
    setTabOrder(m_clockList, m_upButton);
    setTabOrder(m_upButton, m_downButton);
    setTabOrder(m_downButton, m_removeButton);
    setTabOrder(m_removeButton, m_saveButton);
    setTabOrder(m_saveButton, m_closeButton);
    m_cityCombo->setFocus();
}

void ClockListEditor::listCities(const QList<CityLine> &cities)
{
    m_cityCombo->setCities(cities, m_folder.flagFolders(), CityCaption::NameAndZone);
    if (m_cityCombo->count() > 0)
        m_cityCombo->setCurrentIndex(0);
}

void ClockListEditor::listClocks(const QList<CityLine> &cities)
{
    m_clocks = ClockListModel::fromClockList(m_settings.clockList, cities);
    m_clockList->clear();
    for (qsizetype row = 0; row < m_clocks.size(); ++row)
        showRow(row);
}

void ClockListEditor::addClock()
{
    const int index = m_cityCombo->currentIndex();
    if (index < 0)
        return;
    const std::optional<CityLine> city =
        CityLine::fromText(m_cityCombo->itemData(index, LineRole).toString());
    if (!city)
        return;
    if (!m_clocks.append(*city)) {
        tell(QMessageBox::Information,
             tr("The list cannot hold more than %1 clocks.").arg(ClockListModel::MaxRows));
        return;
    }
    showRow(m_clocks.size() - 1);
}

void ClockListEditor::removeClock()
{
    const std::optional<qsizetype> selected = selectedRow();
    const auto refusal = m_clocks.remove(selected);
    if (!refusal) {
        delete m_clockList->takeItem(int(*selected));
        // As after any removal, the user picks the next row to act on.
        m_clockList->clearSelection();
        return;
    }
    switch (*refusal) {
    case ClockListModel::RemoveRefusal::OnlyRow:
        tell(QMessageBox::Information, tr("You must have one country at least."));
        break;
    case ClockListModel::RemoveRefusal::NoRows:
        tell(QMessageBox::Warning, tr("There are no country to remove."));
        break;
    case ClockListModel::RemoveRefusal::NoSelection:
        tell(QMessageBox::Information, tr("Select country first."));
        break;
    }
}

void ClockListEditor::moveUp()
{
    const std::optional<qsizetype> from = selectedRow();
    if (const std::optional<qsizetype> to = m_clocks.moveUp(from)) {
        showRow(*from);
        showRow(*to);
        m_clockList->setCurrentRow(int(*to));
    }
}

void ClockListEditor::moveDown()
{
    const std::optional<qsizetype> from = selectedRow();
    if (const std::optional<qsizetype> to = m_clocks.moveDown(from)) {
        showRow(*from);
        showRow(*to);
        m_clockList->setCurrentRow(int(*to));
    }
}

void ClockListEditor::save()
{
    if (m_clocks.isEmpty()) {
        tell(QMessageBox::Warning, tr("The list is empty ?!"));
    } else {
        showWaitPanel();
        const FileResult<> saved =
            saveClockList(m_folder, m_settings.clockCount, m_clocks.clockList());
        m_waitPanel->hide();
        if (!saved)
            tell(QMessageBox::Critical,
                 tr("The clock list could not be saved: %1").arg(saved.error()));
        else
            tell(QMessageBox::Information, tr("Clocks list are saved!"));
    }
    // Also after a refused or failed save: the window is rebuilt from what the file holds.
    Q_EMIT saveFinished();
}

std::optional<qsizetype> ClockListEditor::selectedRow() const
{
    const QList<QListWidgetItem *> selected = m_clockList->selectedItems();
    if (selected.size() != 1)
        return std::nullopt;
    return m_clockList->row(selected.front());
}

void ClockListEditor::showRow(qsizetype row)
{
    const CityLine &city = m_clocks.rows().at(row);
    QListWidgetItem *item = m_clockList->item(int(row));
    if (!item)
        item = new QListWidgetItem(m_clockList);
    item->setData(LineRole, city.text);
    if (m_clocks.isListed(row)) {
        item->setText(city.entry.name);
        item->setToolTip(QString());
        item->setData(Qt::FontRole, QVariant());
        return;
    }
    // A clock whose city line was changed or removed in the city list since it was chosen: it
    // stays as the clock window shows it, and a Save keeps it; the user sees that it is apart.
    item->setText(tr("%1 [%2] (not in the city list)").arg(city.entry.name, city.entry.zone));
    item->setToolTip(tr("The city list no longer holds this city as the clock has it (%1). "
                        "The clock is kept as it is; remove it and add the city again to take "
                        "the city list's line.")
                         .arg(city.text));
    QFont italic = m_clockList->font();
    italic.setItalic(true);
    item->setFont(drawsEveryLetter(italic, item->text()) ? italic : m_clockList->font());
}

void ClockListEditor::showWaitPanel()
{
    m_waitPanel->move((width() - m_waitPanel->width()) / 2, (height() - m_waitPanel->height()) / 2);
    m_waitPanel->show();
    m_waitPanel->raise();
    // Painted now, as the save runs before the event loop gets another turn.
    if (isVisible())
        m_waitPanel->repaint();
}

void ClockListEditor::tell(QMessageBox::Icon icon, const QString &text)
{
    m_messages.show(this, icon, text, QMessageBox::Ok);
}
