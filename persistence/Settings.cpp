#include "persistence/Settings.h"

#include <stdexcept>
#include <string>

namespace zorvane {

namespace {

// One switch for both the const and the writable access.
template <typename SettingsT>
auto& ColorSlot(SettingsT& settings, int slot) {
    switch (slot) {
        case 1:
            return settings.Color1;
        case 2:
            return settings.Color2;
        case 3:
            return settings.Color3;
        case 4:
            return settings.Color4;
        case 5:
            return settings.Color5;
        case 6:
            return settings.Color6;
        default:
            throw std::out_of_range("colour slot " + std::to_string(slot) + " is not 1..6");
    }
}

}  // namespace

std::int32_t& Settings::Color(int slot) {
    return ColorSlot(*this, slot);
}

std::int32_t Settings::Color(int slot) const {
    return ColorSlot(*this, slot);
}

Settings DefaultSettings(const std::string& programFolder) {
    Settings settings;
    settings.MusicPath = programFolder + "Music/";
    return settings;
}

}  // namespace zorvane
