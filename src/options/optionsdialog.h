#pragma once

#include "cities/citylistfile.h"
#include "options/choosers.h"
#include "options/optionsform.h"
#include "settings/appfolder.h"
#include "settings/settingsstate.h"
#include "zonetime/clock.h"

#include <QDialog>
#include <QList>

class CityCombo;
class MessagePresenter;
class StripWidget;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

/// The options dialog ("Options"): the local city, the rows and formats of the clocks, the tray
/// icon, always-on-top, and the clock style and background with a live preview of one face.
/// Not modal. Save writes the settings file and rebuilds the clock window; the dialog stays open.
/// Between opening and saving the values live in the controls and, for the background picture,
/// in the dialog.
class OptionsDialog final : public QDialog {
    Q_OBJECT

public:
    /// `settings` are the settings in force, which must outlive the dialog: the controls show
    /// them, and a Save keeps what the controls leave unchosen as they hold it. `clock` gives the
    /// computer's zone and offset from UTC, from which, with the zone table `zones`, a local city
    /// is proposed in a fresh settings file.
    OptionsDialog(const AppFolder &folder, const SettingsState &settings, const Clock &clock,
                  const ZoneTable &zones, MessagePresenter &messages, QWidget *parent = nullptr);

    /// Replaces the colour and file choosers (tests answer in place of the user).
    void setChoosers(Choosers choosers);

    /// What the controls hold now.
    [[nodiscard]] OptionsForm form() const;

    /// Save: writes the settings file, tells the user, and reports saveFinished(); the dialog
    /// stays open.
    void save();

Q_SIGNALS:
    /// Save ran and its message was shown: the settings file may have changed (also when there
    /// was none to write into, or the Save failed), and the clock window is to be built from it
    /// again.
    void saveFinished();

private:
    [[nodiscard]] QWidget *createOptionsFrame();
    [[nodiscard]] QWidget *createLocalCityFrame();
    [[nodiscard]] QWidget *createClockStyleFrame();
    [[nodiscard]] QWidget *createBackgroundChoosers();
    [[nodiscard]] QWidget *createPreview();
    [[nodiscard]] QLayout *createButtonRow();

    void listCities();
    void showForm(const OptionsForm &form);
    void showFace();
    void showBackgroundKind();
    void showBackground();
    void showPicture();
    void chooseColour(ColourSwatch *swatch);
    void choosePicture();

    AppFolder m_folder;
    const SettingsState &m_settings;
    MessagePresenter &m_messages;
    Choosers m_choosers;
    QList<CityLine> m_cities;
    QString m_backgroundPicture; // the stored picture until the chooser takes another

    QCheckBox *m_hideSysTrayIconBox = nullptr;
    QCheckBox *m_alwaysOnTopBox = nullptr;
    QCheckBox *m_displayClockBox = nullptr;
    QCheckBox *m_displayTimeBox = nullptr;
    QComboBox *m_timeFormatCombo = nullptr;
    QCheckBox *m_displayDateBox = nullptr;
    QComboBox *m_dateFormatCombo = nullptr;
    QCheckBox *m_displayOppositeDateBox = nullptr;
    QComboBox *m_oppositeDateFormatCombo = nullptr;
    QComboBox *m_oppositeDateShiftCombo = nullptr;
    QCheckBox *m_followDstBox = nullptr;
    QCheckBox *m_keepPositionBox = nullptr;
    CityCombo *m_localCityCombo = nullptr;
    QComboBox *m_faceStyleCombo = nullptr;
    QButtonGroup *m_backgroundKinds = nullptr; // the kind buttons, by BackgroundKind
    ColourSwatch *m_solidColourSwatch = nullptr;
    ColourSwatch *m_gradientColourSwatch = nullptr;
    ColourSwatch *m_topColourSwatch = nullptr;
    ColourSwatch *m_bottomColourSwatch = nullptr;
    QPushButton *m_pictureSelectButton = nullptr;
    QPushButton *m_solidColourSelectButton = nullptr;
    QPushButton *m_gradientColourSelectButton = nullptr;
    QCheckBox *m_reverseDirectionBox = nullptr;
    QPushButton *m_topColourSelectButton = nullptr;
    QPushButton *m_bottomColourSelectButton = nullptr;
    StripWidget *m_previewStrip = nullptr;
    QLabel *m_previewPicture = nullptr;
    QLabel *m_previewFace = nullptr;
};
