#pragma once

#include "cities/citylistfile.h"
#include "clocklist/clocklistmodel.h"
#include "settings/appfolder.h"
#include "settings/settingsstate.h"

#include <QDialog>
#include <QList>
#include <QMessageBox>

#include <optional>

class CityCombo;
class MessagePresenter;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

/// The "New Clock" dialog: picks cities from the city list into an ordered list of clocks and
/// saves that list as the clock window's columns. Not modal; the list is built afresh each time
/// the dialog is created, and unsaved changes go with it when it closes.
class ClockListEditor final : public QDialog {
    Q_OBJECT

public:
    /// `settings` are the settings in force, which must outlive the dialog; the clocks it shows
    /// come from them.
    ClockListEditor(const AppFolder &folder, const SettingsState &settings,
                    MessagePresenter &messages, QWidget *parent = nullptr);

Q_SIGNALS:
    /// Save ran and its message was shown: the settings file may have changed (also after a
    /// refused or failed Save), and the clock window is to be built from it again.
    void saveFinished();

private:
    [[nodiscard]] QGroupBox *createCityFrame();
    [[nodiscard]] QLayout *createClockRows();
    [[nodiscard]] QLayout *createButtonRow();
    void createWaitPanel();
    void setUpKeyboard();

    void listCities(const QList<CityLine> &cities);
    void listClocks(const QList<CityLine> &cities);

    void addClock();
    void removeClock();
    void moveUp();
    void moveDown();
    void save();

    [[nodiscard]] std::optional<qsizetype> selectedRow() const;
    void showRow(qsizetype row);
    void showWaitPanel();
    void tell(QMessageBox::Icon icon, const QString &text);

    AppFolder m_folder;
    const SettingsState &m_settings;
    MessagePresenter &m_messages;
    ClockListModel m_clocks;

    CityCombo *m_cityCombo = nullptr;
    QListWidget *m_clockList = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QToolButton *m_upButton = nullptr;
    QToolButton *m_downButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_waitPanel = nullptr;
};
