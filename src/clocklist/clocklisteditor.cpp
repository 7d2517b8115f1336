#include "clocklist/clocklisteditor.h"

#include "app/application.h"
#include "cities/citylistfile.h"
#include "cities/flagfolder.h"
#include "settings/settingswriter.h"
#include "ui/messagepresenter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The item data of a city in the combo and of a row in the list: the whole city line.
constexpr int LineRole = Qt::UserRole;

QPushButton *createButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    return button;
}

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

} // namespace

ClockListEditor::ClockListEditor(Application &app, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
{
    setObjectName(u"frmClocks"_s);
    setWindowTitle(tr("New Clock"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createCityFrame());
    layout->addLayout(createClockRows(), 1);
    layout->addLayout(createButtonRow());
    createWaitPanel();
    setUpKeyboard();

    // One reading of the city list serves both lists; a missing or unreadable file gives an empty
    // city list, and then no stored clock can be shown either.
    const QList<CityLine> cities = CityListFile(m_app.appFolder()).read().valueOr({});
    listCountries(cities);
    listClocks(cities);

    connect(m_add, &QPushButton::clicked, this, &ClockListEditor::addClock);
    connect(m_remove, &QPushButton::clicked, this, &ClockListEditor::removeClock);
    connect(m_up, &QToolButton::clicked, this, &ClockListEditor::moveUp);
    connect(m_down, &QToolButton::clicked, this, &ClockListEditor::moveDown);
    connect(m_save, &QPushButton::clicked, this, &ClockListEditor::save);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

QGroupBox *ClockListEditor::createCityFrame()
{
    auto *frame = new QGroupBox(tr(" Select Country/City "), this);
    frame->setObjectName(u"Frame1"_s);
    m_cities = new QComboBox(frame);
    m_cities->setObjectName(u"imgCombo1"_s);
    m_cities->setAccessibleName(tr("Country or city"));
    m_cities->setIconSize(QSize(16, 11));
    m_cities->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cities->setMinimumContentsLength(24);
    m_add = createButton(frame, u"cmdAdd"_s, tr("Add To List"));

    auto *row = new QHBoxLayout(frame);
    row->addWidget(m_cities, 1);
    row->addWidget(m_add);
    return frame;
}

QLayout *ClockListEditor::createClockRows()
{
    m_list = new QListWidget(this);
    m_list->setObjectName(u"List1"_s);
    m_list->setAccessibleName(tr("Clocks"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);

    m_up = createArrowButton(this, u"cmdUp"_s, Qt::UpArrow, tr("Up"), tr("Move the clock up"));
    m_down =
        createArrowButton(this, u"cmdDown"_s, Qt::DownArrow, tr("Down"), tr("Move the clock down"));

    auto *arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    arrows->addStretch();

    auto *rows = new QHBoxLayout;
    rows->addWidget(m_list, 1);
    rows->addLayout(arrows);
    return rows;
}

QLayout *ClockListEditor::createButtonRow()
{
    m_remove = createButton(this, u"cmdRemove"_s, tr("Remove From List"));
    m_save = createButton(this, u"cmdSave"_s, tr("Save List"));
    m_close = createButton(this, u"cmdClose"_s, tr("Close"));

    auto *row = new QHBoxLayout;
    row->addWidget(m_remove);
    row->addStretch();
    row->addWidget(m_save);
    row->addWidget(m_close);
    return row;
}

void ClockListEditor::createWaitPanel()
{
    // Outside the layout: it lies over the middle of the dialog while a save runs.
    m_waitPanel = new QLabel(tr("Please Wait ....."), this);
    m_waitPanel->setObjectName(u"SSPanel1"_s);
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
    for (QPushButton *button : {m_add, m_remove, m_save, m_close})
        button->setAutoDefault(false);
    setTabOrder(m_cities, m_add);
    setTabOrder(m_add, m_list);
    setTabOrder(m_list, m_up);
    setTabOrder(m_up, m_down);
    setTabOrder(m_down, m_remove);
    setTabOrder(m_remove, m_save);
    setTabOrder(m_save, m_close);
    m_cities->setFocus();
}

void ClockListEditor::listCountries(const QList<CityLine> &cities)
{
    const FlagFolder flags = FlagFolder::scan(m_app.appFolder().flagsFolder());
    // Many cities share a flag; each picture is loaded once.
    QHash<QString, QIcon> icons;
    for (const CityLine &city : cities) {
        QIcon icon;
        if (const std::optional<QString> path = flags.picturePath(city.entry.flagFile)) {
            const auto known = icons.constFind(*path);
            if (known != icons.cend()) {
                icon = *known;
            } else {
                // An unreadable picture gives a null pixmap, and the city simply has no flag.
                const QPixmap picture = QPixmap::fromImage(FlagFolder::loadPicture(*path));
                if (!picture.isNull())
                    icon = QIcon(picture);
                icons.insert(*path, icon);
            }
        }
        m_cities->addItem(icon, city.clockListText(), city.text);
    }
    if (m_cities->count() > 0)
        m_cities->setCurrentIndex(0);
}

void ClockListEditor::listClocks(const QList<CityLine> &cities)
{
    m_clocks = ClockListModel::fromClockList(m_app.settings().clockList, cities);
    m_list->clear();
    for (const CityLine &row : m_clocks.rows()) {
        auto *item = new QListWidgetItem(row.entry.name, m_list);
        item->setData(LineRole, row.text);
    }
}

void ClockListEditor::addClock()
{
    const int index = m_cities->currentIndex();
    if (index < 0)
        return;
    const std::optional<CityLine> city =
        CityLine::fromText(m_cities->itemData(index, LineRole).toString());
    if (!city)
        return;
    if (!m_clocks.append(*city)) {
        tell(QMessageBox::Information,
             tr("The list cannot hold more than %1 clocks.").arg(ClockListModel::MaxRows));
        return;
    }
    auto *item = new QListWidgetItem(city->entry.name, m_list);
    item->setData(LineRole, city->text);
}

void ClockListEditor::removeClock()
{
    const std::optional<qsizetype> selected = selectedRow();
    const auto refusal = m_clocks.remove(selected);
    if (!refusal) {
        delete m_list->takeItem(int(*selected));
        // As after any removal, the user picks the next row to act on.
        m_list->clearSelection();
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
        m_list->setCurrentRow(int(*to));
    }
}

void ClockListEditor::moveDown()
{
    const std::optional<qsizetype> from = selectedRow();
    if (const std::optional<qsizetype> to = m_clocks.moveDown(from)) {
        showRow(*from);
        showRow(*to);
        m_list->setCurrentRow(int(*to));
    }
}

void ClockListEditor::save()
{
    // No tick may read the clock list while the file changes; the window is rebuilt below.
    m_app.closeClockWindow();
    if (m_clocks.isEmpty()) {
        tell(QMessageBox::Warning, tr("The list is empty ?!"));
    } else {
        showWaitPanel();
        const FileResult<> saved =
            saveClockList(m_app.appFolder(), m_app.settings().clockCount, m_clocks.clockList());
        m_waitPanel->hide();
        if (!saved)
            tell(QMessageBox::Critical,
                 tr("The clock list could not be saved: %1").arg(saved.error()));
        else
            tell(QMessageBox::Information, tr("Clocks list are saved!"));
    }
    // Also after a refused or failed save: the window is rebuilt from what the file holds.
    m_app.loadSettings();
}

std::optional<qsizetype> ClockListEditor::selectedRow() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (selected.size() != 1)
        return std::nullopt;
    return m_list->row(selected.front());
}

void ClockListEditor::showRow(qsizetype row)
{
    const CityLine &city = m_clocks.rows().at(row);
    QListWidgetItem *item = m_list->item(int(row));
    item->setText(city.entry.name);
    item->setData(LineRole, city.text);
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
    m_app.messages().show(this, icon, text, QMessageBox::Ok);
}
