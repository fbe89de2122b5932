#pragma once
// The board's background drawn once at the pixels it covers and kept until
// the colour, the picture, its mode or the size change: a frame of a move in
// motion then costs one copy instead of a tiling or stretching of the
// picture at the window's scale.

#include <QPixmap>

#include "presentation/Background.h"

namespace zorvane {

class BackgroundLayer {
  public:
    // Draws PaintBackground's picture of a `design`-sized area; `painter`
    // works in design units, scaled by `scale` onto its device.
    void Paint(QPainter& painter, QSize design, qreal scale, const QColor& boardColor,
               const BackgroundPicture& picture, bool useGraphic, int mode);

  private:
    struct Key {
        QSize design;
        qreal pixelsPerUnit = 0;
        QRgb colour = 0;
        qint64 picture = 0;
        bool use = false;
        int mode = 0;
        bool operator==(const Key&) const = default;
    };
    Key key_;
    QPixmap layer_;
};

}  // namespace zorvane
