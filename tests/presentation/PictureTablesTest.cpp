// Picture names for the settings, the fallbacks, and the cell-to-picture rule.

#include <gtest/gtest.h>

#include "presentation/PictureTables.h"
#include "resources/Resources.h"

namespace zorvane {
namespace {

TEST(PictureNames, ShapeLetterAndColourNumber) {
    Settings settings;
    settings.Shape = "D";
    settings.Color1 = 9;
    EXPECT_EQ(PieceName(settings, 1), "D9");
    EXPECT_EQ(BombName(settings, 1), "BO9");
    EXPECT_EQ(PieceName(settings, 2), "D2");
    // A setting with no picture falls back to its default for the pictures.
    settings.Shape = "Q";
    settings.Color2 = 12;
    EXPECT_EQ(PieceName(settings, 2), "B2");
    EXPECT_EQ(BombName(settings, 2), "BO2");
    settings.Shape = "c";
    EXPECT_EQ(PieceName(settings, 1), "C9");
}

TEST(PictureTables, EveryEntryLoadsAndCellsFindTheirPicture) {
    InitResources();
    Settings settings;
    settings.Color3 = 8;
    PictureTables tables;
    tables.Load(settings, 1.0);
    for (const QPixmap& p : tables.PiecePics) {
        EXPECT_EQ(p.size(), QSize(40, 40));
    }
    for (int d = 0; d <= 10; ++d) {
        EXPECT_EQ(tables.Digit(d).size(), QSize(16, 25));
    }
    // A yellow piece and its bomb differ from the blank and from each other.
    const QImage piece = tables.PictureFor(MakePiece(3)).toImage();
    const QImage bomb = tables.PictureFor(MakeBomb(3)).toImage();
    EXPECT_NE(piece, bomb);
    EXPECT_EQ(tables.PictureFor(MakePiece(3)).toImage(),
              LoadNamedPicture("b8", 1.0, {40, 40}).toImage());
    EXPECT_EQ(tables.PictureFor(MakeSpecial(4)).toImage(), tables.SpecialPics[4].toImage());
    EXPECT_EQ(tables.PictureFor(TCell{}).toImage(), tables.PiecePics[0].toImage());
    EXPECT_EQ(qAlpha(tables.PiecePics[0].toImage().pixel(20, 20)), 0);

    // Sharp pictures on a high-DPI screen.
    PictureTables sharp;
    sharp.Load(settings, 2.0);
    EXPECT_EQ(sharp.PiecePics[1].devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.PiecePics[1].size(), QSize(80, 80));
}

}  // namespace
}  // namespace zorvane
