#include "components/ScaledView.h"

#include <QLabel>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "components/PaintPanel.h"

namespace zorvane {

namespace {

// Below this the board's pieces would be smaller than a fingertip.
constexpr qreal kSmallestFactor = 0.4;

int Round(qreal value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

ScaledView::ScaledView(QWidget* parent) : QWidget(parent), content_(new QWidget(this)) {
    content_->setObjectName("Content");
}

void ScaledView::SetDesignSize(QSize design) {
    design_ = design;
    updateGeometry();
    Apply();
}

qreal ScaledView::FactorFor(QSize area) const {
    if (design_.isEmpty()) {
        return 1.0;
    }
    const qreal factor = std::min(static_cast<qreal>(area.width()) / design_.width(),
                                  static_cast<qreal>(area.height()) / design_.height());
    return std::max(factor, kSmallestFactor);
}

QSize ScaledView::SizeAt(qreal factor) const {
    return {Round(design_.width() * factor), Round(design_.height() * factor)};
}

QSize ScaledView::minimumSizeHint() const {
    return SizeAt(kSmallestFactor);
}

QRect ScaledView::Scaled(QRect design) const {
    // Edges are rounded, not sizes, so neighbours stay neighbours.
    const int left = Round(design.left() * factor_);
    const int top = Round(design.top() * factor_);
    const int right = Round((design.left() + design.width()) * factor_);
    const int bottom = Round((design.top() + design.height()) * factor_);
    return {left, top, right - left, bottom - top};
}

void ScaledView::Place(QWidget* widget, QRect design) {
    const auto found = std::find_if(placed_.begin(), placed_.end(),
                                    [widget](const Placed& p) { return p.widget == widget; });
    if (found != placed_.end()) {
        found->design = design;
        ApplyTo(*found);
        return;
    }
    placed_.push_back({widget, design, false});
    ApplyTo(placed_.back());
}

void ScaledView::PlaceLabel(QLabel* label, QPoint design) {
    placed_.push_back({label, QRect(design, QSize()), true});
    ApplyTo(placed_.back());
}

void ScaledView::Refit(QLabel* label) const {
    for (const Placed& placed : placed_) {
        if (placed.widget == label) {
            ApplyTo(placed);
            return;
        }
    }
}

void ScaledView::SetDesignFont(QWidget* widget, const QFont& font, int pixels) {
    fonts_.push_back({widget, font, pixels});
    ApplyFont(fonts_.back());
}

void ScaledView::ApplyFont(const Sized& sized) const {
    QFont scaled = sized.font;
    scaled.setPixelSize(std::max(1, Round(sized.pixels * factor_)));
    sized.widget->setFont(scaled);
}

void ScaledView::ApplyTo(const Placed& placed) const {
    if (placed.label) {
        placed.widget->adjustSize();
        // A caption longer than the design's (another language, a bigger
        // number) moves left rather than run out of its panel.
        const QWidget* parent = placed.widget->parentWidget();
        const int room = parent ? parent->width() - placed.widget->width() - Round(2 * factor_) : 0;
        placed.widget->move(std::max(0, std::min(Round(placed.design.left() * factor_), room)),
                            Round(placed.design.top() * factor_));
        return;
    }
    placed.widget->setGeometry(Scaled(placed.design));
    if (auto* panel = qobject_cast<TPaintPanel*>(placed.widget)) {
        panel->SetScale(factor_);
    }
}

void ScaledView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Apply();
}

void ScaledView::Apply() {
    // Not laid out yet: the design stays at its own size until it is.
    if (size().isEmpty()) {
        return;
    }
    const qreal factor = FactorFor(size());
    const bool changed = factor != factor_;
    factor_ = factor;
    if (changed) {
        for (const Sized& sized : fonts_) {
            ApplyFont(sized);
        }
        for (const Placed& placed : placed_) {
            ApplyTo(placed);
        }
    }
    // The extra room on the longer side is shared evenly around the design.
    const QSize shown = SizeAt(factor_);
    content_->setGeometry((width() - shown.width()) / 2, (height() - shown.height()) / 2,
                          shown.width(), shown.height());
    if (changed) {
        emit FactorChanged(factor_);
    }
}

}  // namespace zorvane
