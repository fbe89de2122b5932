#include "tools/artgen/PieceArt.h"

#include "presentation/PieceSymbols.h"

#include <QLinearGradient>
#include <QtMath>

namespace zorvane::art {

namespace {

constexpr QPointF kCentre(20.0, 20.0);

// Outer sizes chosen so the four shapes look equally heavy on the board;
// each keeps about two pixels clear of the cell edge.
qreal OuterRadius(char shape) {
    switch (shape) {
        case 'A':
            return 17.3;
        case 'B':
            return 16.6;
        case 'C':
            return 17.6;
        default:
            return 18.7;
    }
}

constexpr qreal kInnerScale = 0.5;

// A star's points make its box taller above the centre than below; moving
// the centre down by half the difference puts the star in the middle.
QPointF ShapeCentre(char shape, QPointF centre, qreal radius) {
    if (shape != 'D') {
        return centre;
    }
    const qreal below = radius * qCos(qDegreesToRadians(36.0));
    return centre + QPointF(0, (radius - below) / 2);
}

QPainterPath FivePointStar(QPointF c, qreal radius) {
    constexpr qreal kInnerRatio = 0.49;
    return StarPath(c, 5, radius, radius * kInnerRatio);
}

}  // namespace

QPainterPath ShapePath(char shape, QPointF centre, qreal radius) {
    QPainterPath path;
    switch (shape) {
        case 'A':
            path.addEllipse(centre, radius, radius);
            break;
        case 'B':
            path.addRoundedRect(
                QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                radius * 0.38, radius * 0.38);
            break;
        case 'C':
            path.moveTo(centre.x(), centre.y() - radius);
            path.lineTo(centre.x() + radius, centre.y());
            path.lineTo(centre.x(), centre.y() + radius);
            path.lineTo(centre.x() - radius, centre.y());
            path.closeSubpath();
            break;
        default:
            path = FivePointStar(centre, radius);
            break;
    }
    return path;
}

void DrawOutline(QPainter& p, const QPainterPath& outline, qreal outlineWidth) {
    QPen dark(OutlineColour(), outlineWidth * 1.5);
    dark.setJoinStyle(Qt::RoundJoin);
    p.strokePath(outline, dark);
    // The light band covers the inner half of the dark line, so even a
    // sharp point has light right up to its tip.
    p.save();
    p.setClipPath(outline, Qt::IntersectClip);
    QPen light(EdgeLightColour(), 3.6);
    light.setJoinStyle(Qt::RoundJoin);
    p.strokePath(outline, light);
    p.restore();
}

void DrawPiece(QPainter& p, char shape, const PieceColour& colour, qreal outlineWidth,
               bool innerMark) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal radius = OuterRadius(shape);
    const QPointF centre = ShapeCentre(shape, kCentre, radius);
    const QPainterPath outer = ShapePath(shape, centre, radius);
    const QPainterPath inner = ShapePath(shape, centre, radius * kInnerScale);

    // The flat areas carry the table colours exactly; the light and shade
    // below only touch a thin band along the edge.
    p.setPen(Qt::NoPen);
    p.fillPath(outer, colour.main);

    // A soft shade along the lower right edge and a gloss on the upper left
    // give the piece some depth without changing the colour it reads as.
    const QPainterPath shade = outer.subtracted(outer.translated(-1.6, -1.6));
    p.fillPath(shade, QColor(0, 0, 0, 60));
    const QPainterPath rim = outer.subtracted(outer.translated(1.4, 1.4));
    p.fillPath(rim, QColor(255, 255, 255, 90));

    QPainterPath glossArea;
    glossArea.addEllipse(QPointF(centre.x() - radius * 0.28, centre.y() - radius * 0.62),
                         radius * 0.78, radius * 0.42);
    const QPainterPath gloss =
        innerMark ? glossArea.intersected(outer).subtracted(inner) : glossArea.intersected(outer);
    QLinearGradient glossFill(0, centre.y() - radius, 0, centre.y() - radius * 0.2);
    glossFill.setColorAt(0, QColor(255, 255, 255, 120));
    glossFill.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(gloss, glossFill);

    // The inner shape sits slightly sunk: dark shade, a fine dark edge.
    if (innerMark) {
        p.fillPath(inner, colour.dark);
        QPen innerPen(QColor(0, 0, 0, 130), outlineWidth * 0.6);
        innerPen.setJoinStyle(Qt::RoundJoin);
        p.strokePath(inner, innerPen);
    }

    DrawOutline(p, outer, outlineWidth);
    p.restore();
}

}  // namespace zorvane::art
