#include "presentation/BackgroundLayer.h"

#include <QPaintDevice>

namespace zorvane {

void BackgroundLayer::Paint(QPainter& painter, QSize design, qreal scale, const QColor& boardColor,
                            const BackgroundPicture& picture, bool useGraphic, int mode) {
    const qreal pixelsPerUnit = scale * painter.device()->devicePixelRatioF();
    const Key key{design,
                  pixelsPerUnit,
                  boardColor.rgba(),
                  picture.IsSet() ? picture.Drawable().cacheKey() : 0,
                  useGraphic,
                  mode};
    if (layer_.isNull() || !(key == key_)) {
        key_ = key;
        layer_ = QPixmap((QSizeF(design) * pixelsPerUnit).toSize());
        layer_.setDevicePixelRatio(pixelsPerUnit);
        QPainter onLayer(&layer_);
        onLayer.setRenderHint(QPainter::SmoothPixmapTransform);
        PaintBackground(onLayer, design, boardColor, picture, useGraphic, mode);
    }
    painter.drawPixmap(0, 0, layer_);
}

}  // namespace zorvane
