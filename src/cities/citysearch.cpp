#include "cities/citysearch.h"

#include <algorithm>

namespace {

bool isAscii(QStringView text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

bool isCombiningMark(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

// Letters that no decomposition takes apart, in their case-folded form, and what a user types for
// them on a keyboard without them.
QStringView plainSpelling(char32_t c)
{
    switch (c) {
    case U'ł':
        return u"l";
    case U'ø':
        return u"o";
    case U'đ':
    case U'ð':
        return u"d";
    case U'ħ':
        return u"h";
    case U'ı':
        return u"i";
    case U'ŧ':
        return u"t";
    case U'ß':
        return u"ss";
    case U'æ':
        return u"ae";
    case U'œ':
        return u"oe";
    case U'þ':
        return u"th";
    default:
        return {};
    }
}

} // namespace

CitySearch::CitySearch(QStringView typed)
    : m_folded(fold(typed))
{
}

QString CitySearch::fold(QStringView name)
{
    // Most names are plain ASCII: lower-casing is all they need.
    if (isAscii(name))
        return name.toString().toLower();

    const QString decomposed = name.toString().normalized(QString::NormalizationForm_KD);
    QString unmarked;
    unmarked.reserve(decomposed.size());
    for (const char32_t c : QStringView(decomposed).toUcs4()) {
        if (!isCombiningMark(c)) {
            const auto units = QChar::fromUcs4(c);
            unmarked.append(QStringView(units));
        }
    }
    const QString caseFolded = unmarked.toCaseFolded();

    QString folded;
    folded.reserve(caseFolded.size());
    for (const QChar c : caseFolded) {
        const QStringView plain = plainSpelling(c.unicode());
        if (plain.isEmpty())
            folded.append(c);
        else
            folded.append(plain);
    }
    return folded;
}

bool CitySearch::matches(QStringView foldedName) const
{
    return foldedName.contains(m_folded);
}

CitySearchModel::CitySearchModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void CitySearchModel::setSearchText(QStringView typed)
{
    CitySearch search(typed);
    if (search == m_search)
        return;
    m_search = std::move(search);
    // All rows anew in one layout change: invalidateFilter() would announce each run of rows that
    // comes or goes, and the views over the model (a completer's list, say) would lay themselves
    // out again for every run, thousands of times a keystroke in a long list.
    invalidate();
}

bool CitySearchModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_search.isEmpty())
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, filterKeyColumn(), sourceParent);
    const QVariant key = index.data(KeyRole);
    if (key.isValid())
        return m_search.matches(key.toString());
    return m_search.matches(CitySearch::fold(index.data().toString()));
}
