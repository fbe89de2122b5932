#include "presentation/PieceSymbols.h"

#include <QPainter>
#include <QTransform>
#include <QtMath>

namespace zorvane {

namespace {

QPointF Polar(QPointF centre, qreal radius, qreal degrees) {
    const qreal a = qDegreesToRadians(degrees);
    return {centre.x() + radius * qCos(a), centre.y() + radius * qSin(a)};
}

// Two bars a third of the symbol's width thick, crossed at the centre.
QPainterPath Plus(QPointF centre, qreal r, qreal degrees) {
    const qreal t = r * 0.36;
    QPainterPath bars;
    bars.setFillRule(Qt::WindingFill);  // the bars' overlap is part of the plus
    bars.addRect(QRectF(-r, -t, 2 * r, 2 * t));
    bars.addRect(QRectF(-t, -r, 2 * t, 2 * r));
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(degrees);
    return turn.map(bars.simplified());
}

}  // namespace

QPainterPath StarPath(QPointF centre, int points, qreal outer, qreal inner, qreal turnDegrees) {
    QPainterPath path;
    const int steps = inner > 0 ? 2 * points : points;
    for (int i = 0; i < steps; ++i) {
        const qreal r = (inner > 0 && i % 2 == 1) ? inner : outer;
        const QPointF corner = Polar(centre, r, -90.0 + 360.0 / steps * i + turnDegrees);
        if (i == 0) {
            path.moveTo(corner);
        } else {
            path.lineTo(corner);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath SymbolPath(int slot, QPointF c, qreal r) {
    QPainterPath path;
    switch (slot) {
        case 1:  // a ring: thick enough to stay a ring at 1x
            path.addEllipse(c, r, r);
            path.addEllipse(c, r * 0.45, r * 0.45);
            path.setFillRule(Qt::OddEvenFill);
            break;
        case 2:  // a triangle, moved down so its box is centred
            path = StarPath(c + QPointF(0, r * 0.28), 3, r * 1.2, 0);
            break;
        case 3:
            path.addRect(QRectF(c.x() - r * 0.8, c.y() - r * 0.8, r * 1.6, r * 1.6));
            break;
        case 4:
            path = Plus(c, r, 0.0);
            break;
        case 5:  // a cross: the plus turned a quarter
            path = Plus(c, r * 1.05, 45.0);
            break;
        case 6:  // a five-pointed star, moved down as a star's box sits high
            path = StarPath(c + QPointF(0, r * 0.1), 5, r * 1.15, r * 0.5);
            break;
        default:
            break;
    }
    return path;
}

SymbolPlace PieceSymbolPlace(QChar shape) {
    // The star's body is small and sits low in its cell.
    if (shape == QLatin1Char('D')) {
        return {{20.0, 21.8}, 6.8};
    }
    return {{20.0, 20.0}, 7.2};
}

QPixmap WithSymbol(const QPixmap& piece, int slot, SymbolPlace place) {
    const QPainterPath symbol = SymbolPath(slot, place.centre, place.radius);
    if (symbol.isEmpty()) {
        return piece;
    }
    QPixmap result = piece;
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    // A light edge under a near-black body: the body shows on light colours,
    // the edge on dark ones.
    QPen edge(QColor(255, 255, 255, 235), 2.2);
    edge.setJoinStyle(Qt::MiterJoin);
    painter.strokePath(symbol, edge);
    painter.fillPath(symbol, QColor(20, 20, 24));
    return result;
}

QPixmap BombWithSymbol(const QPixmap& bomb, int slot) {
    // The middle of the bomb's round body, clear of the fuse; the badge
    // leaves a band of the body's colour all round.
    const QPointF centre(18.0, 23.0);
    const QPainterPath symbol = SymbolPath(slot, centre, 6.8);
    if (symbol.isEmpty()) {
        return bomb;
    }
    QPixmap result = bomb;
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath badge;
    badge.addEllipse(centre, 9.8, 9.8);
    // A light rim parts the badge from a dark body.
    painter.strokePath(badge, QPen(QColor(255, 255, 255, 200), 1.2));
    painter.fillPath(badge, QColor(20, 20, 24));
    painter.fillPath(symbol, QColor(250, 250, 250));
    return result;
}

}  // namespace zorvane
