#pragma once
// The board in motion after a move or push: runs the stages of a planned
// animation one after another, each for a moment, repainting the board, and
// can be finished at once. The engine's state is already final; this only
// changes what is drawn meanwhile.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <vector>

#include "presentation/BoardAnimation.h"

class QWidget;

namespace zorvane {

class MoveMotion : public QObject {
    Q_OBJECT
  public:
    // `board` is repainted on every frame; the motion belongs to `parent`.
    MoveMotion(QWidget* board, QObject* parent);

    // Runs the stages in turn; nothing for none.
    void Start(std::vector<BoardAnimation> stages);
    // Ends the motion now; the board then shows its final state.
    void Finish();
    bool Running() const { return !stages_.empty(); }
    // The stage being shown, and how far it has come, 0 to 1.
    const BoardAnimation* Plan() const;
    qreal Progress() const;
    // The board the whole motion ends on.
    const BoardAnimation* Last() const { return stages_.empty() ? nullptr : &stages_.back(); }

  signals:
    // The motion ended, run out or finished early.
    void Finished();

  private:
    void Frame();
    // The stage that the time since the start falls in.
    std::size_t StageNow() const;

    QWidget* board_;
    QTimer frames_;
    QElapsedTimer clock_;
    std::vector<BoardAnimation> stages_;
};

}  // namespace zorvane
