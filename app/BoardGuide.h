#pragma once
// Keyboard play on the board and what guides a click: the cursor the arrow
// keys move (Space or Enter plays its cell, as a left click does), the
// outline of the cells a click on the cell under the pointer or cursor would
// take, the flash of a bad move, and the board's description for screen
// readers.

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>
#include <vector>

#include "engine/Game.h"
#include "persistence/Settings.h"

class QKeyEvent;
class QPainter;
class QVariantAnimation;

namespace zorvane {

class TPaintPanel;

class BoardGuide : public QObject {
    Q_OBJECT
  public:
    // `game` gives the running game or null before the start-up; `settings`
    // name the colours the slots show. The guide makes the board focusable,
    // tracks the pointer over it and watches its keys; it belongs to
    // `parent`.
    BoardGuide(TPaintPanel* board, std::function<Game*()> game, const Settings& settings,
               QObject* parent);

    // After any change of the game: the outline and description follow the
    // new board (the whole board is being repainted anyway).
    void Refresh();
    // A new game: the cursor goes back to the bottom-left cell, hidden until
    // a key shows it, as at the start.
    void Restart();
    // Draws the outline, the cursor and the flash over the painted cells.
    void Paint(QPainter& painter) const;
    // A short flash on the cell of a bad move.
    void FlashBadMove(int row, int col);

    // How Space or Enter plays a cell (row * 10 + col): the window's way for
    // a click. Unset, the cell goes straight to the engine.
    std::function<void(int tag)> PlayCell;
    // The player starts to aim at a cell: a button goes down on the board, or
    // a key shows or moves the cursor. A move may follow at once; whatever it
    // needs can get ready now.
    std::function<void()> Aiming;
    // Whether the board is in motion: the outline then waits for the
    // pieces to land, since it marks cells of the final board.
    std::function<bool()> Moving;

    // Where the cursor is, once a key has shown it.
    std::optional<CellPos> Cursor() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool KeyPressed(const QKeyEvent& key);
    void PointerAt(QPoint point);
    void HideCursor();
    // The cell a click is aimed at: the cursor's while shown, else the
    // pointer's.
    std::optional<CellPos> Target() const;
    // Recomputes the outline for the target; repaints only the cells whose
    // marks changed unless the whole board is repainted anyway.
    void Update(bool wholeBoard);
    void Repaint(const std::vector<CellPos>& cells);
    QString Describe() const;
    // "orange piece", "blue bomb", "black bomb", "area piece", "empty".
    QString CellWords(const TCell& cell) const;
    int NumRows() const;

    TPaintPanel* board_;
    std::function<Game*()> game_;
    const Settings& settings_;
    CellPos cursor_{};
    bool cursorShown_ = false;
    std::optional<CellPos> pointer_;
    QPoint lastPointer_{-1, -1};
    std::vector<CellPos> outline_;
    std::optional<CellPos> shownCursor_;
    CellPos flashCell_{};
    qreal flash_ = 0.0;
    QVariantAnimation* flashFade_;
};

}  // namespace zorvane
