#pragma once
// The files of a folder, and drawing them at random: how background music
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

// folder + "/" + each name from ListFiles (no second "/" when the folder ends
// in one), leaving out the whole names in `skip`; none for an empty folder name.
std::vector<std::string> FolderFiles(const std::string& folder,
                                     const std::set<std::string>& skip = {});

// Takes one of `files`, drawn uniformly with `random`, out of the list and
// returns it; the empty text when the list is empty.
std::string DrawFile(std::vector<std::string>& files, RandomSource& random);

}  // namespace zorvane
