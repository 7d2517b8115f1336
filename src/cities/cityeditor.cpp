#include "cities/cityeditor.h"

#include "cities/cityeditorlist.h"
#include "cities/citylistfile.h"
#include "cities/citysearch.h"
#include "cities/flagfolder.h"
#include "ui/controls.h"
#include "ui/messagepresenter.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using CityEditorChecks::FlagFileChoice;

namespace {

// The form's sizes, in pixels at the font it was drawn with. The dialog has the form's size there
// (an inner area of 449 x 282) and grows as a larger font needs.
constexpr int FieldWidth = 209; // the name and zone fields, and the column of controls under them
constexpr QSize CityListSize(217, 265);
constexpr QSize FlagPictureSize(33, 22);
constexpr QSize WaitPanelSize(177, 57);
constexpr QSize FlagIconSize(16, 11);

// What a city entry keeps besides its text.
constexpr int DataRole = Qt::UserRole;       // the last 14 characters of the line, upper-cased
constexpr int LineRole = Qt::UserRole + 1;   // the whole line, to match it with rewritten lines
constexpr int SearchRole = Qt::UserRole + 2; // the text as searches compare it (CitySearch)

/// A city of the list, in the order of its key: alphabetical in the user's language.
class CityItem final : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    void setOrderKey(CityOrder::Key key) { m_key = std::move(key); }

    bool operator<(const QTreeWidgetItem &other) const override
    {
        // Every item of the list is a CityItem with its key.
        const auto &city = static_cast<const CityItem &>(other);
        if (m_key && city.m_key)
            return *m_key < *city.m_key;
        return text(0) < other.text(0);
    }

private:
    std::optional<CityOrder::Key> m_key;
};

// Labels and buttons get their accessible names from their captions, without the mnemonic's "&";
// a field gets the name of its buddy label the same way.
QLabel *createLabel(QWidget *parent, const QString &name, const QString &text,
                    QWidget *buddy = nullptr)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

// The style may give a push button a least width of its own (Fusion: 80 pixels), which would
// make three buttons side by side wider than the fields above them; these need only the room of
// their captions and share the column's width.
void fitToCaption(QPushButton *button)
{
    const QStyle *style = button->style();
    const int frame = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                      2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    button->setMinimumWidth(
        button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() + frame);
    button->setSizePolicy(QSizePolicy::Ignored, button->sizePolicy().verticalPolicy());
}

QString chooseFileWithDialog(QWidget *parent, const QString &title, const QString &folder,
                             const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

} // namespace

CityEditor::CityEditor(const AppFolder &folder, const SettingsState &settings,
                       MessagePresenter &messages, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_settings(settings)
    , m_messages(messages)
    , m_chooseFile(chooseFileWithDialog)
{
    setObjectName(u"cityEditor"_s);
    setWindowTitle(tr("Add Country/City"));
    setAccessibleName(windowTitle());

    auto *fields = new QVBoxLayout;
    fields->addLayout(createNameAndZoneFields());
    fields->addLayout(createFlagFields());
    // The buttons keep to the bottom, level with the list's lower edge.
    fields->addStretch(1);
    fields->addLayout(createButtons());

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(createCityColumn());
    // A fixed dialog, as large as its contents need with the desktop's font.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The dialog takes its size now, so that the wait panel shown while the lists load is
    // centred in it.
    layout->activate();
    createWaitPanel();
    setTabOrders();

    newCity();
    listCities();
    focusName();
}

void CityEditor::setFileChooser(FileChooser chooser)
{
    m_chooseFile = std::move(chooser);
}

QLayout *CityEditor::createNameAndZoneFields()
{
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(u"nameEdit"_s);
    m_nameEdit->setMaxLength(50);
    m_nameEdit->setMinimumWidth(FieldWidth);
    QLabel *nameLabel = createLabel(this, u"nameLabel"_s, tr("Country/City N&ame"), m_nameEdit);

    m_zoneEdit = new QLineEdit(this);
    m_zoneEdit->setObjectName(u"zoneEdit"_s);
    m_zoneEdit->setMaxLength(6);
    // A validator would also refuse pasted text; only typed characters are filtered, and Save
    // checks the whole zone whatever way it came in.
    m_zoneEdit->installEventFilter(this);
    QLabel *zoneLabel = createLabel(this, u"zoneLabel"_s, tr("&Time Zone"), m_zoneEdit);
    QLabel *example = createLabel(this, u"zoneExampleLabel"_s, tr("[Ex. +02:00]"));
    m_zoneEdit->setAccessibleDescription(example->text());

    auto *zoneCaption = new QHBoxLayout;
    zoneCaption->addWidget(zoneLabel);
    zoneCaption->addWidget(example);
    zoneCaption->addStretch();

    auto *column = new QVBoxLayout;
    column->addWidget(nameLabel);
    column->addWidget(m_nameEdit);
    column->addSpacing(column->spacing());
    column->addLayout(zoneCaption);
    column->addWidget(m_zoneEdit);
    column->addSpacing(column->spacing());
    return column;
}

QLayout *CityEditor::createFlagFields()
{
    m_flagPicture = new QLabel(this);
    m_flagPicture->setObjectName(u"flagPicture"_s);
    m_flagPicture->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_flagPicture->setScaledContents(true);
    m_flagPicture->setFixedSize(FlagPictureSize);
    m_flagPicture->setAccessibleName(tr("Flag picture"));

    m_flagCombo = new QComboBox(this);
    m_flagCombo->setObjectName(u"flagCombo"_s);
    m_flagCombo->setIconSize(FlagIconSize);
    connect(m_flagCombo, &QComboBox::activated, this, &CityEditor::pickFlag);
    QLabel *flagLabel = createLabel(this, u"flagLabel"_s, tr("F&lag"), m_flagCombo);

    m_flagCodeLabel = createLabel(this, u"flagCodeLabel"_s, QString());
    m_flagCodeLabel->setAccessibleName(tr("Flag code"));

    m_fromFileButton = createButton(this, u"fromFileButton"_s, tr("&From File"));
    connect(m_fromFileButton, &QPushButton::clicked, this, &CityEditor::flagFromFile);

    // The picture over its code, the flag list over "From File".
    auto *grid = new QGridLayout;
    grid->addWidget(flagLabel, 0, 0, 1, 3);
    grid->addWidget(m_flagPicture, 1, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(m_flagCombo, 1, 1);
    grid->addWidget(m_flagCodeLabel, 2, 0);
    grid->addWidget(m_fromFileButton, 2, 1);
    grid->setColumnStretch(2, 1);
    return grid;
}

QLayout *CityEditor::createButtons()
{
    m_newButton = createButton(this, u"newButton"_s, tr("&New"));
    connect(m_newButton, &QPushButton::clicked, this, &CityEditor::newCity);

    m_saveButton = createButton(this, u"saveButton"_s, tr("&Save"));
    connect(m_saveButton, &QPushButton::clicked, this, &CityEditor::save);

    m_deleteButton = createButton(this, u"deleteButton"_s, tr("&Delete"));
    connect(m_deleteButton, &QPushButton::clicked, this, &CityEditor::deleteCity);

    m_closeButton = createButton(this, u"closeButton"_s, tr("&Close"));
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    // No default button: Enter in a field neither saves nor opens the file chooser (a dialog
    // shown without a default button makes its first auto-default button the default, so none
    // may be one). Buttons answer Space, as in the other dialogs.
    for (QPushButton *button :
         {m_fromFileButton, m_newButton, m_saveButton, m_deleteButton, m_closeButton})
        button->setAutoDefault(false);

    auto *row = new QHBoxLayout;
    for (QPushButton *button : {m_newButton, m_saveButton, m_deleteButton}) {
        fitToCaption(button);
        row->addWidget(button);
    }
    auto *buttons = new QVBoxLayout;
    buttons->addLayout(row);
    buttons->addWidget(m_closeButton);
    return buttons;
}

QLayout *CityEditor::createCityColumn()
{
    m_searchEdit = new QLineEdit(this);
    m_searchEdit->setObjectName(u"citySearchEdit"_s);
    m_searchEdit->setPlaceholderText(tr("Search"));
    m_searchEdit->setAccessibleName(tr("Search the city list"));
    m_searchEdit->setClearButtonEnabled(true);
    m_searchEdit->installEventFilter(this);
    connect(m_searchEdit, &QLineEdit::textChanged, this, &CityEditor::filterCities);
    // Ctrl+F goes to the search from anywhere in the dialog.
    auto *find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    addAction(find);
    connect(find, &QAction::triggered, this, [this] {
        m_searchEdit->setFocus(Qt::ShortcutFocusReason);
        m_searchEdit->selectAll();
    });

    m_cityList = new QTreeWidget(this);
    m_cityList->setObjectName(u"cityList"_s);
    m_cityList->setColumnCount(1);
    m_cityList->setHeaderLabels({tr("Country/City List")});
    m_cityList->header()->setSectionsClickable(false);
    m_cityList->setRootIsDecorated(false);
    m_cityList->setUniformRowHeights(true);
    m_cityList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_cityList->setIconSize(FlagIconSize);
    m_cityList->setAccessibleName(tr("Country/City List"));
    // The form's size, wider only when a larger font needs it for the heading, and as tall as
    // the fields beside it; the names scroll.
    const int headingWidth = m_cityList->header()->sectionSizeHint(0) +
                             style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_cityList) +
                             2 * m_cityList->frameWidth();
    m_cityList->setFixedWidth(qMax(CityListSize.width(), headingWidth));
    // The search field takes the list's top.
    m_cityList->setMinimumHeight(
        CityListSize.height() - m_searchEdit->sizeHint().height() -
        style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, m_cityList));
    // Typing in the list searches it; Space or Enter takes the marked city as a click does.
    m_cityList->installEventFilter(this);
    // Moving through the list with the keyboard fills the fields and leaves the focus in the list;
    // a click fills them and sends the focus to the name, ready to be edited.
    connect(m_cityList, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_listing)
            pickCity(Focus::Stay);
    });
    connect(m_cityList, &QTreeWidget::itemClicked, this, [this] { pickCity(Focus::Name); });

    auto *column = new QVBoxLayout;
    column->addWidget(m_searchEdit);
    column->addWidget(m_cityList, 1);
    return column;
}

void CityEditor::createWaitPanel()
{
    // Outside the layout: showWaitPanel() lays it over the middle of the dialog.
    m_waitPanel = createLabel(this, u"waitPanel"_s, tr("Please Wait ....."));
    m_waitPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_waitPanel->setLineWidth(2);
    m_waitPanel->setAlignment(Qt::AlignCenter);
    m_waitPanel->setAutoFillBackground(true);
    m_waitPanel->resize(WaitPanelSize.expandedTo(m_waitPanel->sizeHint()));
    m_waitPanel->hide();
}

void CityEditor::setTabOrders()
{
    const QList<QWidget *> order{m_nameEdit,   m_zoneEdit,   m_flagCombo,    m_fromFileButton,
                                 m_newButton,  m_saveButton, m_deleteButton, m_closeButton,
                                 m_searchEdit, m_cityList};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void CityEditor::listCities()
{
    showWaitPanel();
    const QScopedValueRollback listing(m_listing, true);
    m_flagCombo->clear();
    m_flagPictures.clear();
    m_cityList->clear();

    listFlags();
    // Filling the combo selected its first entry, but no flag is chosen until the user picks one.
    m_flagCombo->setCurrentIndex(-1);
    // A missing or unreadable file shows an empty list; Save then tells the user what is wrong
    // with the file rather than replace it.
    if (const FileResult<QList<CityLine>> lines = CityListFile(m_folder).read()) {
        for (const CityLine &line : lines.value())
            addCity(line.text);
    }

    m_waitPanel->hide();
    sortCities();
    if (m_cityList->topLevelItemCount() > 0)
        selectCity(m_cityList->topLevelItem(0));
}

void CityEditor::listFlags()
{
    const FlagFolder folder = FlagFolder::scan(m_folder.flagFolders());
    for (const FlagFolder::Bitmap &bitmap : folder.bitmaps()) {
        // Of two bitmaps whose codes differ only in case, the first in name order is the flag.
        if (m_flagPictures.contains(bitmap.code))
            continue;
        // A bitmap that does not load is still a flag that cities can carry, shown without a
        // picture.
        addFlag(bitmap.code, bitmap.code, QPixmap::fromImage(FlagFolder::loadPicture(bitmap.path)));
    }
}

void CityEditor::addFlag(const QString &code, const QString &text, const QPixmap &picture)
{
    m_flagPictures.insert(code, picture);
    m_flagCombo->addItem(picture.isNull() ? QIcon() : QIcon(picture), text, code);
}

void CityEditor::addCity(const QString &line)
{
    updateCity(new CityItem(m_cityList), line);
}

void CityEditor::updateCity(QTreeWidgetItem *item, const QString &line)
{
    const CityEditorList::Entry entry = CityEditorList::Entry::fromLine(line);
    item->setText(0, entry.text);
    static_cast<CityItem *>(item)->setOrderKey(m_order.key(entry.text));
    item->setData(0, SearchRole, CitySearch::fold(entry.text));
    item->setData(0, DataRole, entry.data);
    item->setData(0, LineRole, line);
    // A city whose flag is not in the flag list is listed without a picture.
    const QPixmap picture = m_flagPictures.value(entry.code);
    item->setIcon(0, picture.isNull() ? QIcon() : QIcon(picture));
}

void CityEditor::selectCity(QTreeWidgetItem *item)
{
    const QScopedValueRollback listing(m_listing, true);
    m_cityList->setCurrentItem(item);
    m_cityList->scrollToItem(item);
}

void CityEditor::sortCities()
{
    m_cityList->sortItems(0, Qt::AscendingOrder);
    // A city added by a Save shows only when it matches the search.
    filterCities();
}

void CityEditor::filterCities()
{
    const CitySearch search(m_searchEdit->text());
    for (int i = 0; i < m_cityList->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_cityList->topLevelItem(i);
        const bool hidden = !search.matches(item->data(0, SearchRole).toString());
        if (item->isHidden() != hidden)
            item->setHidden(hidden);
    }
    // A hidden city counts as not selected (the view leaves it out of its selection), so Delete
    // never acts on a city the user cannot see; it is selected again when the search ends.
    if (QTreeWidgetItem *selected = selectedCity())
        m_cityList->scrollToItem(selected);
}

void CityEditor::enterCityList()
{
    // Into the list at the selected city, or the first shown when the search hides it; the
    // keyboard moves there fill the fields, as moves in the list do.
    QTreeWidgetItem *item = selectedCity();
    if (!item)
        item = firstShownCity();
    m_cityList->setFocus(Qt::TabFocusReason);
    if (!item)
        return;
    selectCity(item);
    pickCity(Focus::Stay);
}

bool CityEditor::typedInCityList(QKeyEvent *key)
{
    if (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
        key->key() == Qt::Key_Enter) {
        pickCity(Focus::Name);
        return true;
    }
    const QString text = key->text();
    const bool typed =
        !text.isEmpty() && text.at(0).isPrint() &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!typed)
        return false;
    m_searchEdit->setFocus(Qt::OtherFocusReason);
    m_searchEdit->insert(text);
    return true;
}

void CityEditor::newCity()
{
    m_nameEdit->clear();
    m_zoneEdit->clear();
    m_flagCombo->setCurrentIndex(-1);
    showChosenFlag();
    focusName();
}

void CityEditor::pickCity(Focus focus)
{
    const QTreeWidgetItem *item = selectedCity();
    if (!item)
        return;
    const CityEditorList::Entry entry =
        CityEditorList::Entry::fromLine(item->data(0, LineRole).toString());
    m_nameEdit->setText(item->text(0));
    m_zoneEdit->setText(entry.zone);
    // A code that is not in the flag list (its bitmap is missing) leaves no flag chosen, so the
    // city cannot be saved again until the user picks one.
    m_flagCombo->setCurrentIndex(m_flagCombo->findData(entry.code));
    showChosenFlag();
    if (focus == Focus::Name)
        focusName();
}

void CityEditor::pickFlag()
{
    showChosenFlag();
    focusName();
}

void CityEditor::showChosenFlag()
{
    const int index = m_flagCombo->currentIndex();
    if (index < 0) {
        showFlagPicture({});
        m_flagCodeLabel->clear();
        return;
    }
    showFlagPicture(m_flagPictures.value(m_flagCombo->itemData(index).toString()));
    m_flagCodeLabel->setText(m_flagCombo->itemText(index));
}

void CityEditor::save()
{
    if (m_busy)
        return;
    const QScopedValueRollback busy(m_busy, true);

    const CityEditorChecks::Fields typed = fields();
    if (const std::optional<QString> refusal = CityEditorChecks::saveRefusal(typed)) {
        message(QMessageBox::Critical, *refusal);
        return;
    }
    const CityEntry entry = CityEditorChecks::savedEntry(typed);
    const auto result = CityListFile(m_folder).save(entry);
    if (!result) {
        // The file is as it was, so the fields and the lists stay as they are.
        message(QMessageBox::Critical, result.error());
        return;
    }
    const CityListRewrite::SaveRewrite &rewrite = result.value();
    m_nameEdit->setText(entry.name);
    m_zoneEdit->setText(entry.zone);

    // A flag chosen from a file that was not in the flag list joins it now, its text in lower
    // case until the list is loaded again.
    const QString code = typed.flagCode.toUpper();
    if (m_flagCombo->currentIndex() < 0 && !m_flagPictures.contains(code))
        addFlag(code, typed.flagCode.toLower(), m_chosenFlagPicture);

    const QString newLine = entry.toLine();
    const QList<QTreeWidgetItem *> items = [this] {
        QList<QTreeWidgetItem *> all;
        for (int i = 0; i < m_cityList->topLevelItemCount(); ++i)
            all.append(m_cityList->topLevelItem(i));
        return all;
    }();
    std::optional<qsizetype> selected;
    if (QTreeWidgetItem *item = selectedCity())
        selected = items.indexOf(item);
    const CityEditorList::SaveChange change =
        CityEditorList::planSave(cityLines(), selected, rewrite.replacedLines, newLine);
    {
        const QScopedValueRollback listing(m_listing, true);
        if (change.reused)
            updateCity(items.at(*change.reused), newLine);
        else
            addCity(newLine);
        for (const qsizetype index : change.removed)
            delete items.at(index);
        sortCities();
    }
    newCity();
}

void CityEditor::deleteCity()
{
    if (m_busy)
        return;
    const QScopedValueRollback busy(m_busy, true);

    if (const std::optional<QString> refusal = CityEditorChecks::deleteRefusal(fields())) {
        message(QMessageBox::Critical, *refusal);
        return;
    }
    if (m_cityList->topLevelItemCount() == 0) {
        message(QMessageBox::Warning, CityEditorChecks::nothingToDeleteMessage());
        return;
    }
    const QTreeWidgetItem *selected = selectedCity();
    if (!selected) {
        message(QMessageBox::Warning, CityEditorChecks::noSelectionMessage());
        return;
    }
    const QString text = selected->text(0);
    if (message(QMessageBox::Question, CityEditorChecks::deleteQuestion(text),
                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    // The in-use test looks at the name field, which the user may have typed over.
    if (CityEditorChecks::isInUse(m_settings.clockList, m_nameEdit->text().trimmed())) {
        message(QMessageBox::Critical, CityEditorChecks::inUseMessage());
        return;
    }

    showWaitPanel();
    const auto result = CityListFile(m_folder).remove(text);
    if (!result) {
        m_waitPanel->hide();
        message(QMessageBox::Critical, result.error());
        return;
    }
    if (result->found()) {
        const QScopedValueRollback listing(m_listing, true);
        const QList<qsizetype> removed = CityEditorList::planDelete(cityLines(), text);
        for (auto index = removed.crbegin(); index != removed.crend(); ++index)
            delete m_cityList->takeTopLevelItem(int(*index));
    } else {
        message(QMessageBox::Warning, CityEditorChecks::notFoundMessage());
    }
    m_waitPanel->hide();
    newCity();
}

void CityEditor::flagFromFile()
{
    if (m_busy)
        return;
    const QScopedValueRollback busy(m_busy, true);

    const QString folder = m_folder.flagsFolder();
    const QString chosen =
        m_chooseFile ? m_chooseFile(this, tr("Select File"), folder, tr("Bitmap Files (*.bmp)"))
                     : QString();
    const FlagFileChoice choice = CityEditorChecks::checkFlagFile(chosen, folder);
    switch (choice.outcome) {
    case FlagFileChoice::Outcome::Cancelled:
        return;
    case FlagFileChoice::Outcome::Refused:
        message(QMessageBox::Warning, CityEditorChecks::wrongFlagFileMessage());
        return;
    case FlagFileChoice::Outcome::Accepted:
        break;
    }
    // A code that is not in the flag list leaves the combo without a selection: the flag is
    // pending, and the next Save adds it to the list.
    m_flagCombo->setCurrentIndex(m_flagCombo->findData(choice.code));
    showFlagPicture(QPixmap::fromImage(FlagFolder::loadPicture(chosen)));
    m_flagCodeLabel->setText(choice.code);
}

bool CityEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_zoneEdit && !CityEditorChecks::acceptsZoneKey(key->text(), key->modifiers()))
        return true;
    if (watched == m_cityList && typedInCityList(key))
        return true;
    if (watched == m_searchEdit) {
        switch (key->key()) {
        case Qt::Key_Down:
            enterCityList();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The city Down would go to, taken as a click takes it.
            if (QTreeWidgetItem *item = selectedCity() ? selectedCity() : firstShownCity()) {
                selectCity(item);
                pickCity(Focus::Name);
            }
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CityEditor::keyPressEvent(QKeyEvent *event)
{
    // The first Escape ends a search, the next closes the dialog.
    if (event->matches(QKeySequence::Cancel) && !m_searchEdit->text().isEmpty()) {
        m_searchEdit->clear();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CityEditor::showWaitPanel()
{
    QRect panel = m_waitPanel->geometry();
    panel.moveTopLeft(QPoint(width() / 2 - panel.width() / 2, height() / 2 - panel.height() / 2));
    m_waitPanel->setGeometry(panel);
    m_waitPanel->show();
    m_waitPanel->raise();
    // The work that follows runs without returning to the event loop, which would paint the
    // panel only after it is hidden again: paint it now, so it is on the screen while the work
    // runs.
    m_waitPanel->repaint();
}

void CityEditor::showFlagPicture(const QPixmap &picture)
{
    m_chosenFlagPicture = picture;
    m_flagPicture->setPixmap(picture);
}

void CityEditor::focusName()
{
    m_nameEdit->setFocus(Qt::OtherFocusReason);
}

CityEditorChecks::Fields CityEditor::fields() const
{
    return {m_nameEdit->text(), m_zoneEdit->text(), m_flagCodeLabel->text()};
}

QTreeWidgetItem *CityEditor::selectedCity() const
{
    const QList<QTreeWidgetItem *> selected = m_cityList->selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

QTreeWidgetItem *CityEditor::firstShownCity() const
{
    for (int i = 0; i < m_cityList->topLevelItemCount(); ++i) {
        if (!m_cityList->topLevelItem(i)->isHidden())
            return m_cityList->topLevelItem(i);
    }
    return nullptr;
}

QStringList CityEditor::cityLines() const
{
    QStringList lines;
    lines.reserve(m_cityList->topLevelItemCount());
    for (int i = 0; i < m_cityList->topLevelItemCount(); ++i)
        lines.append(m_cityList->topLevelItem(i)->data(0, LineRole).toString());
    return lines;
}

QMessageBox::StandardButton CityEditor::message(QMessageBox::Icon icon, const QString &text,
                                                QMessageBox::StandardButtons buttons)
{
    return m_messages.show(this, icon, text, buttons);
}
