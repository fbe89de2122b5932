#include "presentation/Transparency.h"

namespace zorvane {

QImage WithoutTransparentColour(const QImage& image) {
    if (image.isNull()) {
        return image;
    }
    const QRgb key = image.pixel(0, image.height() - 1);
    if (qAlpha(key) == 0) {
        return image;
    }
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (line[x] == key) {
                line[x] = 0;
            }
        }
    }
    return keyed;
}

QPixmap WithoutTransparentColour(const QPixmap& pixmap) {
    if (pixmap.isNull()) {
        return pixmap;
    }
    QPixmap keyed = QPixmap::fromImage(WithoutTransparentColour(pixmap.toImage()));
    keyed.setDevicePixelRatio(pixmap.devicePixelRatio());
    return keyed;
}

}  // namespace zorvane
