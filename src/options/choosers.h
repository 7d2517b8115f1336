#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

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
