#include "tools/artgen/LogoArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "tools/artgen/BombArt.h"
#include "tools/artgen/PieceArt.h"

namespace zorvane::art {

namespace {

struct Placed {
    char shape;  // 'A'..'D', or 'O' for a bomb
    int colour;
    qreal x, y;  // top left
    qreal size;
    qreal angle;
};

void DrawPlaced(QPainter& p, const Placed& piece) {
    p.save();
    const qreal scale = piece.size / kCellSize;
    p.translate(piece.x + piece.size / 2, piece.y + piece.size / 2);
    p.rotate(piece.angle);
    p.scale(scale, scale);
    p.translate(-kCellSize / 2.0, -kCellSize / 2.0);
    if (piece.shape == 'O') {
        DrawColourBomb(p, ColourOf(piece.colour));
    } else {
        DrawPiece(p, piece.shape, ColourOf(piece.colour), 1.6 / std::min(scale, 1.0) * 0.8);
    }
    p.restore();
}

QPainterPath TitlePath(const QRectF& box) {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(40);
    QPainterPath text;
    text.addText(0, 0, font, "Zorvane");
    // Fit the word to the box, keeping its proportions.
    const QRectF r = text.boundingRect();
    const qreal scale = std::min(box.width() / r.width(), box.height() / r.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-r.center().x(), -r.center().y());
    return t.map(text);
}

}  // namespace

void DrawLogo(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // Pieces of every colour tumble along the top and bottom edges.
    static constexpr std::array<Placed, 12> kPieces{{
        {'A', 7, 6, 6, 24, 0},
        {'D', 8, 33, 2, 25, -10},
        {'C', 4, 62, 5, 24, 0},
        {'B', 2, 91, 3, 23, 8},
        {'O', 5, 118, 1, 26, 0},
        {'D', 9, 149, 5, 25, 12},
        {'B', 6, 10, 80, 22, -8},
        {'A', 3, 38, 82, 22, 0},
        {'D', 5, 65, 80, 24, 6},
        {'C', 1, 94, 81, 23, 0},
        {'O', 7, 120, 79, 25, 0},
        {'A', 8, 151, 82, 22, 0},
    }};
    for (const Placed& piece : kPieces) {
        DrawPlaced(p, piece);
    }

    const QPainterPath title = TitlePath(QRectF(6, 32, 171, 46));
    p.fillPath(title.translated(2.2, 2.6), QColor(0, 0, 0, 90));
    QPen outline(QColor(24, 28, 70), 4.2);
    outline.setJoinStyle(Qt::RoundJoin);
    p.strokePath(title, outline);
    const QRectF box = title.boundingRect();
    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0, QColor(255, 246, 140));
    fill.setColorAt(0.5, QColor(255, 196, 40));
    fill.setColorAt(1, QColor(240, 110, 20));
    p.fillPath(title, fill);
    // A glassy sheen over the upper half of the letters.
    QPainterPath upper;
    upper.addRect(QRectF(box.left(), box.top(), box.width(), box.height() * 0.48));
    QLinearGradient sheen(0, box.top(), 0, box.top() + box.height() * 0.48);
    sheen.setColorAt(0, QColor(255, 255, 255, 150));
    sheen.setColorAt(1, QColor(255, 255, 255, 30));
    p.fillPath(title.intersected(upper), sheen);
    p.restore();
}

void DrawIcon(QPainter& p, int devicePixels) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal pixel = 64.0 / devicePixels;  // one device pixel in icon units

    // A dark tile behind the pieces so the icon holds on any desktop.
    const QRectF tile(1, 1, 62, 62);
    QLinearGradient back(0, 0, 0, 64);
    back.setColorAt(0, QColor(58, 78, 160));
    back.setColorAt(1, QColor(22, 28, 74));
    p.setBrush(back);
    p.setPen(QPen(QColor(10, 12, 36), std::max(1.2, pixel)));
    p.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);

    static constexpr std::array<Placed, 4> kPieces{{
        {'A', 7, 2, 2, 30, 0},
        {'D', 8, 32, 1.5, 30, 0},
        {'C', 4, 2, 32, 30, 0},
        {'B', 5, 32, 32, 30, 0},
    }};
    for (const Placed& piece : kPieces) {
        p.save();
        const qreal scale = piece.size / kCellSize;
        p.translate(piece.x, piece.y);
        p.scale(scale, scale);
        DrawPiece(p, piece.shape, ColourOf(piece.colour), std::max(1.6, pixel / scale));
        p.restore();
    }
    p.restore();
}

}  // namespace zorvane::art
