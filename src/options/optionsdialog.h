#pragma once

#include "cities/cityline.h"
#include "options/choosers.h"
#include "options/optionsform.h"
#include "settings/appfolder.h"
#include "settings/settingsstate.h"
#include "zonetime/clock.h"

#include <QDialog>
#include <QImage>
#include <QList>

class ColourSwatch;
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
    /// computer's offset from UTC, which proposes a local city in a fresh settings file.
    OptionsDialog(const AppFolder &folder, const SettingsState &settings, const Clock &clock,
                  MessagePresenter &messages, QWidget *parent = nullptr);

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
    [[nodiscard]] QPushButton *createSelectButton(const QString &objectName,
                                                  const QString &accessibleName, QWidget *parent);

    void listCountries();
    void showForm(const OptionsForm &form);
    void showStyle();
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

    QCheckBox *m_hideSysTray = nullptr;
    QCheckBox *m_onTop = nullptr;
    QCheckBox *m_clockDis = nullptr;
    QCheckBox *m_timeDis = nullptr;
    QComboBox *m_timeFormat = nullptr;
    QCheckBox *m_dateDis = nullptr;
    QComboBox *m_dateFormat = nullptr;
    QCheckBox *m_opsDateDis = nullptr;
    QComboBox *m_opsDFormat = nullptr;
    QComboBox *m_opsDDiff = nullptr;
    QCheckBox *m_followDst = nullptr;
    QComboBox *m_localCity = nullptr;
    QComboBox *m_style = nullptr;
    QButtonGroup *m_kinds = nullptr;
    ColourSwatch *m_solid = nullptr;
    ColourSwatch *m_oneColor = nullptr;
    ColourSwatch *m_twoColors1 = nullptr;
    ColourSwatch *m_twoColors2 = nullptr;
    QPushButton *m_solidSelect = nullptr;
    QPushButton *m_oneColorSelect = nullptr;
    QCheckBox *m_reverseDir = nullptr;
    QPushButton *m_twoColors1Select = nullptr;
    QPushButton *m_twoColors2Select = nullptr;
    QPushButton *m_pictureSelect = nullptr;
    StripWidget *m_preview = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_face = nullptr;
};
