#pragma once
// Between Qt's pictures and the plain RGB buffers of platform/jpegfile.h.
#include "platform/jpegfile.h"

#include <QImage>
#include <cstring>

namespace vy::platform {

inline RgbImage toRgbImage(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    RgbImage image{rgb.width(), rgb.height(), {}};
    const std::size_t stride = static_cast<std::size_t>(rgb.width()) * 3;
    image.pixels.resize(stride * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(image.pixels.data() + stride * static_cast<std::size_t>(y), rgb.constScanLine(y), stride);
    return image;
}

inline QImage toQImage(const RgbImage& image)
{
    if (!image.valid())
        return {};
    const QImage view(image.pixels.data(), image.width, image.height, image.width * 3, QImage::Format_RGB888);
    return view.copy(); // the view does not own the pixels
}

} // namespace vy::platform
