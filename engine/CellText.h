#pragma once
// One character per cell, as the replay scripts, the state dump and the tests
// write it: '.' empty, '1'-'6' piece, 'a'-'f' colour bomb, 'k' black bomb,
// 'A'-'F' special piece. A cell no character stands for prints as '?'.

#include <optional>

#include "engine/Cell.h"

namespace zorvane {

std::optional<TCell> CellFromChar(char c);
char CharFromCell(const TCell& cell);

}  // namespace zorvane
