#include "tools/artgen/BombArt.h"
#include "tools/artgen/PieceArt.h"

#include "presentation/PieceSymbols.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace zorvane::art {

namespace {

// The body sits low and left so the fuse and spark fit in the top right.
constexpr QPointF kBody(18.0, 23.0);
constexpr qreal kBodyRadius = 14.2;
constexpr qreal kOutline = 1.6;

struct BodyStyle {
    QColor fill;
    QColor shade;  // the crescent on the side away from the light
    QColor shine;  // the highlight on the side facing it
};

QPainterPath BodyPath() {
    QPainterPath path;
    path.addEllipse(kBody, kBodyRadius, kBodyRadius);
    return path;
}

void DrawFuseAndSpark(QPainter& p) {
    // The fuse cord leaves the cap and curls up to the spark.
    QPainterPath cord;
    cord.moveTo(28.2, 11.8);
    cord.cubicTo(29.6, 8.4, 31.0, 10.0, 32.6, 7.4);
    QPen under(OutlineColour(), 3.6, Qt::SolidLine, Qt::RoundCap);
    p.strokePath(cord, under);
    QPen cordPen(QColor(214, 170, 100), 1.8, Qt::SolidLine, Qt::RoundCap);
    p.strokePath(cord, cordPen);

    // The spark: a small burst, yellow tips, an orange heart, white-hot core.
    const QPointF c(33.4, 6.6);
    // Eight rays, turned a little off the upright.
    const auto burst = [c](qreal outer, qreal inner) { return StarPath(c, 8, outer, inner, 10.0); };
    // Outlined like the rest, and yellow right up to its tips, so the spark
    // shows on a light board and on a dark one.
    const QPainterPath spark = burst(5.0, 2.6);
    QPen outline(OutlineColour(), 2.0);
    outline.setJoinStyle(Qt::RoundJoin);
    p.strokePath(spark, outline);
    p.fillPath(spark, QColor(255, 230, 60));
    p.fillPath(burst(3.4, 1.8), QColor(245, 130, 20));
    QRadialGradient core(c, 2.4);
    core.setColorAt(0, QColor(255, 255, 255));
    core.setColorAt(0.6, QColor(255, 255, 200, 220));
    core.setColorAt(1, QColor(255, 240, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(core);
    p.drawEllipse(c, 2.4, 2.4);
}

void DrawFuseCap(QPainter& p) {
    // A short metal collar where the fuse enters the body, tilted along the
    // body's radius towards the top right.
    p.save();
    p.translate(kBody);
    p.rotate(45.0);
    const QRectF cap(-4.0, -kBodyRadius - 3.6, 8.0, 5.6);
    QLinearGradient metal(cap.left(), 0, cap.right(), 0);
    metal.setColorAt(0, QColor(70, 70, 78));
    metal.setColorAt(0.4, QColor(190, 190, 200));
    metal.setColorAt(1, QColor(60, 60, 68));
    QPainterPath collar;
    collar.addRoundedRect(cap, 1.0, 1.0);
    p.fillPath(collar, metal);
    DrawOutline(p, collar, kOutline * 0.8);
    p.restore();
}

void DrawBody(QPainter& p, const BodyStyle& style) {
    const QPainterPath body = BodyPath();
    p.setPen(Qt::NoPen);
    p.fillPath(body, style.fill);

    // The lit part is a disc offset towards the light; what remains of the
    // body is the crescent in shade.
    QPainterPath lit;
    lit.addEllipse(kBody + QPointF(-2.6, -2.6), kBodyRadius * 0.98, kBodyRadius * 0.98);
    p.fillPath(body.subtracted(lit), style.shade);

    // The shine: a tilted oval and a small dot, the look of a glossy ball.
    p.save();
    p.translate(kBody + QPointF(-5.6, -6.0));
    p.rotate(-40.0);
    QRadialGradient shine(QPointF(0, 0), 5.0);
    shine.setColorAt(0, style.shine);
    QColor fade = style.shine;
    fade.setAlpha(0);
    shine.setColorAt(1, fade);
    p.setBrush(shine);
    p.drawEllipse(QPointF(0, 0), 5.0, 3.0);
    p.restore();
    p.setBrush(style.shine);
    p.drawEllipse(kBody + QPointF(-8.6, -1.6), 1.1, 1.1);

    DrawOutline(p, body, kOutline);
}

void DrawBomb(QPainter& p, const BodyStyle& style) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    DrawFuseAndSpark(p);
    DrawFuseCap(p);
    DrawBody(p, style);
    p.restore();
}

QPainterPath Bar(qreal cx, qreal cy, qreal w, qreal h) {
    QPainterPath path;
    path.addRoundedRect(QRectF(cx - w / 2, cy - h / 2, w, h), 1.0, 1.0);
    return path;
}

QPainterPath SignPath(int kind) {
    const qreal x = kBody.x();
    const qreal y = kBody.y();
    switch (kind) {
        case 1:
            return Bar(x, y, 12.0, 12.0);
        case 2:
            return Bar(x, y, 22.0, 6.0);
        case 3:
            return Bar(x, y, 6.0, 22.0);
        case 4:
            return Bar(x, y, 22.0, 6.0).united(Bar(x, y, 6.0, 22.0));
        case 5: {
            // The bar marks this row; the arrow points at the rows above.
            QPainterPath arrow;
            arrow.moveTo(x, y - 11.0);
            arrow.lineTo(x + 6.5, y - 3.5);
            arrow.lineTo(x + 2.3, y - 3.5);
            arrow.lineTo(x + 2.3, y + 3.0);
            arrow.lineTo(x - 2.3, y + 3.0);
            arrow.lineTo(x - 2.3, y - 3.5);
            arrow.lineTo(x - 6.5, y - 3.5);
            arrow.closeSubpath();
            return Bar(x, y + 6.0, 19.0, 5.0).united(arrow);
        }
        default:
            return StarPath(kBody, 8, 11.0, 4.6);
    }
}

}  // namespace

void DrawBlackBomb(QPainter& p) {
    // Charcoal rather than black, so the body stands apart from a black board.
    DrawBomb(p, {QColor(56, 56, 64), QColor(16, 16, 20), QColor(255, 255, 255, 200)});
}

void DrawColourBomb(QPainter& p, const PieceColour& colour) {
    QColor shade = colour.dark;
    shade.setAlpha(200);
    DrawBomb(p, {colour.main, shade, QColor(255, 255, 255, 230)});
}

void DrawSpecial(QPainter& p, int kind) {
    // Ivory rather than white, so the body stands apart from a white board.
    DrawBomb(p, {QColor(240, 226, 180), QColor(196, 176, 128), QColor(255, 255, 255, 255)});
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath sign = SignPath(kind);
    p.fillPath(sign, QColor(225, 20, 20));
    QPen edge(QColor(110, 0, 0), 0.9);
    edge.setJoinStyle(Qt::RoundJoin);
    p.strokePath(sign, edge);
    p.restore();
}

}  // namespace zorvane::art
