#pragma once

#include <QColor>
#include <QFrame>
#include <QString>

#include <functional>
#include <optional>

/// A small framed box filled with one colour: the options dialog's colour swatches, which the
/// colour chooser below sets.
class ColourSwatch final : public QFrame {
    Q_OBJECT

public:
    ColourSwatch(const QString &objectName, const QString &accessibleName, QWidget *parent);

    [[nodiscard]] QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour = Qt::white;
};

/// The colour and file choosers of the options dialog. The dialog asks through these functions,
/// so tests answer in place of the user and no modal chooser ever waits.
struct Choosers {
    /// What the picture chooser is opened with.
    struct PictureRequest {
        QString title;
        QString folder; // where the chooser starts
        QString filter; // e.g. "Bitmap Files (*.bmp)"
    };

    /// The colour the user chose, or nothing when the chooser was cancelled.
    using ColourChooser = std::function<std::optional<QColor>(QWidget *parent, QColor initial)>;
    /// The full path of the file the user chose, or empty text when the chooser was cancelled.
    using PictureChooser = std::function<QString(QWidget *parent, const PictureRequest &request)>;

    ColourChooser colour;
    PictureChooser picture;

    /// The system's own choosers (QColorDialog, QFileDialog).
    [[nodiscard]] static Choosers system();
};
