#include "persistence/Settings.h"

#include <iterator>
#include <stdexcept>
#include <string>

#include "persistence/SettingsTable.h"

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

// Each effect's file and switch, in the order of EffectSlot.
struct EffectFields {
    std::string Settings::*file;
    bool Settings::*on;
};
constexpr EffectFields kEffectFields[] = {
    {&Settings::BadSound, &Settings::PlayBad},
    {&Settings::GoodSound, &Settings::PlayGood},
    {&Settings::ExplodeSound, &Settings::PlayExplode},
    {&Settings::RowSound, &Settings::PlayClick},
};

const EffectFields& FieldsOf(EffectSlot slot) {
    const auto index = static_cast<std::size_t>(slot);
    if (index >= std::size(kEffectFields)) {
        throw std::out_of_range("effect slot " + std::to_string(index) + " is not 0..3");
    }
    return kEffectFields[index];
}

}  // namespace

Settings::Settings() {
    for (const SettingRow& row : SettingsTable()) {
        ResetSetting(row, *this);
    }
}

std::int32_t& Settings::Color(int slot) {
    return ColorSlot(*this, slot);
}

std::int32_t Settings::Color(int slot) const {
    return ColorSlot(*this, slot);
}

std::string& Settings::EffectFile(EffectSlot slot) {
    return this->*FieldsOf(slot).file;
}

const std::string& Settings::EffectFile(EffectSlot slot) const {
    return this->*FieldsOf(slot).file;
}

bool& Settings::EffectOn(EffectSlot slot) {
    return this->*FieldsOf(slot).on;
}

bool Settings::EffectOn(EffectSlot slot) const {
    return this->*FieldsOf(slot).on;
}

Settings DefaultSettings(const std::string& programFolder) {
    Settings settings;
    settings.MusicPath = programFolder + "Music/";
    return settings;
}

}  // namespace zorvane
