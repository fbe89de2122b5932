#pragma once
// The about box: the logo, the title, the version and the credits, closed by
// its OK button or its frame. Created once and shown modally when asked.

#include <QDialog>
#include <QSize>

class QLabel;
class QPushButton;

namespace zorvane {

class TFrmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit TFrmAbout(QWidget* parent = nullptr);

    // The size of the box with its frame, as the player sees it.
    static constexpr QSize kOuterSize{385, 262};

    QLabel* Image1() const { return image1_; }
    QLabel* Title() const { return title_; }
    QLabel* Version() const { return version_; }
    QLabel* Credit(int line) const;  // 1..4
    QPushButton* OkButton() const { return okButton_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Sizes the window so that window and frame together are kOuterSize.
    // The frame is often known only after the window manager has framed the
    // window, so this runs again whenever the frame changes.
    void FitOuterSize();

    QLabel* image1_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* credits_[4] = {};
    QPushButton* okButton_ = nullptr;
};

}  // namespace zorvane
