#include "components/PaintPanel.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

using zorvane::TBevelStyle;
using zorvane::TPaintPanel;

namespace {

// A 40 x 30 panel with a raised bevel of two rings; the owner paints green
// over one pixel of the fill and over the bottom-right bevel.
class PaintPanelPaintTest : public ::testing::Test {
  protected:
    PaintPanelPaintTest() {
        panel.resize(40, 30);
        panel.SetColor(kPanel);
        panel.SetBevelWidth(2);
        panel.SetBevelOuter(TBevelStyle::Raised);
        panel.OnPaint = [this](QPainter& painter) {
            ++paints;
            painter.fillRect(8, 8, 1, 1, Qt::green);
            painter.fillRect(39, 29, 1, 1, Qt::green);
        };
    }

    QImage Grab() { return panel.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    const QColor kPanel{0, 0, 200};
    TPaintPanel panel;
    int paints = 0;
};

TEST_F(PaintPanelPaintTest, LayersPaintInOrder) {
    const QRgb light = panel.palette().color(QPalette::Light).rgb();
    const QRgb dark = panel.palette().color(QPalette::Dark).rgb();
    const QRgb colour = kPanel.rgb();
    const QRgb green = QColor(Qt::green).rgb();
    ASSERT_NE(light, dark);

    const QImage image = Grab();
    EXPECT_EQ(paints, 1);
    // Raised bevel: light top and left, dark bottom and right, two rings.
    EXPECT_EQ(image.pixel(0, 0), light);
    EXPECT_EQ(image.pixel(1, 15), light);
    EXPECT_EQ(image.pixel(20, 1), light);
    EXPECT_EQ(image.pixel(39, 0), dark);
    EXPECT_EQ(image.pixel(38, 15), dark);
    EXPECT_EQ(image.pixel(20, 28), dark);
    // Within the bevel, the panel colour.
    EXPECT_EQ(image.pixel(2, 15), colour);
    EXPECT_EQ(image.pixel(37, 27), colour);
    // The owner's painting lands last, over the fill and over the bevel.
    EXPECT_EQ(image.pixel(8, 8), green);
    EXPECT_EQ(image.pixel(39, 29), green);

    // Lowered swaps light and dark; no bevel leaves the edge in the panel colour.
    panel.SetBevelOuter(TBevelStyle::Lowered);
    const QImage lowered = Grab();
    EXPECT_EQ(lowered.pixel(1, 15), dark);
    EXPECT_EQ(lowered.pixel(38, 15), light);
    panel.SetBevelOuter(TBevelStyle::None);
    EXPECT_EQ(Grab().pixel(1, 15), colour);
}

TEST_F(PaintPanelPaintTest, BufferedGivesTheSamePixels) {
    panel.SetBuffered(false);
    const QImage direct = Grab();
    panel.SetBuffered(true);
    EXPECT_EQ(Grab(), direct);
    EXPECT_EQ(Grab(), direct);  // the reused off-screen picture is redrawn whole
    EXPECT_EQ(paints, 3);

    // On a double-density target both ways must keep detail finer than a
    // logical pixel: a half-pixel dot covers one device pixel of four.
    panel.OnPaint = [](QPainter& painter) {
        painter.fillRect(QRectF(10, 10, 0.5, 0.5), Qt::green);
    };
    auto render = [this](bool buffered) {
        panel.SetBuffered(buffered);
        QImage image(panel.size() * 2, QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        panel.render(&image);
        return image;
    };
    const QImage dense = render(false);
    EXPECT_EQ(dense.pixel(20, 20), QColor(Qt::green).rgb());
    EXPECT_EQ(dense.pixel(21, 21), kPanel.rgb());
    EXPECT_EQ(dense.pixel(3, 30), panel.palette().color(QPalette::Light).rgb());
    EXPECT_EQ(render(true), dense);
}

}  // namespace
