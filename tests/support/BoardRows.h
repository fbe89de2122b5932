#pragma once
// Boards and strips written as cell characters, for arranging positions.

#include <string>
#include <vector>

#include "engine/CellText.h"

namespace zorvane::test {

// Rows of 10 cell characters, top row first, standing on the bottom row;
// every other cell empty.
inline CellGrid GridFromRows(const std::vector<std::string>& rows) {
    CellGrid grid{};
    const int n = static_cast<int>(rows.size());
    for (int i = 0; i < n; ++i) {
        for (int col = 0; col < kColumns; ++col) {
            grid[col][n - 1 - i] = *CellFromChar(rows[i][col]);
        }
    }
    return grid;
}

// Up to 10 cell characters, slot 0 first.
inline AuxRow StripFromText(const std::string& text) {
    AuxRow strip{};
    for (std::size_t i = 0; i < text.size() && i < strip.size(); ++i) {
        strip[i] = *CellFromChar(text[i]);
    }
    return strip;
}

}  // namespace zorvane::test
