#include "cities/cityeditor.h"

#include "app/application.h"
#include "cities/cityeditorlayout.h"
#include "cities/cityeditorlist.h"
#include "cities/citylistfile.h"
#include "cities/flagfolder.h"
#include "ui/messagepresenter.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using CityEditorChecks::FlagFileChoice;

namespace {

// Inner size of the dialog: 6735 x 4230 twips.
constexpr QSize DialogSize(449, 282);
// The city list's place on the form; it reaches down to the dialog's bottom margin.
constexpr QRect CityListTwips(3360, 120, 3255, 3975);
// Space between the left column and the city list on the form.
constexpr int ColumnGap = 7;
// The "Please Wait" panel's size: 2655 x 855 twips.
constexpr QRect WaitPanelTwips(3840, 2400, 2655, 855);
constexpr QSize FlagIconSize(16, 11);

// What a city entry keeps besides its text.
constexpr int DataRole = Qt::UserRole;     // the last 14 characters of the line, upper-cased
constexpr int LineRole = Qt::UserRole + 1; // the whole line, to match it with rewritten lines

/// A city of the list, ordered by its text without regard to case.
class CityItem final : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem &other) const override
    {
        return CityEditorList::lessInListOrder(text(0), other.text(0));
    }
};

QLabel *createLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    return label;
}

QPushButton *createButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    return button;
}

QString chooseFileWithDialog(QWidget *parent, const QString &title, const QString &folder,
                             const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

} // namespace

CityEditor::CityEditor(Application &app, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
    , m_chooseFile(chooseFileWithDialog)
{
    setObjectName(u"frmCountries"_s);
    setWindowTitle(tr("Add Country/City"));
    setAccessibleName(windowTitle());
    createFieldControls();
    createFlagControls();
    createButtons();
    createCityList();
    createWaitPanel();
    setTabOrders();
    placeControls();

    newCity();
    listCountries();
    focusName();
}

void CityEditor::setFileChooser(FileChooser chooser)
{
    m_chooseFile = std::move(chooser);
}

void CityEditor::createFieldControls()
{
    QLabel *nameLabel = createLabel(this, u"Label1"_s, tr("Country/City Name"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(u"txtCityName"_s);
    m_name->setMaxLength(50);
    m_name->setAccessibleName(nameLabel->text());
    nameLabel->setBuddy(m_name);

    QLabel *zoneLabel = createLabel(this, u"Label2"_s, tr("Time Zone"));
    QLabel *example = createLabel(this, u"Label4"_s, tr("[Ex. +02:00]"));
    m_zone = new QLineEdit(this);
    m_zone->setObjectName(u"txtTimeZone"_s);
    m_zone->setMaxLength(6);
    m_zone->setAccessibleName(zoneLabel->text());
    m_zone->setAccessibleDescription(example->text());
    // A validator would also refuse pasted text; only typed characters are filtered, and Save
    // checks the whole zone whatever way it came in.
    m_zone->installEventFilter(this);
    zoneLabel->setBuddy(m_zone);
}

void CityEditor::createFlagControls()
{
    QLabel *flagLabel = createLabel(this, u"Label3"_s, tr("Flag"));

    auto *frame = new QFrame(this);
    frame->setObjectName(u"picFlag"_s);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame->setAccessibleName(tr("Flag picture"));
    m_flagImage = new QLabel(frame);
    m_flagImage->setObjectName(u"imgFlag"_s);
    m_flagImage->setScaledContents(true);
    m_flagImage->setAccessibleName(tr("Flag picture"));

    m_flags = new QComboBox(this);
    m_flags->setObjectName(u"imgCombo1"_s);
    m_flags->setIconSize(FlagIconSize);
    m_flags->setAccessibleName(flagLabel->text());
    flagLabel->setBuddy(m_flags);
    connect(m_flags, &QComboBox::activated, this, &CityEditor::pickFlag);

    m_flagCode = createLabel(this, u"lblFlagFile"_s, QString());
    m_flagCode->setAccessibleName(tr("Flag code"));

    m_fromFile = createButton(this, u"Command1"_s, tr("From File"));
    connect(m_fromFile, &QPushButton::clicked, this, &CityEditor::flagFromFile);
}

void CityEditor::createButtons()
{
    m_new = createButton(this, u"cmdNew"_s, tr("New"));
    connect(m_new, &QPushButton::clicked, this, &CityEditor::newCity);

    m_save = createButton(this, u"cmdSave"_s, tr("Save"));
    connect(m_save, &QPushButton::clicked, this, &CityEditor::save);

    m_delete = createButton(this, u"cmdDelete"_s, tr("Delete"));
    connect(m_delete, &QPushButton::clicked, this, &CityEditor::deleteCity);

    m_close = createButton(this, u"cmdClose"_s, tr("Close"));
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

void CityEditor::createCityList()
{
    m_cities = new QTreeWidget(this);
    m_cities->setObjectName(u"CountryList"_s);
    m_cities->setColumnCount(1);
    m_cities->setHeaderLabels({tr("Country/City List")});
    m_cities->header()->setSectionsClickable(false);
    m_cities->setRootIsDecorated(false);
    m_cities->setUniformRowHeights(true);
    m_cities->setSelectionMode(QAbstractItemView::SingleSelection);
    m_cities->setIconSize(FlagIconSize);
    m_cities->setAccessibleName(tr("Country/City List"));
    // Moving through the list with the keyboard fills the fields and leaves the focus in the list;
    // a click fills them and sends the focus to the name, ready to be edited.
    connect(m_cities, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_listing)
            pickCity(Focus::Stay);
    });
    connect(m_cities, &QTreeWidget::itemClicked, this, [this] { pickCity(Focus::Name); });
}

void CityEditor::createWaitPanel()
{
    m_waitPanel = createLabel(this, u"SSPanel1"_s, tr("Please Wait ....."));
    m_waitPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_waitPanel->setLineWidth(2);
    m_waitPanel->setAlignment(Qt::AlignCenter);
    m_waitPanel->setAutoFillBackground(true);
    m_waitPanel->setAccessibleName(m_waitPanel->text());
    m_waitPanel->hide();
}

void CityEditor::placeControls()
{
    struct Place {
        QWidget *widget;
        QRect twips;
    };
    const auto label = [this](const QString &name) { return findChild<QLabel *>(name); };
    // The left column, row by row, with the form's places in twips.
    const QList<QList<Place>> rows{
        {{label(u"Label1"_s), {120, 120, 2580, 195}}},
        {{m_name, {120, 360, 3135, 285}}},
        {{label(u"Label2"_s), {120, 840, 960, 195}}, {label(u"Label4"_s), {1080, 840, 1575, 255}}},
        {{m_zone, {120, 1080, 3135, 285}}},
        {{label(u"Label3"_s), {120, 1560, 2295, 255}}},
        {{m_flagImage->parentWidget(), {120, 1800, 495, 330}}, {m_flags, {720, 1800, 1335, 330}}},
        {{m_flagCode, {120, 2280, 495, 255}}, {m_fromFile, {720, 2280, 1335, 255}}},
        {{m_new, {120, 3240, 975, 375}},
         {m_save, {1200, 3240, 975, 375}},
         {m_delete, {2280, 3240, 975, 375}}},
        {{m_close, {120, 3720, 3135, 375}}},
    };
    QList<QList<CityEditorLayout::Control>> controls;
    for (const QList<Place> &row : rows) {
        controls.emplaceBack();
        for (const Place &place : row)
            controls.last().append({place.twips, place.widget->sizeHint(),
                                    qobject_cast<QLabel *>(place.widget) != nullptr});
    }
    const QList<QList<QRect>> placed = CityEditorLayout::placeRows(controls);
    QRect column;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        for (qsizetype i = 0; i < rows[row].size(); ++i) {
            rows[row][i].widget->setGeometry(placed[row][i]);
            column |= placed[row][i];
        }
    }
    m_flagImage->setGeometry(m_flagImage->parentWidget()->contentsRect());

    // The dialog keeps the form's size unless the left column grew; the list stays right of the
    // column, with the form's margins right of it and below it.
    const QRect form = CityEditorLayout::fromTwips(CityListTwips);
    const int rightMargin = DialogSize.width() - form.right() - 1;
    const int bottomMargin = DialogSize.height() - form.bottom() - 1;
    const int listLeft = qMax(form.left(), column.right() + 1 + ColumnGap);
    const QSize size(qMax(DialogSize.width(), listLeft + form.width() + rightMargin),
                     qMax(DialogSize.height(), column.bottom() + 1 + bottomMargin));
    m_cities->setGeometry(listLeft, form.top(), form.width(),
                          size.height() - bottomMargin - form.top());
    m_waitPanel->resize(
        CityEditorLayout::fromTwips(WaitPanelTwips).size().expandedTo(m_waitPanel->sizeHint()));
    setFixedSize(size);
}

void CityEditor::setTabOrders()
{
    const QList<QWidget *> order{m_name, m_zone,   m_flags, m_fromFile, m_new,
                                 m_save, m_delete, m_close, m_cities};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void CityEditor::listCountries()
{
    showWaitPanel();
    const QScopedValueRollback listing(m_listing, true);
    m_flags->clear();
    m_flagPictures.clear();
    m_cities->clear();

    listFlags();
    // Filling the combo selected its first entry, but no flag is chosen until the user picks one.
    m_flags->setCurrentIndex(-1);
    // A missing or unreadable file shows an empty list; Save then tells the user what is wrong
    // with the file rather than replace it.
    if (const FileResult<QList<CityLine>> lines = CityListFile(m_app.appFolder()).read()) {
        for (const CityLine &line : lines.value())
            addCity(line.text);
    }

    m_waitPanel->hide();
    sortCities();
    if (m_cities->topLevelItemCount() > 0)
        selectCity(m_cities->topLevelItem(0));
}

void CityEditor::listFlags()
{
    const FlagFolder folder = FlagFolder::scan(m_app.appFolder().flagsFolder());
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
    m_flags->addItem(picture.isNull() ? QIcon() : QIcon(picture), text, code);
}

void CityEditor::addCity(const QString &line)
{
    updateCity(new CityItem(m_cities), line);
}

void CityEditor::updateCity(QTreeWidgetItem *item, const QString &line)
{
    const CityEditorList::Entry entry = CityEditorList::Entry::fromLine(line);
    item->setText(0, entry.text);
    item->setData(0, DataRole, entry.data);
    item->setData(0, LineRole, line);
    // A city whose flag is not in the flag list is listed without a picture.
    const QPixmap picture = m_flagPictures.value(entry.code);
    item->setIcon(0, picture.isNull() ? QIcon() : QIcon(picture));
}

void CityEditor::selectCity(QTreeWidgetItem *item)
{
    const QScopedValueRollback listing(m_listing, true);
    m_cities->setCurrentItem(item);
    m_cities->scrollToItem(item);
}

void CityEditor::sortCities()
{
    m_cities->sortItems(0, Qt::AscendingOrder);
}

void CityEditor::newCity()
{
    m_name->clear();
    m_zone->clear();
    m_flags->setCurrentIndex(-1);
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
    m_name->setText(item->text(0));
    m_zone->setText(entry.zone);
    // A code that is not in the flag list (its bitmap is missing) leaves no flag chosen, so the
    // city cannot be saved again until the user picks one.
    m_flags->setCurrentIndex(m_flags->findData(entry.code));
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
    const int index = m_flags->currentIndex();
    if (index < 0) {
        showFlagPicture({});
        m_flagCode->clear();
        return;
    }
    showFlagPicture(m_flagPictures.value(m_flags->itemData(index).toString()));
    m_flagCode->setText(m_flags->itemText(index));
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
    const auto result = CityListFile(m_app.appFolder()).save(entry);
    if (!result) {
        // The file is as it was, so the fields and the lists stay as they are.
        message(QMessageBox::Critical, result.error());
        return;
    }
    const CityListRewrite::SaveRewrite &rewrite = result.value();
    m_name->setText(entry.name);
    m_zone->setText(entry.zone);

    // A flag chosen from a file that was not in the flag list joins it now, its text in lower
    // case until the list is loaded again.
    const QString code = typed.flagCode.toUpper();
    if (m_flags->currentIndex() < 0 && !m_flagPictures.contains(code))
        addFlag(code, typed.flagCode.toLower(), m_flagPicture);

    const QString newLine = entry.toLine();
    const QList<QTreeWidgetItem *> items = [this] {
        QList<QTreeWidgetItem *> all;
        for (int i = 0; i < m_cities->topLevelItemCount(); ++i)
            all.append(m_cities->topLevelItem(i));
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
    if (m_cities->topLevelItemCount() == 0) {
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
    if (CityEditorChecks::isInUse(m_app.settings().clockList, m_name->text().trimmed())) {
        message(QMessageBox::Critical, CityEditorChecks::inUseMessage());
        return;
    }

    showWaitPanel();
    const auto result = CityListFile(m_app.appFolder()).remove(text);
    if (!result) {
        m_waitPanel->hide();
        message(QMessageBox::Critical, result.error());
        return;
    }
    if (result->found()) {
        const QScopedValueRollback listing(m_listing, true);
        const QList<qsizetype> removed = CityEditorList::planDelete(cityLines(), text);
        for (auto index = removed.crbegin(); index != removed.crend(); ++index)
            delete m_cities->takeTopLevelItem(int(*index));
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

    const QString folder = m_app.appFolder().flagsFolder();
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
    m_flags->setCurrentIndex(m_flags->findData(choice.code));
    showFlagPicture(QPixmap::fromImage(FlagFolder::loadPicture(chosen)));
    m_flagCode->setText(choice.code);
}

bool CityEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_zone && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!CityEditorChecks::acceptsZoneKey(key->text(), key->modifiers()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
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
    m_flagPicture = picture;
    m_flagImage->setPixmap(picture);
}

void CityEditor::focusName()
{
    m_name->setFocus(Qt::OtherFocusReason);
}

CityEditorChecks::Fields CityEditor::fields() const
{
    return {m_name->text(), m_zone->text(), m_flagCode->text()};
}

QTreeWidgetItem *CityEditor::selectedCity() const
{
    const QList<QTreeWidgetItem *> selected = m_cities->selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

QStringList CityEditor::cityLines() const
{
    QStringList lines;
    lines.reserve(m_cities->topLevelItemCount());
    for (int i = 0; i < m_cities->topLevelItemCount(); ++i)
        lines.append(m_cities->topLevelItem(i)->data(0, LineRole).toString());
    return lines;
}

QMessageBox::StandardButton CityEditor::message(QMessageBox::Icon icon, const QString &text,
                                                QMessageBox::StandardButtons buttons)
{
    return m_app.messages().show(this, icon, text, buttons);
}
