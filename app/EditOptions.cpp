// The options command: show the dialog, then apply what it holds according
// to the button that closed it.

#include <QMessageBox>

#include "app/MainUnit1.h"
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
        bool changed = false;
        FrmOptions->ChosenBoardColor = settings_.BoardColor;
        const int result = dialogs_->RunModal(*FrmOptions);
        const bool save = result == TFrmOptions::kSaveResult;
        if (result == QDialog::Accepted || save) {
            ApplyOptions(save, changed);
        }
        settings_.UseGraphicsBack = FrmOptions->UseGraphicBox();
        if (save) {
            SaveOptions1Click();
        }
        if (!save && result != QDialog::Accepted) {
            FrmOptions->ChosenBoardColor = settings_.BoardColor;
        }
        StateChanged();
    });
}

void TMainBoard::ApplyOptions(bool save, bool& changed) {
    const TFrmOptions& dialog = *FrmOptions;
    settings_.Buffered = dialog.Buffered();
    Panel1->SetBuffered(settings_.Buffered);
    if (dialog.ChosenBoardColor != settings_.BoardColor) {
        settings_.BoardColor = dialog.ChosenBoardColor;
    }
    StartRowsClick(dialog.StartRows());
    if (dialog.ChosenShape != settings_.Shape) {
        settings_.Shape = dialog.ChosenShape;
    }
    for (int slot = 1; slot <= 6; ++slot) {
        settings_.Color(slot) = dialog.SlotColour(slot);
    }
    RefreshBoard();

    // Only a sound whose name changed is reopened; the comparison is exact.
    const std::pair<EffectSlot, const std::string*> sounds[] = {
        {EffectSlot::Bad, &settings_.BadSound},
        {EffectSlot::Good, &settings_.GoodSound},
        {EffectSlot::Explode, &settings_.ExplodeSound},
        {EffectSlot::Row, &settings_.RowSound}};
    for (int row = 0; row < 4; ++row) {
        const std::string box = dialog.SoundBox(row);
        if (box != *sounds[row].second) {
            sounds_->SetEffectFile(sounds[row].first, box);
        }
    }

    settings_.CycleMusic = dialog.CycleMusicChosen();
    if (settings_.CycleMusic && dialog.FolderBox() != settings_.MusicPath) {
        changed = true;
        settings_.MusicPath = MusicFolderOf(dialog.FolderBox());
    } else if (!settings_.CycleMusic && dialog.SingleSongBox() != settings_.MusicPath) {
        changed = true;
        settings_.MusicPath = dialog.SingleSongBox();
    }
    settings_.PlayBad = !dialog.SoundMuted(0);
    settings_.PlayGood = !dialog.SoundMuted(1);
    settings_.PlayExplode = !dialog.SoundMuted(2);
    settings_.PlayClick = !dialog.SoundMuted(3);
    if (dialog.MusicMuted() == settings_.PlayMusic) {
        changed = true;
    }
    settings_.PlayMusic = !dialog.MusicMuted();
    if (changed && settings_.PlayMusic && !settings_.MusicPath.empty()) {
        sounds_->StartMusic();
    }
    if (!settings_.PlayMusic || settings_.MusicPath.empty()) {
        sounds_->StopMusic();
    }

    // The running board keeps its size; the next start uses the new one.
    const int size = dialog.BoardSize();
    if (size != game_->NumRows()) {
        ShowMessage("Notice!",
                    "Board size change will take effect the next time the program is started");
        if (!save) {
            ShowMessage("Notice!", "Remember to save options to change the board size!");
        }
        settings_.NumRowsSetting = size;
    }
    settings_.Transparent = dialog.TransparentBox();
    background_.SetTransparent(settings_.Transparent);
    settings_.RandomMode = dialog.RandomBox();
    settings_.PauseMusic = dialog.PauseMusicBox();
}

}  // namespace zorvane
