#include "components/PaintPanel.h"

#include <QAccessible>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "components/PaintPanelAccessible.h"

namespace zorvane {

TPaintPanel::TPaintPanel(QWidget* parent)
    : QWidget(parent), color_(palette().color(QPalette::Window)) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(PaintPanelInterface);
        return true;
    }();
    (void)factoryInstalled;
    // Every pixel is ours: spare Qt the background fill underneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintPanel::SetColor(const QColor& color) {
    if (color == color_) {
        return;
    }
    color_ = color;
    update();
}

void TPaintPanel::SetAccessibleValue(const QString& value) {
    if (value == accessibleValue_) {
        return;
    }
    const QString before = accessibleValue_;
    accessibleValue_ = value;
    // The value is in the name, the text and the value a reader reads, and
    // each has its own notice.
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleTextUpdateEvent text(this, 0, before, value);
    QAccessible::updateAccessibility(&text);
    bool number = false;
    const qlonglong n = value.toLongLong(&number);
    QAccessibleValueChangeEvent changed(this, number ? QVariant(n) : QVariant());
    QAccessible::updateAccessibility(&changed);
}

void TPaintPanel::SetBevelWidth(int width) {
    width = std::max(width, 0);
    if (width == bevelWidth_) {
        return;
    }
    bevelWidth_ = width;
    update();
}

void TPaintPanel::SetBevelOuter(TBevelStyle style) {
    bevelOuter_ = style;
    update();
}

void TPaintPanel::SetBuffered(bool buffered) {
    buffered_ = buffered;
    if (!buffered_) {
        composeBuffer_ = QPixmap();
    }
}

void TPaintPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!buffered_) {
        PaintAll(painter);
        return;
    }
    // Sized in the target's device pixels (the screen's, or a grab's), so a
    // high-density target gets a sharp copy.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (composeBuffer_.size() != pixels || composeBuffer_.devicePixelRatio() != ratio) {
        composeBuffer_ = QPixmap(pixels);
        composeBuffer_.setDevicePixelRatio(ratio);
    }
    {
        QPainter offscreen(&composeBuffer_);
        offscreen.setClipRegion(event->region());
        PaintAll(offscreen);
    }
    painter.setClipRegion(event->region());
    painter.drawPixmap(0, 0, composeBuffer_);
}

void TPaintPanel::SetScale(qreal scale) {
    if (scale <= 0.0 || scale == scale_) {
        return;
    }
    scale_ = scale;
    update();
}

QPoint TPaintPanel::DesignPoint(QPointF point) const {
    return {static_cast<int>(std::floor(point.x() / scale_)),
            static_cast<int>(std::floor(point.y() / scale_))};
}

QRect TPaintPanel::FromDesign(const QRectF& rect) const {
    const QRectF scaled(rect.topLeft() * scale_, rect.size() * scale_);
    return scaled.toAlignedRect();
}

void TPaintPanel::PaintAll(QPainter& painter) {
    painter.fillRect(rect(), color_);
    if (scale_ != 1.0) {
        painter.scale(scale_, scale_);
        // Pictures drawn at a fraction of their pixels are smoothed, not
        // thinned out.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    painter.save();
    const QSize design = DesignSize();
    DrawBevel(painter, QRect(QPoint(0, 0), design), bevelOuter_);
    painter.restore();

    // A copy, so that the handler may replace itself.
    if (auto handler = OnPaint) {
        handler(painter);
    }
}

// Rings from the outside in: light along the top and left, dark along the
// bottom and right (swapped when lowered); the dark edges own the corners
// at the top right and bottom left.
void TPaintPanel::DrawBevel(QPainter& painter, QRect rect, TBevelStyle style) const {
    if (style == TBevelStyle::None) {
        return;
    }
    QColor topLeft = palette().color(QPalette::Light);
    QColor bottomRight = palette().color(QPalette::Dark);
    if (style == TBevelStyle::Lowered) {
        std::swap(topLeft, bottomRight);
    }
    for (int ring = 0; ring < bevelWidth_ && rect.width() > 0 && rect.height() > 0; ++ring) {
        const int x0 = rect.left();
        const int y0 = rect.top();
        const int w = rect.width();
        const int h = rect.height();
        painter.fillRect(x0, y0, w - 1, 1, topLeft);
        painter.fillRect(x0, y0, 1, h - 1, topLeft);
        painter.fillRect(x0 + w - 1, y0, 1, h, bottomRight);
        painter.fillRect(x0, y0 + h - 1, w, 1, bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

}  // namespace zorvane
