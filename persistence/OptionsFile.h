#pragma once
// "Options.txt": reading it over the defaults and writing it from the settings.

#include <string>
#include <string_view>
#include <vector>

#include "persistence/Settings.h"
#include "persistence/TextFile.h"

namespace zorvane {

// What reading the options does beyond the settings themselves: windows and
// players react through these. The defaults do nothing, so a tool that only
// wants the values can pass a plain OptionsHooks.
class OptionsHooks {
  public:
    virtual ~OptionsHooks() = default;
    // The slot's file setting already holds the name; its player follows
    // (or, before there are players, the file is checked).
    virtual void SetEffectFile(EffectSlot slot, const std::string& file);
    // The Start Rows check marks follow (none checked outside 1..5).
    virtual void StartRowsRead(int startRows);
    // The board's double buffering follows.
    virtual void BufferedRead(bool buffered);
    // Load the picture into the background holder; false when it cannot be
    // read (the hook reports it), and the setting then keeps its old name.
    virtual bool LoadBackgroundPicture(const std::string& file);
    // The picture holder's transparency follows.
    virtual void TransparentRead(bool transparent);
    // Called after the whole file when PlayMusic is on and MusicPath is not empty.
    virtual void StartMusic();
};

// Applies the lines of an options file, in order, over `settings`. Numbers
// that would mislead the game are brought into range: StartRows below 1 reads
// as 1, a colour outside 1..9 as the slot's own colour, a GraphicsType
// outside -1..3 as -1. NumRowsSetting is kept as read; NumRows, the height
// this run uses, is 9 for anything but 9, 12 or 16.
void ApplyOptionsLines(const std::vector<std::string>& lines, Settings& settings,
                       OptionsHooks& hooks);

// Reads the file at `path`; a missing file leaves every setting as it was and
// is no failure (ok and missing both set).
FileResult LoadOptions(const std::string& path, Settings& settings, OptionsHooks& hooks);

// The 29 or 30 lines of the file, in their fixed order.
std::vector<std::string> OptionsLines(const Settings& settings);
FileResult SaveOptions(const std::string& path, const Settings& settings);

}  // namespace zorvane
