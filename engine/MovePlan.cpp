#include "engine/MovePlan.h"

#include <algorithm>
#include <functional>

namespace zorvane {

namespace {

// Runs one stage's removal pattern on `model` and records what it did.
MovePlan::Stage PlanStage(MoveBoard& model, EffectSlot sound, const std::function<void()>& pattern,
                          std::vector<CellPos>& taken) {
    MovePlan::Stage stage;
    stage.sound = sound;
    const MoveBoard start = model;
    model.TakeHits();
    pattern();
    stage.hits = model.TakeHits();
    const std::vector<CellPos> exploded = model.Exploded();
    stage.bonus = GroupBonus(static_cast<std::int64_t>(exploded.size()));
    for (const CellPos cell : exploded) {
        stage.removed.push_back({start.At(cell), cell});
        if (const auto origin = model.Origin(cell)) {
            taken.push_back(*origin);
        }
    }
    model.ShufflePieces();
    // Where each piece of the stage's first board went: found by the first
    // board's cell it came from, which every content carries.
    std::array<std::array<std::optional<CellPos>, kMaxRows>, kColumns> startOf{};
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kMaxRows; ++row) {
            if (const auto origin = start.Origin({row, col})) {
                startOf[origin->col][origin->row] = CellPos{row, col};
            }
        }
    }
    for (int row = 0; row < kMaxRows; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            const auto origin = model.Origin({row, col});
            if (origin && model.OnBoard(row, col)) {
                if (const auto from = startOf[origin->col][origin->row]) {
                    stage.ways.push_back({model.At({row, col}), *from, {row, col}});
                }
            }
        }
    }
    for (int col = 0; col < kColumns; ++col) {
        for (int row = 0; row < kMaxRows; ++row) {
            CopyContent(stage.board[col][row], model.Cells()[col][row]);
        }
    }
    return stage;
}

}  // namespace

std::int64_t GroupBonus(std::int64_t removed) {
    if (removed < 4) {
        return 0;
    }
    std::int64_t bonus = 20 * (removed - 3);
    if (removed >= 5) {
        bonus += 5 * (removed - 4);
    }
    return bonus;
}

MovePlan PlanClick(const CellGrid& board, int numRows, int row, int col) {
    MovePlan plan;
    MoveBoard model(board, numRows);
    if (!model.OnBoard(row, col)) {
        return plan;
    }
    auto stage = [&](EffectSlot sound, const std::function<void()>& pattern) {
        plan.stages.push_back(PlanStage(model, sound, pattern, plan.taken));
    };
    const TCell clicked = model.At({row, col});
    if (clicked.IsBomb && clicked.IsSpecial) {
        // Each kind is tested against what the clicked cell holds now: a
        // special of a higher kind that falls or slides into the cell fires
        // in the same click.
        for (int kind = 1; kind <= kSpecialKinds; ++kind) {
            const TCell& now = model.At({row, col});
            if (now.IsSpecial && now.SpecialNum == kind) {
                stage(EffectSlot::Explode, [&] { model.ExplodeSpecial(kind, row, col); });
            }
        }
    } else if (clicked.IsBomb) {
        stage(EffectSlot::Explode, [&] {
            if (clicked.Pic != 0) {
                model.ExplodeAll(clicked.Pic);
            } else {
                model.ExplodeBlack(row, col);
            }
        });
    } else if (model.IsGoodMove(row, col)) {
        stage(EffectSlot::Good, [&] { model.ExplodePiece(row, col); });
    } else {
        plan.outcome = MovePlan::Outcome::Bad;
        return plan;
    }
    plan.outcome = plan.stages.empty() ? MovePlan::Outcome::Dud : MovePlan::Outcome::Move;
    std::sort(plan.taken.begin(), plan.taken.end());
    plan.taken.erase(std::unique(plan.taken.begin(), plan.taken.end()), plan.taken.end());
    return plan;
}

}  // namespace zorvane
