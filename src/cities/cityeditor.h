#pragma once

#include "cities/cityeditorchecks.h"
#include "cities/cityorder.h"
#include "settings/appfolder.h"
#include "settings/settingsstate.h"

#include <QDialog>
#include <QHash>
#include <QMessageBox>
#include <QPixmap>

#include <functional>
#include <optional>

class MessagePresenter;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

/// The city editor ("Add Country/City"): adds a city to the city list file, changes a city's zone
/// or flag, deletes a city, and brings a new flag bitmap of the flags folder into use. Every Save
/// and Delete rewrites the file at once and keeps the list in step with it; the settings file and
/// the clock window are never touched.
class CityEditor final : public QDialog {
    Q_OBJECT

public:
    /// Asks the user for a bitmap; returns its path, or an empty text when the user cancelled.
    using FileChooser = std::function<QString(QWidget *parent, const QString &title,
                                              const QString &folder, const QString &filter)>;

    /// `settings` are the settings in force, which must outlive the editor: a city that one of
    /// their clocks shows cannot be deleted.
    CityEditor(const AppFolder &folder, const SettingsState &settings, MessagePresenter &messages,
               QWidget *parent = nullptr);

    /// Replaces the file-open dialog of "From File" (tests answer without a modal dialog).
    void setFileChooser(FileChooser chooser);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class Focus { Name, Stay };

    [[nodiscard]] QLayout *createNameAndZoneFields();
    [[nodiscard]] QLayout *createFlagFields();
    [[nodiscard]] QLayout *createButtons();
    [[nodiscard]] QLayout *createCityColumn();
    void createWaitPanel();
    void setTabOrders();

    void listCities();
    void listFlags();
    void addFlag(const QString &code, const QString &text, const QPixmap &picture);
    void addCity(const QString &line);
    void updateCity(QTreeWidgetItem *item, const QString &line);
    void selectCity(QTreeWidgetItem *item);
    void sortCities();
    void filterCities();
    void enterCityList();
    bool typedInCityList(QKeyEvent *key);

    void showChosenFlag();
    void newCity();
    void pickCity(Focus focus);
    void pickFlag();
    void save();
    void deleteCity();
    void flagFromFile();

    void showWaitPanel();
    void showFlagPicture(const QPixmap &picture);
    void focusName();
    [[nodiscard]] CityEditorChecks::Fields fields() const;
    [[nodiscard]] QTreeWidgetItem *selectedCity() const;
    [[nodiscard]] QTreeWidgetItem *firstShownCity() const;
    [[nodiscard]] QStringList cityLines() const;
    QMessageBox::StandardButton message(QMessageBox::Icon icon, const QString &text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);

    AppFolder m_folder;
    const SettingsState &m_settings;
    MessagePresenter &m_messages;
    FileChooser m_chooseFile;
    CityOrder m_order;                      // the city list's order, in the user's language
    QHash<QString, QPixmap> m_flagPictures; // the flag list's pictures by upper-case code
    QPixmap m_chosenFlagPicture;            // the picture of the chosen flag
    bool m_busy = false;                    // a Save, Delete or From File is running
    bool m_listing = false;                 // the program, not the user, moves the list's selection

    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_zoneEdit = nullptr;
    QLabel *m_flagPicture = nullptr;
    QComboBox *m_flagCombo = nullptr;
    QLabel *m_flagCodeLabel = nullptr;
    QPushButton *m_fromFileButton = nullptr;
    QPushButton *m_newButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLineEdit *m_searchEdit = nullptr; // over the city list: shows only the cities that match
    QTreeWidget *m_cityList = nullptr;
    QLabel *m_waitPanel = nullptr; // over the middle of the dialog, outside its layout
};
