#include "clockwindow/stripbackground.h"

#include "clockwindow/stripgradient.h"
#include "settings/picturefile.h"

#include <QPainter>

namespace {

StripFill pictureFill(const QString &path)
{
    QImage image = readPicture(path);
    if (image.isNull())
        return {StripFill::None{}};
    return {StripFill::Picture{std::move(image)}};
}

} // namespace

StripFill stripFillFor(const DisplayOptions &options)
{
    if (!options.background)
        return {StripFill::Solid{Qt::white}};
    switch (*options.background) {
    case BackgroundKind::None:
        break;
    case BackgroundKind::Picture:
        return pictureFill(options.backgroundPicture);
    case BackgroundKind::Solid:
        return {StripFill::Solid{options.solidColour}};
    case BackgroundKind::OneColourGradient:
        return {StripFill::OneColorGradient{options.gradientColour, options.gradientDirection}};
    case BackgroundKind::TwoColourGradient:
        return {StripFill::TwoColorGradient{options.topColour, options.bottomColour}};
    }
    return {StripFill::None{}};
}

QImage renderStripFill(const StripFill &fill, QSize logicalSize, qreal pixelRatio)
{
    const QSize deviceSize = (QSizeF(logicalSize) * pixelRatio).toSize();
    QImage image(deviceSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::visit(
        [&](const auto &kind) {
            using Kind = std::decay_t<decltype(kind)>;
            if constexpr (std::is_same_v<Kind, StripFill::Solid>) {
                image.fill(kind.colour);
            } else if constexpr (std::is_same_v<Kind, StripFill::OneColorGradient>) {
                // Bands are whole window pixels; scale them up without smoothing.
                image = renderOneColorGradient(logicalSize, kind.start, kind.direction)
                            .scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            } else if constexpr (std::is_same_v<Kind, StripFill::TwoColorGradient>) {
                image = renderTwoColorGradient(deviceSize, kind.top, kind.bottom);
            } else if constexpr (std::is_same_v<Kind, StripFill::Picture>) {
                image =
                    kind.image.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
        },
        fill.kind);
    image.setDevicePixelRatio(pixelRatio);
    return image;
}
