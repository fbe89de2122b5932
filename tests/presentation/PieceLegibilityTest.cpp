// Pieces, bombs and specials a player can tell apart without colour, and see
// on any board: everything the board shows measured in colour, in greyscale
// and under simulated colour blindness, and every picture's edge against a
// range of board colours.

#include <gtest/gtest.h>

#include <QHash>
#include <QPainter>
#include <iostream>
#include <string>

#include "presentation/PictureTables.h"
#include "resources/Resources.h"
#include "support/ColourVision.h"

namespace zorvane {
namespace {

using test::Contrast;
using test::Vision;

const QColor kDefaultBoard(128, 128, 128);

// Two pictures count as distinct when they differ by at least 4 levels per
// pixel averaged over the whole 40 x 40 cell (in colour, the largest channel
// difference of each pixel). A symbol covers about a hundred of the cell's
// 1600 pixels and two symbols differ on roughly half of those, so this asks
// for those pixels to be some hundred levels apart: plain to see. Slots told
// apart by colour alone fall below 2 levels wherever their colours merge.
constexpr double kDistinct = 4.0;

const std::array<const char*, 10> kColourNames = {"",       "gray",   "blue", "cyan",   "green",
                                                  "orange", "purple", "red",  "yellow", "pink"};
const std::array<const char*, 7> kSpecialNames = {"",
                                                  "area special",
                                                  "row special",
                                                  "column special",
                                                  "cross special",
                                                  "rows-up special",
                                                  "all-rows special"};

// One picture the board can show, and what it stands for: two pictures of
// the same kind and slot are one thing in two colour settings, never on the
// board together.
struct Shown {
    std::string name;
    char kind;  // 'p' piece, 'b' colour bomb, 'k' black bomb, 's' special
    int slot;
    QImage picture;
};

std::vector<Shown> EverythingShown(const std::string& shape, qreal ratio, bool symbols) {
    std::vector<Shown> shown;
    Settings settings;
    settings.Shape = shape;
    settings.Symbols = symbols;
    for (int slot = 1; slot <= 6; ++slot) {
        for (int colour = 1; colour <= 9; ++colour) {
            settings.Color(slot) = colour;
            const auto named = [&](const std::string& thing) {
                return std::string(kColourNames[colour]) + " " + thing + " (slot " +
                       std::to_string(slot) + ")";
            };
            shown.push_back({named("piece " + shape), 'p', slot,
                             PiecePicture(settings, slot, ratio).toImage()});
            shown.push_back(
                {named("bomb"), 'b', slot, BombPicture(settings, slot, ratio).toImage()});
        }
    }
    shown.push_back({"black bomb", 'k', 0, LoadNamedPicture("BO0", ratio, {40, 40}).toImage()});
    for (int k = 1; k <= 6; ++k) {
        shown.push_back({kSpecialNames[k], 's', k,
                         LoadNamedPicture("S" + QString::number(k), ratio, {40, 40}).toImage()});
    }
    return shown;
}

// The two things that look most alike, and how far apart they are.
struct Closest {
    double difference = 1e9;
    std::string pair;
};

std::vector<test::Seen> SeenBy(const std::vector<Shown>& shown, Vision vision) {
    std::vector<test::Seen> seen;
    seen.reserve(shown.size());
    for (const Shown& s : shown) {
        seen.push_back(test::SeenBy(test::OverColour(s.picture, kDefaultBoard), vision));
    }
    return seen;
}

Closest ClosestPair(const std::vector<Shown>& shown, const std::vector<test::Seen>& seen) {
    Closest closest;
    for (std::size_t a = 0; a < shown.size(); ++a) {
        for (std::size_t b = a + 1; b < shown.size(); ++b) {
            if (shown[a].kind == shown[b].kind && shown[a].slot == shown[b].slot) {
                continue;
            }
            const double d = test::MeanDifference(seen[a], seen[b], closest.difference);
            if (d < closest.difference) {
                closest = {d, shown[a].name + " and " + shown[b].name};
            }
        }
    }
    return closest;
}

// With symbols on, every piece, colour bomb, black bomb and special stays
// apart from every other, whatever colours the six slots show, in colour, in
// greyscale and under each simulated colour blindness. Without colour, each
// must differ in its levels and also in two tones: a light bomb with a dark
// mark must not pass for another light bomb with a like mark only because
// one is a little lighter.
TEST(PieceLegibility, WithSymbolsEverythingOnTheBoardStaysApart) {
    InitResources();
    Closest worst;
    Closest worstTwoTone;
    for (const char* shape : {"A", "B", "C", "D"}) {
        for (const qreal ratio : {1.0, 2.0}) {
            const std::vector<Shown> shown = EverythingShown(shape, ratio, true);
            for (const Vision vision : test::kAllVisions) {
                const std::string where = std::string("shape ") + shape + " at " +
                                          std::to_string(int(ratio)) + "x, " +
                                          test::VisionName(vision);
                std::vector<test::Seen> seen = SeenBy(shown, vision);
                const Closest closest = ClosestPair(shown, seen);
                EXPECT_GE(closest.difference, kDistinct) << where << ": " << closest.pair;
                if (closest.difference < worst.difference) {
                    worst = {closest.difference, where + ": " + closest.pair};
                }
                if (vision == Vision::Colour) {
                    continue;
                }
                for (test::Seen& s : seen) {
                    s = test::TwoTone(s);
                }
                const Closest twoTone = ClosestPair(shown, seen);
                EXPECT_GE(twoTone.difference, kDistinct)
                    << where << " in two tones: " << twoTone.pair;
                if (twoTone.difference < worstTwoTone.difference) {
                    worstTwoTone = {twoTone.difference, where + ": " + twoTone.pair};
                }
            }
        }
    }
    std::cout << "closest pair: " << worst.pair << ", " << worst.difference << " levels\n"
              << "closest in two tones: " << worstTwoTone.pair << ", " << worstTwoTone.difference
              << " levels\n";

    // Without symbols, colour alone lets some of the default slots merge.
    std::vector<Shown> plain = EverythingShown("B", 1.0, false);
    std::erase_if(plain, [](const Shown& s) {
        return s.kind != 'p' || s.name.find(kColourNames[s.slot]) != 0;
    });
    ASSERT_EQ(plain.size(), 6u);
    double plainClosest = 1e9;
    for (const Vision vision : test::kVisions) {
        plainClosest = std::min(plainClosest, ClosestPair(plain, SeenBy(plain, vision)).difference);
    }
    EXPECT_LT(plainClosest, kDistinct);
}

// Every piece, bomb and special picture, pieces with and without their inner
// mark.
QStringList EveryPictureName() {
    QStringList names = {"BO0"};
    for (int n = 1; n <= 9; ++n) {
        for (const char* prefix : {"A", "B", "C", "D"}) {
            names << prefix + QString::number(n) << prefix + QString::number(n) + "P";
        }
        names << "BO" + QString::number(n);
    }
    for (int k = 1; k <= 6; ++k) {
        names << "S" + QString::number(k);
    }
    return names;
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
    const QStringList names = EveryPictureName();
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

// The dark marks inside a piece: areas of pixels well darker than its body,
// leaving out the dark outline that runs round the outside.
int DarkMarks(const QImage& picture, QColor bodyColour) {
    const QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = grey.width();
    const int h = grey.height();
    const int body = qGray(bodyColour.rgb());
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && qAlpha(grey.pixel(x, y)) == 255;
    };
    // Three pixels (six at 2x) in from the outside is clear of the outline.
    const int margin = 3 * w / 40;
    std::vector<char> dark(std::size_t(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            bool inside = true;
            for (int d = -margin; d <= margin && inside; ++d) {
                inside = opaque(x + d, y) && opaque(x, y + d);
            }
            dark[std::size_t(y) * w + x] = inside && qGray(grey.pixel(x, y)) < body - 50;
        }
    }
    int marks = 0;
    for (std::size_t start = 0; start < dark.size(); ++start) {
        if (!dark[start]) {
            continue;
        }
        ++marks;
        std::vector<std::size_t> todo = {start};
        dark[start] = 0;
        while (!todo.empty()) {
            const std::size_t at = todo.back();
            todo.pop_back();
            const int x = int(at % w);
            const int y = int(at / w);
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < w && ny < h && dark[std::size_t(ny) * w + nx]) {
                    dark[std::size_t(ny) * w + nx] = 0;
                    todo.push_back(std::size_t(ny) * w + nx);
                }
            }
        }
    }
    return marks;
}

// With symbols on, the symbol takes the place of the shape's own inner mark:
// one mark on each piece, not a symbol inside a second shape.
TEST(PieceLegibility, WithSymbolsEachPieceShowsOneMark) {
    InitResources();
    Settings settings;
    settings.Symbols = true;
    for (const char* shape : {"A", "B", "C", "D"}) {
        settings.Shape = shape;
        for (const qreal ratio : {1.0, 2.0}) {
            for (int slot = 1; slot <= 6; ++slot) {
                // Yellow: light enough that any darker mark shows.
                settings.Color(slot) = 8;
                EXPECT_EQ(DarkMarks(PiecePicture(settings, slot, ratio).toImage(), Qt::yellow), 1)
                    << "shape " << shape << ", slot " << slot << " at " << ratio << "x";
            }
        }
    }
}

// Not only the edge: the body itself is never the board's colour. Contrast
// cannot ask this of a body (a yellow piece is plainly apart from a white
// board at 1.07:1), so it is measured as a difference of colour.
TEST(PieceLegibility, EveryBodyStandsApartFromTheUsualBoards) {
    InitResources();
    for (const QString& name : EveryPictureName()) {
        const QColor body = BodyColour(LoadNamedPicture(name, 1.0, {40, 40}).toImage());
        for (const QColor& board : {QColor(Qt::white), QColor(Qt::black), kDefaultBoard}) {
            EXPECT_GE(test::ColourDifference(body.rgb(), board.rgb()), 20.0)
                << name.toStdString() << ": body " << body.name().toStdString() << " on "
                << board.name().toStdString();
        }
    }
}

}  // namespace
}  // namespace zorvane
