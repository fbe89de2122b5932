#include "tools/artgen/DigitArt.h"

#include <QPainterPath>
#include <QPolygonF>
#include <array>

namespace zorvane::art {

namespace {

// Segment centre lines on whole and half pixels, three pixels thick, so the
// segments' long edges fall on pixel boundaries at 1x and stay sharp.
constexpr qreal kLeft = 3.5;
constexpr qreal kRight = 12.5;
constexpr qreal kTop = 2.5;
constexpr qreal kMiddle = 12.5;
constexpr qreal kBottom = 22.5;
constexpr qreal kHalf = 1.5;  // half the thickness
constexpr qreal kGap = 0.6;   // between segments that meet

QPolygonF Horizontal(qreal y) {
    const qreal x0 = kLeft + kGap;
    const qreal x1 = kRight - kGap;
    return QPolygonF({{x0, y},
                      {x0 + kHalf, y - kHalf},
                      {x1 - kHalf, y - kHalf},
                      {x1, y},
                      {x1 - kHalf, y + kHalf},
                      {x0 + kHalf, y + kHalf}});
}

QPolygonF Vertical(qreal x, qreal y0, qreal y1) {
    y0 += kGap;
    y1 -= kGap;
    return QPolygonF({{x, y0},
                      {x + kHalf, y0 + kHalf},
                      {x + kHalf, y1 - kHalf},
                      {x, y1},
                      {x - kHalf, y1 - kHalf},
                      {x - kHalf, y0 + kHalf}});
}

// Segments a (top), b (top right), c (bottom right), d (bottom),
// e (bottom left), f (top left), g (middle).
QPolygonF Segment(int s) {
    switch (s) {
        case 0:
            return Horizontal(kTop);
        case 1:
            return Vertical(kRight, kTop, kMiddle);
        case 2:
            return Vertical(kRight, kMiddle, kBottom);
        case 3:
            return Horizontal(kBottom);
        case 4:
            return Vertical(kLeft, kMiddle, kBottom);
        case 5:
            return Vertical(kLeft, kTop, kMiddle);
        default:
            return Horizontal(kMiddle);
    }
}

// Bit s lights segment s.
constexpr std::array<int, 10> kLit = {
    0b0111111,  // 0
    0b0000110,  // 1
    0b1011011,  // 2
    0b1001111,  // 3
    0b1100110,  // 4
    0b1101101,  // 5
    0b1111101,  // 6
    0b0000111,  // 7
    0b1111111,  // 8
    0b1101111,  // 9
};

}  // namespace

void DrawDigit(QPainter& p, int digit) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath lit;
    lit.setFillRule(Qt::WindingFill);
    for (int s = 0; s < 7; ++s) {
        if (kLit.at(static_cast<std::size_t>(digit)) & (1 << s)) {
            lit.addPolygon(Segment(s));
            lit.closeSubpath();
        }
    }
    // A faint halo first, the glow of a lit display, then the segments.
    p.strokePath(lit,
                 QPen(QColor(80, 255, 80, 70), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(lit, QColor(60, 255, 60));
    p.restore();
}

}  // namespace zorvane::art
