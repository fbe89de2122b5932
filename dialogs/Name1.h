#pragma once
// The name dialog shown for a new high score. It keeps the last name typed,
// so a player on a streak only has to press Enter.

#include <QDialog>
#include <QString>

class QLineEdit;

namespace zorvane {

class TFrmName : public QDialog {
    Q_OBJECT

  public:
    explicit TFrmName(QWidget* parent = nullptr);

    // The box's text: the name once the dialog has closed, however it was
    // closed.
    QString Name() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* EdtName;
};

}  // namespace zorvane
