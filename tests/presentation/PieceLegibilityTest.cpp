// Pieces and bombs a player can tell apart without colour, and see on any
// board: the six slots measured in greyscale and under simulated colour
// blindness, and every picture's edge against a range of board colours.

#include <gtest/gtest.h>

#include <QHash>
#include <functional>
#include <string>

#include "presentation/PictureTables.h"
#include "resources/Resources.h"
#include "support/ColourVision.h"

namespace zorvane {
namespace {

using test::Contrast;
using test::Vision;

const QColor kDefaultBoard(128, 128, 128);

// Two pictures count as distinct when, seen in grey, they differ by at least
// 4 grey levels per pixel averaged over the whole 40 x 40 cell. A symbol
// covers about a hundred of the cell's 1600 pixels and two symbols differ on
// roughly half of those, so this asks for those pixels to be some hundred
// levels apart: plain to see. Slots told apart by colour alone fall below 2
// levels wherever their colours merge.
constexpr double kDistinct = 4.0;

using SlotPicture = std::function<QPixmap(const Settings&, int slot, qreal ratio)>;

struct Kind {
    std::string name;
    std::string shape;
    SlotPicture picture;
};

std::vector<Kind> Kinds() {
    std::vector<Kind> kinds;
    for (const char* shape : {"A", "B", "C", "D"}) {
        kinds.push_back({std::string("piece ") + shape, shape, PiecePicture});
    }
    kinds.push_back({"bomb", "B", BombPicture});
    return kinds;
}

// The smallest grey difference between two of the six slots, and which.
struct Closest {
    double difference = 1e9;
    std::string pair;
};

Closest ClosestPair(const Kind& kind, const Settings& settings, qreal ratio, Vision vision) {
    std::array<QImage, 7> seen;
    for (int slot = 1; slot <= 6; ++slot) {
        const QImage picture = kind.picture(settings, slot, ratio).toImage();
        seen[slot] = test::SeenGrey(test::OverColour(picture, kDefaultBoard), vision);
    }
    Closest closest;
    for (int a = 1; a <= 6; ++a) {
        for (int b = a + 1; b <= 6; ++b) {
            const double d = test::MeanGreyDifference(seen[a], seen[b]);
            if (d < closest.difference) {
                closest = {d, std::to_string(a) + "-" + std::to_string(b)};
            }
        }
    }
    return closest;
}

TEST(PieceLegibility, SymbolsKeepTheSixSlotsApartWithoutColour) {
    InitResources();
    double plainClosest = 1e9;
    for (const Kind& kind : Kinds()) {
        for (const qreal ratio : {1.0, 2.0}) {
            for (const Vision vision : test::kVisions) {
                const std::string where = kind.name + " at " + std::to_string(int(ratio)) + "x, " +
                                          test::VisionName(vision);
                Settings settings;
                settings.Shape = kind.shape;
                plainClosest =
                    std::min(plainClosest, ClosestPair(kind, settings, ratio, vision).difference);
                settings.Symbols = true;
                const Closest shown = ClosestPair(kind, settings, ratio, vision);
                EXPECT_GE(shown.difference, kDistinct) << where << ", slots " << shown.pair;

                // The symbols alone must do it: with one colour in every
                // slot only they tell the slots apart.
                for (int colour = 1; colour <= 9; ++colour) {
                    Settings same = settings;
                    for (int slot = 1; slot <= 6; ++slot) {
                        same.Color(slot) = colour;
                    }
                    const Closest alone = ClosestPair(kind, same, ratio, vision);
                    EXPECT_GE(alone.difference, kDistinct)
                        << where << ", all colour " << colour << ", slots " << alone.pair;
                }
            }
        }
    }
    // Colour alone is not enough: some slots merge without their symbols.
    EXPECT_LT(plainClosest, kDistinct / 2);
}

// The colour most of the picture's opaque pixels have: a piece's body.
QColor BodyColour(const QImage& picture) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            if (qAlpha(c) == 255) {
                ++counts[c];
            }
        }
    }
    QRgb body = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            body = it.key();
        }
    }
    return QColor::fromRgb(body);
}

// The weakest edge of a picture on a board colour: for every pixel on the
// picture's outer edge, the strongest contrast to the board among the
// picture's pixels within `reach`, the smallest of those over the edge.
double WeakestEdge(const QImage& picture, QColor board, int reach) {
    const QImage shown = test::OverColour(picture, board);
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < picture.width() && y < picture.height() &&
               qAlpha(picture.pixel(x, y)) >= 128;
    };
    double weakest = 21.0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!opaque(x, y) ||
                (opaque(x - 1, y) && opaque(x + 1, y) && opaque(x, y - 1) && opaque(x, y + 1))) {
                continue;
            }
            double best = 1.0;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    if (opaque(x + dx, y + dy)) {
                        best = std::max(best, Contrast(shown.pixel(x + dx, y + dy), board.rgb()));
                    }
                }
            }
            weakest = std::min(weakest, best);
        }
    }
    return weakest;
}

// The edge must reach 3:1, the contrast asked of graphical objects by WCAG 2.1
// (non-text contrast), within two pixels (four at 2x) of the outside.
TEST(PieceLegibility, EveryEdgeStandsOutFromAnyBoardColour) {
    InitResources();
    QStringList names = {"BO0"};
    for (int n = 1; n <= 9; ++n) {
        for (const char* prefix : {"A", "B", "C", "D", "BO"}) {
            names << prefix + QString::number(n);
        }
    }
    for (int k = 1; k <= 6; ++k) {
        names << "S" + QString::number(k);
    }
    std::vector<QColor> boards = {Qt::black, Qt::white, kDefaultBoard, QColor(96, 128, 160)};
    for (int level = 0; level <= 255; level += 15) {
        boards.emplace_back(level, level, level);
    }
    for (int colour = 1; colour <= 9; ++colour) {
        boards.push_back(
            BodyColour(LoadNamedPicture("B" + QString::number(colour), 1.0, {40, 40}).toImage()));
    }
    for (const qreal ratio : {1.0, 2.0}) {
        for (const QString& name : names) {
            const QImage picture = LoadNamedPicture(name, ratio, {40, 40}).toImage();
            ASSERT_EQ(picture.width(), 40 * ratio) << name.toStdString();
            for (const QColor& board : boards) {
                EXPECT_GE(WeakestEdge(picture, board, 2 * int(ratio)), 3.0)
                    << name.toStdString() << " at " << ratio << "x on "
                    << board.name().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace zorvane
