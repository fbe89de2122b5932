#pragma once
// A panel that paints its background and classic 3D bevels, shows its owned
// BackBuffer in the client area, and then lets its owner paint on top through
// OnPaint. The board and the options dialog's sample are such panels.
//
// Layout from the outside in: outer bevel (BevelWidth), border in the panel
// colour (BorderWidth), inner bevel (BevelWidth), client area. Both bevels are
// always reserved, even when their style is None, so the client size is
// Width - 4*BevelWidth - 2*BorderWidth whatever the styles.

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <functional>

class QPainter;

namespace zorvane {

enum class TBevelStyle { None, Raised, Lowered };

class TPaintPanel : public QWidget {
    Q_OBJECT

  public:
    // Starts with the window colour, BevelWidth 1, BorderWidth 0, a raised
    // outer bevel, no inner bevel, unbuffered.
    explicit TPaintPanel(QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    // Also refills BackBuffer, whose background is the panel colour.
    void SetColor(const QColor& color);

    // Widths are stored as max(v, 0); a change resizes BackBuffer.
    void SetBevelWidth(int width);
    void SetBorderWidth(int width);

    void SetBevelOuter(TBevelStyle style);
    void SetBevelInner(TBevelStyle style);

    // Client size by the rule above, never below 0 (a panel too small for its
    // bevels has no client area). The setters resize the panel so that the
    // client area gets that size, keeping the other dimension.
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);

    // Where the client area starts, in x and in y.
    int ContentInset() const { return 2 * bevelWidth_ + borderWidth_; }

    // Off-screen picture of the client size, in the panel colour unless the
    // owner draws into it; shown at (ContentInset, ContentInset) on every paint.
    // A resize keeps what fits and fills the rest with the panel colour. Always
    // of the current client size, even before Qt has delivered a resize event.
    // Made on the first call: until then the panel colour alone fills the
    // client area, the same picture without a copy to keep and draw.
    QPixmap& BackBuffer();

    // Buffered: each paint, OnPaint included, is composed off-screen at the
    // screen's pixel density and copied in one step, so no half-drawn state
    // ever shows. Unbuffered: drawn straight onto the widget.
    bool Buffered() const { return buffered_; }
    void SetBuffered(bool buffered);

    // What a screen reader reads as the panel's value (the score shown in
    // pictures, say); its name and description are the widget's own.
    QString AccessibleValue() const { return accessibleValue_; }
    void SetAccessibleValue(const QString& value);

    // Raised at the end of every paint, after the panel's own painting and
    // BackBuffer, with a painter in panel coordinates in its default state.
    std::function<void(QPainter&)> OnPaint;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PaintAll(QPainter& painter);
    void DrawBevel(QPainter& painter, QRect rect, TBevelStyle style) const;
    void ResizeBackBuffer();
    int Reserved() const { return 4 * bevelWidth_ + 2 * borderWidth_; }

    QColor color_;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBevelStyle bevelOuter_ = TBevelStyle::Raised;
    TBevelStyle bevelInner_ = TBevelStyle::None;
    bool buffered_ = false;
    bool backBufferUsed_ = false;
    QPixmap backBuffer_;
    QPixmap composeBuffer_;  // reused between buffered paints
    QString accessibleValue_;
};

}  // namespace zorvane
