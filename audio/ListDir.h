#pragma once
// The files of a folder, and one picked at random: how background music
// chooses its next song.

#include <set>
#include <string>
#include <vector>

#include "engine/Random.h"

namespace zorvane {

// Empties `names`, then adds the bare name of every entry of `folder` that is
// not itself a folder (hidden ones too), in the order the file system gives
// them. A folder that cannot be read gives no names.
void ListFiles(const std::string& folder, std::vector<std::string>& names);

// Reseeds `random` from the clock, then returns folder + "/" + a name drawn
// uniformly from ListFiles (no second "/" when the folder ends in one), or
// the empty text for an empty folder name or a folder without files. Files
// whose whole name (as returned) is in `skip` are not drawn.
std::string RandomFile(const std::string& folder, RandomSource& random,
                       const std::set<std::string>& skip = {});

}  // namespace zorvane
