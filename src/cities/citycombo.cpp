#include "cities/citycombo.h"

#include "cities/cityorder.h"
#include "cities/citysearch.h"
#include "cities/flagfolder.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QCompleter>
#include <QCoreApplication>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QStandardItemModel>

using namespace Qt::StringLiterals;

namespace {

// The item data of an entry: the whole city line.
constexpr int LineRole = Qt::UserRole;
static_assert(CitySearchModel::KeyRole != LineRole);
// A role no entry has. Asked to complete by it, the completer finds no entry that "begins with"
// the typed text, so it never marks one of its own accord: the list shows CitySearchModel's
// matches, and Down goes to the first of them.
constexpr int NoCompletionRole = Qt::UserRole + 2;

/// The completer of a CityCombo: while the user moves through the matches, the field shows the
/// marked entry's caption.
class MatchCompleter final : public QCompleter {
public:
    using QCompleter::QCompleter;

    QString pathFromIndex(const QModelIndex &index) const override
    {
        return index.data().toString();
    }
};

} // namespace

CityCombo::CityCombo(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setPlaceholderText(tr("Type to search"));

    m_matches = new CitySearchModel(this);
    m_matches->setSourceModel(model());
    m_completer = new MatchCompleter(m_matches, this);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCompletionRole(NoCompletionRole);
    m_completer->setMaxVisibleItems(maxVisibleItems());
    setCompleter(m_completer);
    if (auto *list = qobject_cast<QListView *>(m_completer->popup())) {
        list->setObjectName(u"cityMatches"_s);
        list->setAccessibleName(tr("Matching cities"));
        list->setUniformItemSizes(true);
    }

    connect(lineEdit(), &QLineEdit::textEdited, this, &CityCombo::search);
    // After a click on a match, once the completer has also written the match into the field:
    // the search is over (a click on the current entry changes no index) and what is typed next
    // starts a new one.
    connect(
        m_completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
        [this] {
            if (m_searching)
                endSearch();
            else
                lineEdit()->selectAll();
        },
        Qt::QueuedConnection);
    // Chosen from the whole list, or set by the dialog: the search is over, and what is typed
    // next starts a new one.
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (m_searching)
            endSearch();
        else if (hasFocus())
            lineEdit()->selectAll();
    });
}

void CityCombo::setCities(const QList<CityLine> &cities, const QStringList &flagFolders,
                          CityCaption caption)
{
    const FlagFolder flags = FlagFolder::scan(flagFolders);
    QHash<QString, QIcon> icons; // by picture path
    const auto iconOf = [&](const CityLine &city) {
        const std::optional<QString> path = flags.picturePath(city.entry.flagFile);
        if (!path)
            return QIcon();
        auto known = icons.constFind(*path);
        if (known == icons.cend()) {
            const QPixmap picture = QPixmap::fromImage(FlagFolder::loadPicture(*path));
            known = icons.insert(*path, picture.isNull() ? QIcon() : QIcon(picture));
        }
        return *known;
    };

    QStringList names;
    names.reserve(cities.size());
    for (const CityLine &city : cities)
        names.append(city.entry.name);
    QList<QStandardItem *> entries;
    entries.reserve(cities.size());
    for (const qsizetype position : CityOrder().sorted(names)) {
        const CityLine &city = cities.at(position);
        auto *entry = new QStandardItem(
            iconOf(city), caption == CityCaption::Name ? city.entry.name : city.clockListText());
        entry->setData(city.text, LineRole);
        entry->setData(CitySearch::fold(city.entry.name), CitySearchModel::KeyRole);
        entries.append(entry);
    }

    clear();
    // In one step: the combo and the search model take 10,000 entries at once rather than one
    // by one.
    if (auto *store = qobject_cast<QStandardItemModel *>(model()))
        store->invisibleRootItem()->appendRows(entries);
    setCurrentIndex(-1);
}

void CityCombo::keyPressEvent(QKeyEvent *event)
{
    if (m_searching) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The marked match, else the first; nothing when nothing matches, and an erased
            // search is over.
            if (const QModelIndex match = markedMatch(); match.isValid())
                choose(match);
            else if (m_matches->search().isEmpty())
                endSearch();
            else if (m_matches->rowCount() > 0)
                choose(m_matches->index(0, 0));
            return;
        case Qt::Key_Escape:
            endSearch();
            return;
        case Qt::Key_Down:
        case Qt::Key_Up:
            if (event->modifiers() & Qt::AltModifier)
                break; // the whole list
            // They move through the matches, which are shown again if a click elsewhere hid them.
            if (QAbstractItemView *list = m_completer->popup(); list->isVisible())
                QCoreApplication::sendEvent(list, event);
            else
                showMatches();
            return;
        default:
            break;
        }
    }
    QComboBox::keyPressEvent(event);
}

void CityCombo::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    // Typing starts a new search rather than adding to the chosen city's caption; a click puts
    // the cursor where the user clicked.
    if (!m_searching && event->reason() != Qt::MouseFocusReason)
        lineEdit()->selectAll();
}

void CityCombo::focusOutEvent(QFocusEvent *event)
{
    // The whole list's popup is part of the combo, and a search stays while the user is in
    // another window.
    const Qt::FocusReason reason = event->reason();
    if (m_searching && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        leaveSearch();
    QComboBox::focusOutEvent(event);
}

void CityCombo::search(const QString &typed)
{
    m_searching = true;
    m_matches->setSearchText(typed);
    // The line edit shows the completer's list of the matches next (or hides it when none match).
}

QModelIndex CityCombo::markedMatch() const
{
    const QAbstractItemView *list = m_completer->popup();
    const auto *shown = qobject_cast<QAbstractProxyModel *>(m_completer->completionModel());
    if (!list->isVisible() || !shown)
        return {};
    return shown->mapToSource(list->currentIndex());
}

void CityCombo::choose(const QModelIndex &match)
{
    const int row = m_matches->mapToSource(match).row();
    setCurrentIndex(row);
    endSearch(); // when the match was the current entry already
    Q_EMIT activated(row);
}

void CityCombo::leaveSearch()
{
    // Leaving the field (for "Add To List", say) takes the match the user marked or the only
    // one, as that is the city the user means; among several, none is guessed.
    if (const QModelIndex match = markedMatch(); match.isValid())
        choose(match);
    else if (m_matches->rowCount() == 1)
        choose(m_matches->index(0, 0));
    else
        endSearch();
}

void CityCombo::endSearch()
{
    m_searching = false;
    m_completer->popup()->hide();
    m_matches->setSearchText({});
    lineEdit()->setText(currentIndex() < 0 ? QString() : itemText(currentIndex()));
    // What is typed next is a new search.
    lineEdit()->selectAll();
}

void CityCombo::showMatches()
{
    if (m_matches->rowCount() == 0)
        return;
    m_completer->complete();
    QAbstractItemView *list = m_completer->popup();
    list->setCurrentIndex(list->model()->index(0, 0));
}
