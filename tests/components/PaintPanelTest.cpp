#include "components/PaintPanel.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

using zorvane::TBevelStyle;
using zorvane::TPaintPanel;

namespace {

TEST(PaintPanelTest, ClientSizeFollowsBevelsAndBorder) {
    TPaintPanel panel;
    panel.resize(200, 100);
    panel.SetBevelWidth(3);
    panel.SetBorderWidth(2);
    EXPECT_EQ(panel.ClientWidth(), 200 - 12 - 4);
    EXPECT_EQ(panel.ClientHeight(), 100 - 12 - 4);
    EXPECT_EQ(panel.ContentInset(), 8);
    EXPECT_EQ(panel.BackBuffer().size(), QSize(184, 84));

    // The setters size the panel around the wanted client area.
    panel.SetClientWidth(100);
    EXPECT_EQ(panel.size(), QSize(116, 100));
    panel.SetClientHeight(50);
    EXPECT_EQ(panel.size(), QSize(116, 66));
    EXPECT_EQ(panel.BackBuffer().size(), QSize(100, 50));

    // Too small for its bevels: no client area rather than a negative one.
    panel.resize(10, 10);
    EXPECT_EQ(panel.ClientWidth(), 0);
    EXPECT_EQ(panel.ClientHeight(), 0);
    EXPECT_TRUE(panel.BackBuffer().isNull());
    EXPECT_EQ(panel.grab().size(), QSize(10, 10));
}

TEST(PaintPanelTest, BackBufferKeepsItsPictureAcrossResizeAndTakesNewColour) {
    TPaintPanel panel;
    panel.SetBevelWidth(0);
    panel.SetColor(Qt::blue);
    panel.resize(4, 4);
    panel.BackBuffer().fill(Qt::red);
    panel.resize(6, 6);
    const QImage grown = panel.BackBuffer().toImage();
    EXPECT_EQ(grown.pixel(3, 3), QColor(Qt::red).rgb());
    EXPECT_EQ(grown.pixel(5, 5), QColor(Qt::blue).rgb());

    panel.SetColor(Qt::yellow);
    EXPECT_EQ(panel.BackBuffer().toImage().pixel(0, 0), QColor(Qt::yellow).rgb());
}

// A 40 x 30 panel: raised outer bevel at 0..1, border at 2..4, lowered inner
// bevel at 5..6, client area from 7. BackBuffer has a red 2 x 2 corner; the
// owner paints green over one of those pixels and over the bottom-right bevel.
class PaintPanelPaintTest : public ::testing::Test {
  protected:
    PaintPanelPaintTest() {
        panel.resize(40, 30);
        panel.SetColor(kPanel);
        panel.SetBevelWidth(2);
        panel.SetBorderWidth(3);
        panel.SetBevelOuter(TBevelStyle::Raised);
        panel.SetBevelInner(TBevelStyle::Lowered);
        QPainter(&panel.BackBuffer()).fillRect(0, 0, 2, 2, Qt::red);
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
    const QRgb red = QColor(Qt::red).rgb();
    const QRgb green = QColor(Qt::green).rgb();
    ASSERT_NE(light, dark);

    const QImage image = Grab();
    EXPECT_EQ(paints, 1);
    // Raised outer bevel: light top and left, dark bottom and right, two rings.
    EXPECT_EQ(image.pixel(0, 0), light);
    EXPECT_EQ(image.pixel(1, 15), light);
    EXPECT_EQ(image.pixel(20, 1), light);
    EXPECT_EQ(image.pixel(39, 0), dark);
    EXPECT_EQ(image.pixel(38, 15), dark);
    EXPECT_EQ(image.pixel(20, 28), dark);
    // Border in the panel colour.
    EXPECT_EQ(image.pixel(2, 15), colour);
    EXPECT_EQ(image.pixel(4, 15), colour);
    // Lowered inner bevel: dark top and left, light bottom and right.
    EXPECT_EQ(image.pixel(5, 15), dark);
    EXPECT_EQ(image.pixel(6, 6), dark);
    EXPECT_EQ(image.pixel(34, 15), light);
    EXPECT_EQ(image.pixel(20, 23), light);
    // BackBuffer exactly at the inset, in the panel colour beyond its red corner.
    EXPECT_EQ(image.pixel(7, 7), red);
    EXPECT_EQ(image.pixel(8, 7), red);
    EXPECT_EQ(image.pixel(9, 9), colour);
    EXPECT_EQ(image.pixel(32, 22), colour);
    // The owner's painting lands last, over BackBuffer and over the bevel.
    EXPECT_EQ(image.pixel(8, 8), green);
    EXPECT_EQ(image.pixel(39, 29), green);
}

TEST_F(PaintPanelPaintTest, BufferedGivesTheSamePixels) {
    ASSERT_FALSE(panel.Buffered());
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
