#pragma once
// A panel that paints its background in its colour with a classic 3D bevel
// round its edge, and then lets its owner paint on top through OnPaint. The
// board, the preview strip, the score box and the options dialog's sample are
// such panels.

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
    // Starts with the window colour, BevelWidth 1, a raised bevel, unbuffered.
    explicit TPaintPanel(QWidget* parent = nullptr);

    void SetColor(const QColor& color);
    // Stored as max(v, 0): the bevel's rings, from the edge inwards.
    void SetBevelWidth(int width);
    void SetBevelOuter(TBevelStyle style);

    // Buffered: each paint, OnPaint included, is composed off-screen at the
    // screen's pixel density and copied in one step, so no half-drawn state
    // ever shows. Unbuffered: drawn straight onto the widget.
    void SetBuffered(bool buffered);

    // What a screen reader reads as the panel's value (the score shown in
    // pictures, say); PaintPanelAccessible.h says how. A change is announced
    // to the reader.
    QString AccessibleValue() const { return accessibleValue_; }
    void SetAccessibleValue(const QString& value);

    // The panel shown at a factor: it paints its design (its size divided
    // by the factor), the painter scaled, so pictures and lines stay in
    // proportion. 1 by default.
    qreal Scale() const { return scale_; }
    void SetScale(qreal scale);
    // The panel's size, and the design pixel under a point on it.
    QSize DesignSize() const { return (QSizeF(size()) / scale_).toSize(); }
    QPoint DesignPoint(QPointF point) const;
    // A design rectangle on the panel, widened to whole pixels.
    QRect FromDesign(const QRectF& rect) const;

    // Raised at the end of every paint, after the panel's own painting, with
    // a painter in design units (scaled by the factor) in its default state.
    std::function<void(QPainter&)> OnPaint;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void PaintAll(QPainter& painter);
    void DrawBevel(QPainter& painter, QRect rect, TBevelStyle style) const;

    QColor color_;
    int bevelWidth_ = 1;
    TBevelStyle bevelOuter_ = TBevelStyle::Raised;
    bool buffered_ = false;
    qreal scale_ = 1.0;
    QPixmap composeBuffer_;  // reused between buffered paints
    QString accessibleValue_;
};

}  // namespace zorvane
