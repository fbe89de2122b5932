#include "app/ShownPanels.h"

#include <algorithm>

namespace zorvane {

ShownPanels::Changed ShownPanels::Note(const CellGrid& board, int numRows, const AuxRow& aux,
                                       const StatusPanel& status) {
    std::vector<CellPicture> cells;
    const int rows = std::clamp(numRows, 0, kMaxRows);
    cells.reserve(static_cast<std::size_t>(kColumns * rows));
    for (const auto& column : board) {
        for (int row = 0; row < rows; ++row) {
            cells.push_back(PictureOf(column[static_cast<std::size_t>(row)]));
        }
    }
    std::array<CellPicture, kColumns> strip{};
    std::transform(aux.begin(), aux.end(), strip.begin(), PictureOf);

    Changed changed;
    if (known_) {
        changed = {cells != board_, strip != aux_, status.Digits != digits_};
    }
    known_ = true;
    board_ = std::move(cells);
    aux_ = strip;
    digits_ = status.Digits;
    return changed;
}

}  // namespace zorvane
