#include "clockwindow/stripbackground.h"

#include "settings/displayoptions.h"
#include "settings/settingsvalue.h"
#include "settings/colournumber.h"
#include "clockwindow/stripgradient.h"

#include <QFileInfo>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

QColor colourOf(const QString &text)
{
    return ColourNumber::toColor(SettingsValue::colourNumber(text));
}

StripFill pictureFill(const QString &path)
{
    QImage image;
    if (QFileInfo(path).isFile())
        image.load(path);
    if (image.isNull())
        return {StripFill::None{}};
    return {StripFill::Picture{image}};
}

} // namespace

StripFill stripFillFor(const DisplayOptions &options)
{
    const QString &kind = options.backGround;
    if (kind == u"non"_s)
        return {StripFill::None{}};
    if (kind == u"pic"_s)
        return pictureFill(options.bgPicture);
    if (kind == u"sld"_s)
        return {StripFill::Solid{colourOf(options.solid)}};
    if (kind == u"grt1"_s)
        return {StripFill::OneColorGradient{colourOf(options.oneColor), options.oneColorDir + 1}};
    if (kind == u"grt2"_s)
        return {StripFill::TwoColorGradient{colourOf(options.twoColors1),
                                            colourOf(options.twoColors2)}};
    return {StripFill::Solid{Qt::white}};
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
                image = renderOneColorGradient(logicalSize, kind.start, kind.directionCode)
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
