#pragma once
// What the board, the preview strip and the score last showed, so that a
// clock tick which only fills a preview slot repaints only the strip: the
// board, with its background, is by far the costliest panel to draw.

#include <array>
#include <vector>

#include "engine/Cell.h"
#include "engine/StatusPanel.h"

namespace zorvane {

class ShownPanels {
  public:
    struct Changed {
        bool board = true;
        bool aux = true;
        bool score = true;
    };

    // Which panels now show something other than at the last call; the new
    // content is remembered.
    Changed Note(const CellGrid& board, int numRows, const AuxRow& aux, const StatusPanel& status);
    // Everything counts as changed at the next Note: for what the cells do
    // not tell, such as new colours or pictures.
    void Forget() { known_ = false; }

  private:
    bool known_ = false;
    std::vector<CellPicture> board_;
    std::array<CellPicture, kColumns> aux_{};
    std::array<int, 8> digits_{};
};

}  // namespace zorvane
