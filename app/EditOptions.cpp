// The options command: the dialog edits a copy of the settings, and the
// differences are applied according to the button that closed it.

#include <QDialog>

#include "app/MainUnit1.h"
#include "app/MoveMotion.h"
#include "options/Options1.h"
#include "persistence/TextHelpers.h"

namespace zorvane {

namespace {

// A folder box that names a song (or a folder whose name looks like one) is
// cut back to its folder part.
std::string MusicFolderOf(const std::string& path) {
    const std::string upper = UpperText(path);
    if (upper.find(".WAV") == std::string::npos && upper.find(".MID") == std::string::npos) {
        return path;
    }
    const std::size_t cut = path.find_last_of("/:");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

}  // namespace

void TMainBoard::EditSubMenuClick() {
    RunModalCommand([this] {
        FrmOptions->Edit(settings_, game_->NumRows());
        const int result = dialogs_->RunModal(*FrmOptions);
        const Settings chosen = FrmOptions->Result();
        // The background picture's name and drawing mode, like the picture
        // itself, stay whatever button closed the dialog.
        settings_.GraphicsBack = chosen.GraphicsBack;
        settings_.GraphicsBackSet = chosen.GraphicsBackSet;
        settings_.GraphicsType = chosen.GraphicsType;
        const bool save = result == TFrmOptions::kSaveResult;
        if (result == QDialog::Accepted || save) {
            ApplyOptions(chosen, save);
        }
        settings_.UseGraphicsBack = chosen.UseGraphicsBack;
        if (save) {
            SaveOptions1Click();
        }
        // The background may have changed whichever button closed the dialog.
        RepaintAll();
    });
}

void TMainBoard::ApplyOptions(const Settings& chosen, bool save) {
    settings_.Buffered = chosen.Buffered;
    Panel1->SetBuffered(settings_.Buffered);
    settings_.BoardColor = chosen.BoardColor;
    StartRowsClick(chosen.StartRows);
    settings_.Shape = chosen.Shape;
    for (int slot = 1; slot <= 6; ++slot) {
        settings_.Color(slot) = chosen.Color(slot);
    }
    settings_.Symbols = chosen.Symbols;
    settings_.Animations = chosen.Animations;
    if (!settings_.Animations) {
        motion_->Finish();
    }
    RefreshBoard();

    // Only a sound whose name changed is reopened; the comparison is exact.
    for (const EffectSlot slot : kEffectSlots) {
        if (chosen.EffectFile(slot) != settings_.EffectFile(slot)) {
            sounds_->SetEffectFile(slot, chosen.EffectFile(slot));
        }
    }

    // The music starts again when its path or its switch changed.
    bool changed = false;
    settings_.CycleMusic = chosen.CycleMusic;
    if (chosen.MusicPath != settings_.MusicPath) {
        changed = true;
        settings_.MusicPath =
            settings_.CycleMusic ? MusicFolderOf(chosen.MusicPath) : chosen.MusicPath;
    }
    for (const EffectSlot slot : kEffectSlots) {
        settings_.EffectOn(slot) = chosen.EffectOn(slot);
    }
    if (chosen.PlayMusic != settings_.PlayMusic) {
        changed = true;
    }
    settings_.PlayMusic = chosen.PlayMusic;
    if (changed && settings_.PlayMusic && !settings_.MusicPath.empty()) {
        sounds_->StartMusic();
    }
    if (!settings_.PlayMusic || settings_.MusicPath.empty()) {
        sounds_->StopMusic();
    }

    // The running board keeps its size; the next start uses the new one.
    if (chosen.NumRowsSetting != game_->NumRows()) {
        ShowMessage("Notice!",
                    "Board size change will take effect the next time the program is started");
        if (!save) {
            ShowMessage("Notice!", "Remember to save options to change the board size!");
        }
        settings_.NumRowsSetting = chosen.NumRowsSetting;
    }
    settings_.Transparent = chosen.Transparent;
    background_.SetTransparent(settings_.Transparent);
    settings_.RandomMode = chosen.RandomMode;
    settings_.PauseMusic = chosen.PauseMusic;
}

}  // namespace zorvane
