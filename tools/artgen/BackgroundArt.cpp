#include "tools/artgen/BackgroundArt.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/artgen/PieceArt.h"

namespace zorvane::art {

namespace {

// A 4 x 4 ordered dither, in sixteenths of a level: gradients without bands
// and without noise that would differ between runs. Its period divides every
// tile's side, so tiles stay seamless.
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// The colour a + (b - a) * t, dithered for the pixel (x, y).
QRgb Mix(const QColor& a, const QColor& b, double t, int x, int y) {
    const double d = (kBayer[y % 4][x % 4] + 0.5) / 16.0;
    const auto channel = [t, d](int from, int to) {
        return std::clamp(static_cast<int>(std::floor(from + (to - from) * t + d)), 0, 255);
    };
    return qRgb(channel(a.red(), b.red()), channel(a.green(), b.green()),
                channel(a.blue(), b.blue()));
}

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Pale blue bands on white, running diagonally: a seamless 100 x 100 tile.
// The bottom-left pixel is pure white, so with "Transparent Graphics" the
// white bands let the board colour through.
QImage SoftStripes() {
    constexpr int kSide = 100;
    constexpr int kPeriod = 25;  // divides kSide: the bands meet across the tile's edges
    constexpr int kBand = 12;    // tinted part of each period; the rest stays white
    const QColor edge(226, 233, 244);
    const QColor middle(208, 218, 236);
    QImage image = Canvas(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const int t = (x + y) % kPeriod;
            if (t < kBand) {
                // Deepest along the middle of the band.
                const double off = std::abs(t - (kBand - 1) / 2.0) / (kBand / 2.0);
                image.setPixel(x, y, Mix(middle, edge, off, x, y));
            }
        }
    }
    return image;
}

// Two close greys, one square per board cell, each with a faint bevel: an
// 80 x 80 tile that lines up with the cells when tiled from the top left.
QImage GreyChecker() {
    constexpr int kSide = 2 * kCellSize;
    const QColor light(190, 192, 198);
    const QColor dark(176, 178, 186);
    QImage image = Canvas(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            QColor c = ((x / kCellSize + y / kCellSize) % 2 == 0) ? light : dark;
            const int cx = x % kCellSize;
            const int cy = y % kCellSize;
            if (cx == 0 || cy == 0) {
                c = c.lighter(106);
            } else if (cx == kCellSize - 1 || cy == kCellSize - 1) {
                c = c.darker(106);
            }
            image.setPixel(x, y, c.rgb());
        }
    }
    return image;
}

// Deep blue at the top to teal at the bottom, a little darker towards the
// sides; 400 x 640 covers the 16-row board, and stretches to smaller ones.
QImage DeepSea() {
    constexpr int kWidth = 10 * kCellSize;
    constexpr int kHeight = 16 * kCellSize;
    const QColor top(20, 34, 86);
    const QColor bottom(18, 100, 112);
    const QColor shade(10, 18, 44);
    QImage image = Canvas(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        const double t = static_cast<double>(y) / (kHeight - 1);
        // The plain gradient, then up to a fifth of the way to the shade at the sides.
        QColor row;
        row.setRgbF(top.redF() + (bottom.redF() - top.redF()) * t,
                    top.greenF() + (bottom.greenF() - top.greenF()) * t,
                    top.blueF() + (bottom.blueF() - top.blueF()) * t);
        for (int x = 0; x < kWidth; ++x) {
            const double side = std::abs(2.0 * x / (kWidth - 1) - 1.0);
            image.setPixel(x, y, Mix(row, shade, 0.2 * side * side, x, y));
        }
    }
    return image;
}

// A fixed-seed generator, so the stars land in the same places every run.
class Lcg {
  public:
    explicit Lcg(std::uint32_t seed) : state_(seed) {}
    int Next(int n) {  // 0 .. n - 1
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(n));
    }

  private:
    std::uint32_t state_;
};

// How much of the pixel (x, y) a crescent covers: the disc at `centre`
// without the one shifted by `bite`, sampled 4 x 4 times within the pixel.
double CrescentCover(int x, int y, QPointF centre, double radius, QPointF bite) {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const QPointF p(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
            const QPointF a = p - centre;
            const QPointF b = p - centre - bite;
            if (a.x() * a.x() + a.y() * a.y() < radius * radius &&
                b.x() * b.x() + b.y() * b.y() >= radius * radius) {
                ++inside;
            }
        }
    }
    return inside / 16.0;
}

// A dark night sky over the 9-row board (400 x 360), a few dim stars and a
// thin moon in the top right corner.
QImage NightSky() {
    constexpr int kWidth = 10 * kCellSize;
    constexpr int kHeight = 9 * kCellSize;
    const QColor top(6, 10, 30);
    const QColor bottom(26, 34, 72);
    QImage image = Canvas(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            image.setPixel(x, y, Mix(top, bottom, static_cast<double>(y) / (kHeight - 1), x, y));
        }
    }

    const auto brighten = [&image](int x, int y, int amount) {
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
            return;
        }
        const QColor c = image.pixelColor(x, y);
        image.setPixel(x, y,
                       qRgb(std::min(255, c.red() + amount), std::min(255, c.green() + amount),
                            std::min(255, c.blue() + amount * 4 / 5)));
    };
    Lcg random(20240611u);
    for (int star = 0; star < 70; ++star) {
        const int x = random.Next(kWidth);
        const int y = random.Next(kHeight * 3 / 4);  // fewer near the horizon
        const int glow = 60 + random.Next(110);
        brighten(x, y, glow);
        if (random.Next(8) == 0) {
            // A brighter star with a soft cross around it.
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                brighten(x + d.x(), y + d.y(), glow / 3);
            }
        }
    }

    const QColor moon(226, 222, 192);
    const QPointF centre(338, 58);
    for (int y = 30; y < 90; ++y) {
        for (int x = 306; x < 372; ++x) {
            const double cover = CrescentCover(x, y, centre, 20, QPointF(-9, -5));
            if (cover > 0) {
                const QColor sky = image.pixelColor(x, y);
                image.setPixel(x, y, Mix(sky, moon, cover, x, y));
            }
        }
    }
    return image;
}

}  // namespace

std::vector<Backdrop> Backdrops() {
    return {
        {"Soft Stripes.bmp", SoftStripes},
        {"Grey Checker.bmp", GreyChecker},
        {"Deep Sea.bmp", DeepSea},
        {"Night Sky.bmp", NightSky},
    };
}

}  // namespace zorvane::art
