#include "app/BoardGuide.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVariantAnimation>
#include <algorithm>

#include "components/PaintPanel.h"
#include "presentation/BoardMarks.h"
#include "presentation/BoardPainter.h"

namespace zorvane {

namespace {

constexpr int kFlashMilliseconds = 180;

}  // namespace

BoardGuide::BoardGuide(TPaintPanel* board, std::function<Game*()> game, const Settings& settings,
                       QObject* parent)
    : QObject(parent),
      board_(board),
      game_(std::move(game)),
      settings_(settings),
      flashFade_(new QVariantAnimation(this)) {
    board_->setFocusPolicy(Qt::StrongFocus);
    board_->setMouseTracking(true);
    board_->setAccessibleName(tr("Board"));
    board_->installEventFilter(this);
    flashFade_->setStartValue(1.0);
    flashFade_->setEndValue(0.0);
    flashFade_->setDuration(kFlashMilliseconds);
    connect(flashFade_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        flash_ = value.toReal();
        board_->update(board_->FromDesign(CellRect(flashCell_, NumRows())));
    });
    Update(true);
}

std::optional<CellPos> BoardGuide::Cursor() const {
    if (!cursorShown_) {
        return std::nullopt;
    }
    return cursor_;
}

int BoardGuide::NumRows() const {
    const Game* game = game_();
    return game ? game->NumRows() : kMaxRows;
}

std::optional<CellPos> BoardGuide::Target() const {
    return cursorShown_ ? std::optional(cursor_) : pointer_;
}

void BoardGuide::Refresh() {
    // A new game may have fewer rows.
    cursor_.row = std::min(cursor_.row, NumRows() - 1);
    Update(true);
}

void BoardGuide::Restart() {
    cursor_ = {};
    HideCursor();
}

void BoardGuide::FlashBadMove(int row, int col) {
    flashCell_ = {row, col};
    flashFade_->stop();
    flash_ = 1.0;
    flashFade_->start();
    board_->update(board_->FromDesign(CellRect(flashCell_, NumRows())));
}

bool BoardGuide::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_) {
        switch (event->type()) {
            case QEvent::KeyPress:
                return KeyPressed(*static_cast<QKeyEvent*>(event));
            case QEvent::MouseMove:
                PointerAt(static_cast<QMouseEvent*>(event)->position().toPoint());
                break;
            case QEvent::MouseButtonPress:
                if (Aiming && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    Aiming();
                }
                HideCursor();
                break;
            case QEvent::Leave:
                pointer_.reset();
                lastPointer_ = {-1, -1};
                Update(false);
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool BoardGuide::KeyPressed(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;  // shortcuts
    }
    int dRow = 0;
    int dCol = 0;
    switch (key.key()) {
        case Qt::Key_Left:
            dCol = -1;
            break;
        case Qt::Key_Right:
            dCol = 1;
            break;
        case Qt::Key_Up:
            dRow = 1;
            break;
        case Qt::Key_Down:
            dRow = -1;
            break;
        case Qt::Key_Space:
        case Qt::Key_Enter:
        case Qt::Key_Return:
            break;
        default:
            return false;  // menu shortcuts and Tab go their usual way
    }
    if (Aiming) {
        Aiming();
    }
    if (!cursorShown_) {
        // The first key only shows where the cursor is.
        cursorShown_ = true;
    } else if (dRow != 0 || dCol != 0) {
        cursor_.row = std::clamp(cursor_.row + dRow, 0, NumRows() - 1);
        cursor_.col = std::clamp(cursor_.col + dCol, 0, kColumns - 1);
    } else if (Game* game = game_()) {
        // The same way into the engine as a left click on the cell.
        const int tag = cursor_.row * 10 + cursor_.col;
        if (PlayCell) {
            PlayCell(tag);
        } else {
            game->Num1Click({true, tag});
        }
        return true;  // the move refreshed everything
    }
    Update(false);
    return true;
}

void BoardGuide::PointerAt(QPoint point) {
    // Only a real movement counts: a repaint or a widget appearing under a
    // still pointer must not take the cursor away.
    if (point == lastPointer_) {
        return;
    }
    lastPointer_ = point;
    int row = 0;
    int col = 0;
    if (CellAt(board_->DesignPoint(point), NumRows(), row, col)) {
        pointer_ = CellPos{row, col};
    } else {
        pointer_.reset();
    }
    cursorShown_ = false;
    Update(false);
}

void BoardGuide::HideCursor() {
    if (cursorShown_) {
        cursorShown_ = false;
        Update(false);
    }
}

void BoardGuide::Update(bool wholeBoard) {
    const Game* game = game_();
    std::vector<CellPos> outline;
    const bool moving = Moving && Moving();
    if (const auto target = Target(); target && game && game->State().EngineIdle && !moving) {
        outline = game->PlanClick(target->row, target->col).taken;
    }
    const std::optional<CellPos> cursor = Cursor();
    if (!wholeBoard) {
        // Only the cells whose marks come or go.
        std::vector<CellPos> changed;
        std::set_symmetric_difference(outline_.begin(), outline_.end(), outline.begin(),
                                      outline.end(), std::back_inserter(changed));
        // A cell stays on the outline but its border may move: repaint the
        // whole old and new outlines when they differ at all.
        if (!changed.empty()) {
            changed = outline_;
            changed.insert(changed.end(), outline.begin(), outline.end());
        }
        if (shownCursor_ != cursor) {
            for (const auto& cell : {shownCursor_, cursor}) {
                if (cell) {
                    changed.push_back(*cell);
                }
            }
        }
        Repaint(changed);
    }
    outline_ = std::move(outline);
    shownCursor_ = cursor;
    board_->setAccessibleDescription(Describe());
    QAccessibleEvent event(board_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void BoardGuide::Repaint(const std::vector<CellPos>& cells) {
    QRegion region;
    for (const CellPos cell : cells) {
        region += board_->FromDesign(CellRect(cell, NumRows()));
    }
    if (!region.isEmpty()) {
        board_->update(region);
    }
}

QString BoardGuide::CellWords(const TCell& cell) const {
    static const char* const kSpecials[] = {
        QT_TR_NOOP("area piece"),  QT_TR_NOOP("row piece"),     QT_TR_NOOP("column piece"),
        QT_TR_NOOP("cross piece"), QT_TR_NOOP("rows-up piece"), QT_TR_NOOP("everything piece")};
    // Whole phrases, as other languages bend a colour's name to the thing.
    static const char* const kPieces[] = {
        QT_TR_NOOP("gray piece"),  QT_TR_NOOP("blue piece"),   QT_TR_NOOP("cyan piece"),
        QT_TR_NOOP("green piece"), QT_TR_NOOP("orange piece"), QT_TR_NOOP("purple piece"),
        QT_TR_NOOP("red piece"),   QT_TR_NOOP("yellow piece"), QT_TR_NOOP("pink piece")};
    static const char* const kBombs[] = {
        QT_TR_NOOP("gray bomb"),  QT_TR_NOOP("blue bomb"),   QT_TR_NOOP("cyan bomb"),
        QT_TR_NOOP("green bomb"), QT_TR_NOOP("orange bomb"), QT_TR_NOOP("purple bomb"),
        QT_TR_NOOP("red bomb"),   QT_TR_NOOP("yellow bomb"), QT_TR_NOOP("pink bomb")};
    if (cell.IsBomb && cell.IsSpecial) {
        if (cell.SpecialNum >= 1 && cell.SpecialNum <= kSpecialKinds) {
            return tr(kSpecials[cell.SpecialNum - 1]);
        }
        return tr("unknown piece");
    }
    if (cell.Pic < 1 || cell.Pic > kColours) {
        return cell.IsBomb ? tr("black bomb") : tr("empty");
    }
    // The colour the player sees, as the options dialog names it; a slot
    // holding none of the nine shows its own, as its pictures do.
    int colour = settings_.Color(cell.Pic);
    if (colour < 1 || colour > 9) {
        colour = cell.Pic;
    }
    return tr((cell.IsBomb ? kBombs : kPieces)[colour - 1]);
}

QString BoardGuide::Describe() const {
    const Game* game = game_();
    const auto target = Target();
    if (!game || !target) {
        return tr("Arrow keys choose a cell; Space or Enter plays it.");
    }
    if (Moving && Moving()) {
        return tr("The pieces are moving.");
    }
    const TCell& cell = game->State().Board[target->col][target->row];
    const QString where =
        tr("Row %1, column %2: %3.").arg(target->row + 1).arg(target->col + 1).arg(CellWords(cell));
    if (outline_.empty()) {
        return where + " " + tr("A click here is no move.");
    }
    return where + " " +
           (outline_.size() == 1 ? tr("A click here takes 1 piece.")
                                 : tr("A click here takes %1 pieces.").arg(outline_.size()));
}

void BoardGuide::Paint(QPainter& painter) const {
    const int rows = NumRows();
    painter.save();
    if (shownCursor_) {
        // The piece under the cursor shows untouched: it is what Space plays.
        painter.setClipRegion(QRegion(QRect({}, board_->DesignSize()))
                                  .subtracted(CursorClearArea(*shownCursor_, rows)),
                              Qt::IntersectClip);
    }
    PaintTakeOutline(painter, outline_, rows);
    painter.restore();
    if (shownCursor_) {
        PaintCursor(painter, *shownCursor_, rows);
    }
    if (flashFade_->state() == QAbstractAnimation::Running) {
        PaintBadMoveFlash(painter, flashCell_, rows, flash_);
    }
}

}  // namespace zorvane
