#pragma once

#include <QSortFilterProxyModel>
#include <QString>
#include <QStringView>

/// A search in a list of city names, as the user types it: a name matches when it contains the
/// typed text, compared without regard to case or accents ("zur" finds "Zürich", "lodz" finds
/// "Łódź", "sao" finds "São Paulo").
class CitySearch final {
public:
    /// The empty search, which every name matches.
    CitySearch() = default;
    explicit CitySearch(QStringView typed);

    /// A name as searches compare it: decomposed (compatibility forms too, so "ﬁ" is "fi") with
    /// the combining marks dropped, case-folded, and the few Latin letters that do not decompose
    /// spelt with the plain letters a user types for them (ł l, ø o, đ d, ß ss, æ ae...).
    [[nodiscard]] static QString fold(QStringView name);

    /// Whether a name, given folded by fold(), matches. Compares no more than a substring search.
    [[nodiscard]] bool matches(QStringView foldedName) const;

    [[nodiscard]] bool isEmpty() const { return m_folded.isEmpty(); }
    [[nodiscard]] const QString &folded() const { return m_folded; }

    friend bool operator==(const CitySearch &, const CitySearch &) = default;

private:
    QString m_folded;
};

/// The rows of a list of cities that match a search, in the list's order. Each source row gives
/// its folded name in KeyRole (filled once, so a keystroke folds only what was typed); a row
/// without one is folded from its display text.
class CitySearchModel final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole + 1;

    explicit CitySearchModel(QObject *parent = nullptr);

    /// Shows the rows that match `typed`; every row for an empty text.
    void setSearchText(QStringView typed);
    [[nodiscard]] const CitySearch &search() const { return m_search; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    CitySearch m_search;
};
