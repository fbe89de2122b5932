#pragma once
// The board in motion after a move or push: runs a planned animation for a
// moment, repainting the board, and can be finished at once. The engine's
// state is already final; this only changes what is drawn meanwhile.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <optional>

#include "presentation/BoardAnimation.h"

class QWidget;

namespace zorvane {

class MoveMotion : public QObject {
    Q_OBJECT
  public:
    // `board` is repainted on every frame; the motion belongs to `parent`.
    MoveMotion(QWidget* board, QObject* parent);

    void Start(BoardAnimation plan);
    // Ends the motion now; the board then shows its final state.
    void Finish();
    bool Running() const { return plan_.has_value(); }
    const BoardAnimation* Plan() const { return plan_ ? &*plan_ : nullptr; }
    // How far the run has come, 0 to 1.
    qreal Progress() const;

  private:
    void Frame();

    QWidget* board_;
    QTimer frames_;
    QElapsedTimer clock_;
    std::optional<BoardAnimation> plan_;
};

}  // namespace zorvane
