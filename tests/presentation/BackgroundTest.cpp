// The board's background in its four modes, checked on the pixels drawn.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QImage>
#include <QPainter>
#include <filesystem>

#include "persistence/FileCheck.h"
#include "presentation/Background.h"
#include "tests/persistence/TempFolder.h"
#include "tests/support/Deadline.h"

namespace zorvane {
namespace {

const QColor kBoard(128, 128, 128);
const QColor kMarker(0, 0, 255);
const QColor kPicture(255, 0, 0);
const QColor kKey(255, 255, 255);

// A picture in kPicture with a kMarker pixel at its top-left corner and a
// kKey bottom-left pixel, the colour transparency leaves out.
QImage Picture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kPicture);
    image.setPixelColor(0, 0, kMarker);
    image.setPixelColor(0, h - 1, kKey);
    image.setPixelColor(w - 1, h - 1, kKey);
    return image;
}

QImage Paint(const BackgroundPicture& picture, bool use, int mode, QSize size = {400, 360}) {
    QImage target(size, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    PaintBackground(painter, size, kBoard, picture, use, mode);
    return target;
}

int CountMarkers(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == kMarker ? 1 : 0;
        }
    }
    return count;
}

TEST(Background, OnlyTheBoardColourWithoutAPictureOrWhenSwitchedOff) {
    BackgroundPicture none;
    EXPECT_EQ(Paint(none, true, kTiled).pixelColor(200, 200), kBoard);
    BackgroundPicture picture;
    picture.SetImage(Picture(100, 100));
    const QImage off = Paint(picture, false, kDraw);
    EXPECT_EQ(off.pixelColor(10, 10), kBoard);
    EXPECT_EQ(off.pixelColor(399, 359), kBoard);
    // A mode that is none of the four draws no picture.
    EXPECT_EQ(Paint(picture, true, -1).pixelColor(10, 10), kBoard);
}

TEST(Background, DrawAndCenterPlaceThePictureUnscaled) {
    BackgroundPicture picture;
    picture.SetImage(Picture(50, 40));
    const QImage drawn = Paint(picture, true, kDraw);
    EXPECT_EQ(drawn.pixelColor(0, 0), kMarker);
    EXPECT_EQ(drawn.pixelColor(49, 20), kPicture);
    EXPECT_EQ(drawn.pixelColor(50, 20), kBoard);
    EXPECT_EQ(drawn.pixelColor(10, 40), kBoard);

    const QImage centred = Paint(picture, true, kCenter);
    EXPECT_EQ(centred.pixelColor(200 - 25, 180 - 20), kMarker);
    EXPECT_EQ(centred.pixelColor(200 - 26, 180), kBoard);

    // A picture larger than the board is cut on all sides.
    BackgroundPicture large;
    large.SetImage(Picture(501, 400));
    const QImage cut = Paint(large, true, kCenter);
    EXPECT_EQ(CountMarkers(cut), 0);
    EXPECT_EQ(cut.pixelColor(0, 0), kPicture);
}

TEST(Background, StretchFillsTheBoard) {
    BackgroundPicture picture;
    picture.SetImage(Picture(20, 10));
    const QImage stretched = Paint(picture, true, kStretch);
    EXPECT_EQ(stretched.pixelColor(399, 0), kPicture);
    EXPECT_EQ(stretched.pixelColor(200, 180), kPicture);
}

TEST(Background, TilesFromTheTopLeftCutAtTheEdges) {
    BackgroundPicture picture;
    picture.SetImage(Picture(100, 100));
    const QImage tiled = Paint(picture, true, kTiled);
    EXPECT_EQ(CountMarkers(tiled), 16);  // 4 x 4 on 400 x 360, the last row cut
    EXPECT_EQ(tiled.pixelColor(300, 300), kMarker);
    EXPECT_EQ(tiled.pixelColor(399, 359), kPicture);

    // The same picture covers a 16-row board the same way.
    EXPECT_EQ(CountMarkers(Paint(picture, true, kTiled, {400, 640})), 28);
}

TEST(Background, TransparencyLeavesOutTheBottomLeftColour) {
    BackgroundPicture picture;
    picture.SetImage(Picture(100, 100));
    EXPECT_EQ(Paint(picture, true, kDraw).pixelColor(0, 99), kKey);
    picture.SetTransparent(true);
    const QImage keyed = Paint(picture, true, kDraw);
    EXPECT_EQ(keyed.pixelColor(0, 99), kBoard);
    EXPECT_EQ(keyed.pixelColor(99, 99), kBoard);
    EXPECT_EQ(keyed.pixelColor(50, 50), kPicture);
}

TEST(Background, AZeroSizePictureDrawsNothingInAnyMode) {
    BackgroundPicture empty;
    empty.SetImage(QImage());
    for (int mode : {kDraw, kCenter, kStretch, kTiled}) {
        EXPECT_EQ(Paint(empty, true, mode).pixelColor(0, 0), kBoard) << mode;
    }
}

TEST(Background, AnUnreadablePictureKeepsTheOneBefore) {
    BackgroundPicture picture;
    picture.SetImage(Picture(100, 100));
    QString error;
    EXPECT_FALSE(picture.Load("/nonexistent/picture.bmp", error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(picture.IsSet());
    EXPECT_EQ(picture.Drawable().width(), 100);
}

// A FIFO or a device named as the picture would block or fill the memory; a
// picture file of many megabytes is no background. Real pictures still load,
// the format found by the content where the suffix is wrong.
TEST(Background, OnlyPictureFilesOfSaneSizeAreRead) {
    test::TempFolder folder;
    const QString fifo = QString::fromStdString(folder.File("pipe.bmp"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const std::string huge = folder.File("huge.bmp");
    test::WriteBytes(huge, "BM");
    std::filesystem::resize_file(huge, kPictureFileCap + kMegabyte);

    BackgroundPicture picture;
    picture.SetImage(Picture(100, 100));
    QString error;
    {
        const test::Deadline deadline("loading a FIFO and a device as the picture");
        for (const QString& path : {fifo, QString("/dev/zero")}) {
            EXPECT_FALSE(picture.Load(path, error)) << path.toStdString();
            EXPECT_EQ(error, "not a regular file") << path.toStdString();
        }
    }
    EXPECT_FALSE(picture.Load(QString::fromStdString(huge), error));
    EXPECT_EQ(error, "too large (33 MB, at most 32 MB)");
    EXPECT_EQ(picture.Drawable().width(), 100);

    const QString misnamed = QString::fromStdString(folder.File("picture.bmp"));
    ASSERT_TRUE(Picture(30, 20).save(misnamed, "PNG"));
    ASSERT_TRUE(picture.Load(misnamed, error)) << error.toStdString();
    EXPECT_EQ(picture.Drawable().size(), QSize(30, 20));
    EXPECT_EQ(picture.Drawable().toImage().pixelColor(0, 0), kMarker);
}

}  // namespace
}  // namespace zorvane
