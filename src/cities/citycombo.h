#pragma once

#include "cities/citylistfile.h"

#include <QComboBox>
#include <QList>
#include <QString>
#include <QStringList>

class CitySearchModel;
class QCompleter;

/// What a city's entry in a combo box of cities reads.
enum class CityCaption {
    Name,        // "Cairo"
    NameAndZone, // "Cairo [+02:00]"
};

/// A combo box of cities in the user's alphabetical order (CityOrder), searched by typing.
///
/// Text typed in its field opens, under it, the list of the cities whose names contain that text
/// without regard to case or accents (CitySearch). Down and Up go through the list; Enter or a
/// click chooses the marked city, Enter with none marked the first. Leaving the field takes the
/// marked city or the only match; otherwise it drops the search, as Escape does, and the field
/// shows the chosen city again. A second Escape goes to the dialog (which closes). Choosing is the
/// only way a search changes the current entry, whose item data is the city's whole line. The arrow
/// and Alt+Down open the whole list, as in any combo box.
class CityCombo final : public QComboBox {
    Q_OBJECT

public:
    explicit CityCombo(QWidget *parent = nullptr);

    /// Replaces the entries by the cities: each with its caption, its flag from the flag folders
    /// as icon (none when the flag is missing or is no picture; each picture is read once,
    /// however many cities share it) and its whole line as item data. No entry is current.
    void setCities(const QList<CityLine> &cities, const QStringList &flagFolders,
                   CityCaption caption);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void search(const QString &typed);
    [[nodiscard]] QModelIndex markedMatch() const;
    void choose(const QModelIndex &match);
    void leaveSearch();
    void endSearch();
    void showMatches();

    CitySearchModel *m_matches = nullptr;
    QCompleter *m_completer = nullptr;
    bool m_searching = false;
};
