#include "components/PaintPanelAccessible.h"

#include <QAccessibleWidget>
#include <algorithm>

#include "components/PaintPanel.h"

namespace zorvane {

namespace {

class PaintPanelAccessible : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleValueInterface {
  public:
    explicit PaintPanelAccessible(TPaintPanel* panel) : QAccessibleWidget(panel) {}

    // The panel may get its value after a reader first asked: the role and
    // interfaces follow the value at every question.
    QAccessible::Role role() const override {
        return Value().isEmpty() ? QAccessible::Client : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Value) {
            return Value();
        }
        if (t == QAccessible::Name && !Value().isEmpty()) {
            // A reader speaks a label's name: without the value in it the
            // number would never be heard.
            return own.isEmpty() ? Value() : own + ": " + Value();
        }
        return own;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && !Value().isEmpty()) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::ValueInterface && Number().isValid()) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // The text: the value, read only, with no caret and no selection.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        const QString value = Value();
        if (endOffset < 0 || endOffset > value.size()) {
            endOffset = static_cast<int>(value.size());
        }
        startOffset = std::clamp(startOffset, 0, endOffset);
        return value.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Value().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = offset;
        *endOffset = offset;
        return {};
    }

    // The value: the number shown. The reader cannot change it, so it is
    // its own whole range.
    QVariant currentValue() const override { return Number(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return Number(); }
    QVariant minimumValue() const override { return Number(); }
    QVariant minimumStepSize() const override { return 0; }

  private:
    QString Value() const { return static_cast<const TPaintPanel*>(object())->AccessibleValue(); }
    // The value as a number, or invalid when it is none.
    QVariant Number() const {
        bool ok = false;
        const qlonglong number = Value().toLongLong(&ok);
        return ok ? QVariant(number) : QVariant();
    }
};

}  // namespace

QAccessibleInterface* PaintPanelInterface(const QString&, QObject* object) {
    if (auto* panel = qobject_cast<TPaintPanel*>(object)) {
        return new PaintPanelAccessible(panel);
    }
    return nullptr;
}

}  // namespace zorvane
