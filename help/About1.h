#pragma once
// The about box: the logo, the title, the version and the credits, closed by
// its OK button or its frame. Created once and shown modally when asked.

#include <QDialog>
#include <QSize>

namespace zorvane {

class TFrmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit TFrmAbout(QWidget* parent = nullptr);

    // The size of the box with its frame, as the player sees it.
    static constexpr QSize kOuterSize{385, 262};

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Sizes the window so that window and frame together are kOuterSize, or
    // as much more as its texts need.
    // The frame is often known only after the window manager has framed the
    // window, so this runs again whenever the frame changes.
    void FitOuterSize();
};

}  // namespace zorvane
