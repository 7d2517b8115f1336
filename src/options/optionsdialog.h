#pragma once

#include "cities/cityline.h"
#include "options/choosers.h"
#include "options/optionsform.h"

#include <QDialog>
#include <QImage>
#include <QList>

class Application;
class ColourSwatch;
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
    explicit OptionsDialog(Application &app, QWidget *parent = nullptr);

    /// Replaces the colour and file choosers (tests answer in place of the user).
    void setChoosers(Choosers choosers);

    /// What the controls hold now.
    [[nodiscard]] OptionsForm form() const;

    /// cmdSave: closes the clock window, writes the settings file, tells the user, and loads the
    /// settings again, which builds a new clock window.
    void save();

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

    Application &m_app;
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
