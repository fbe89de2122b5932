#pragma once
// A design of fixed size shown at one factor: the widgets placed through the
// view keep their design geometry and font size and follow the factor, paint
// panels paint their design scaled, and the content sits centred in the view
// with the view's background around it. The factor is the largest at which
// the design fits the view.

#include <QFont>
#include <QRect>
#include <QWidget>
#include <vector>

class QLabel;

namespace zorvane {

class ScaledView : public QWidget {
    Q_OBJECT
  public:
    explicit ScaledView(QWidget* parent = nullptr);

    // The parent of every design widget.
    QWidget* Content() const { return content_; }
    QSize DesignSize() const { return design_; }
    void SetDesignSize(QSize design);
    qreal Factor() const { return factor_; }
    // The largest factor at which the design fits `area`.
    qreal FactorFor(QSize area) const;
    // The view's size that shows the design at `factor`.
    QSize SizeAt(qreal factor) const;

    // `widget`'s geometry in design units.
    void Place(QWidget* widget, QRect design);
    // A label's top left in design units; its size follows its text, and a
    // text too long for its parent moves it left (see Refit).
    void PlaceLabel(QLabel* label, QPoint design);
    // Places a label again after its text changed.
    void Refit(QLabel* label) const;
    // `widget`'s font, with its size in design pixels.
    void SetDesignFont(QWidget* widget, const QFont& font, int pixels);

    QSize sizeHint() const override { return design_; }
    QSize minimumSizeHint() const override;

  signals:
    // After the widgets have taken their new geometry and fonts.
    void FactorChanged(qreal factor);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Placed {
        QWidget* widget;
        QRect design;
        bool label;
    };
    struct Sized {
        QWidget* widget;
        QFont font;
        int pixels;
    };
    void Apply();
    void ApplyTo(const Placed& placed) const;
    void ApplyFont(const Sized& sized) const;
    QRect Scaled(QRect design) const;

    QWidget* content_;
    QSize design_;
    qreal factor_ = 1.0;
    std::vector<Placed> placed_;
    std::vector<Sized> fonts_;
};

}  // namespace zorvane
