// Settings taking effect: the options file at start-up and the player's
// choices from the options dialog both go through ApplySettings.

#include <QAction>

#include "app/MainUnit1.h"
#include "app/MessageBatch.h"
#include "app/MessageWords.h"
#include "app/MoveMotion.h"
#include "components/ReasonWords.h"
#include "persistence/Elide.h"
#include "persistence/OptionsFile.h"
#include "persistence/SettingsTable.h"
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

bool SameBoardLook(const Settings& a, const Settings& b) {
    if (a.Shape != b.Shape || a.BoardColor != b.BoardColor || a.Symbols != b.Symbols) {
        return false;
    }
    for (int slot = 1; slot <= 6; ++slot) {
        if (a.Color(slot) != b.Color(slot)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void TMainBoard::ReadOptionsFile(const std::string& path) {
    std::vector<std::string> lines;
    const FileResult options = ReadTextFileIfPresent(path, lines);
    if (!options.ok) {
        ReportFileError(path, options);
        return;
    }
    const Settings before = settings_;
    // What the file cannot use (a sound, picture or song that will not open)
    // comes as one message for the whole file.
    MessageBatch problems;
    batch_ = &problems;
    for (const std::string& line : lines) {
        Settings next = settings_;
        const SettingRow* row = ReadOptionsLine(line, next);
        // A sound line naming the file in force names it again: the file is
        // checked again, as when it was first named.
        for (const EffectSlot slot : kEffectSlots) {
            std::string& file = next.EffectFile(slot);
            if (row && row->text && &(next.*row->text) == &file &&
                file == settings_.EffectFile(slot)) {
                sounds_->NameEffectFile(slot, file);
            }
        }
        ApplySettings(std::move(next), SettingsFrom::OptionsFile);
    }
    StartOrStopMusic(settings_.PlayMusic != before.PlayMusic ||
                     settings_.MusicPath != before.MusicPath);
    batch_ = nullptr;
    if (problems.Count() > 0) {
        ShowMessage(problems.Caption(), problems.Text(path));
    }
}

void TMainBoard::ApplySettings(Settings now, SettingsFrom from) {
    const Settings old = settings_;
    const bool player = from == SettingsFrom::Player;

    // A picture named in the file is loaded here; the dialog loads its own.
    if (!player && now.GraphicsBackSet &&
        (!old.GraphicsBackSet || now.GraphicsBack != old.GraphicsBack)) {
        QString error;
        if (!background_.Load(QString::fromStdString(now.GraphicsBack), error)) {
            ShowMessage(MessageWords::Error().toStdString(),
                        ReasonWords::Named(QString::fromStdString(ElideMiddle(now.GraphicsBack)),
                                           ReasonWords::Reason(error.toStdString()))
                            .toStdString());
            now.GraphicsBack = old.GraphicsBack;
            now.GraphicsBackSet = old.GraphicsBackSet;
        }
    }

    // The music starts again when its path or its switch changed; the
    // comparison is with the path as the player typed it.
    const bool musicChanged = now.MusicPath != old.MusicPath || now.PlayMusic != old.PlayMusic;
    if (player && now.CycleMusic && now.MusicPath != old.MusicPath) {
        now.MusicPath = MusicFolderOf(now.MusicPath);
    }

    // The sound files are stored as their players take them, one by one.
    settings_ = now;
    for (const EffectSlot slot : kEffectSlots) {
        settings_.EffectFile(slot) = old.EffectFile(slot);
    }

    if (now.Buffered != old.Buffered) {
        Panel1->SetBuffered(now.Buffered);
    }
    if (now.StartRows != old.StartRows) {
        ShowStartRows(now.StartRows);
    }
    if (old.Animations && !now.Animations) {
        motion_->Finish();
    }
    // Before the game starts, the pictures are loaded afresh anyway.
    if (game_ && !SameBoardLook(old, now)) {
        RefreshBoard();
    }

    // Only a sound whose name changed is reopened; the comparison is exact.
    for (const EffectSlot slot : kEffectSlots) {
        if (now.EffectFile(slot) == old.EffectFile(slot)) {
            continue;
        }
        if (player) {
            sounds_->SetEffectFile(slot, now.EffectFile(slot));
        } else {
            sounds_->NameEffectFile(slot, now.EffectFile(slot));
        }
    }
    if (player) {
        StartOrStopMusic(musicChanged);
    }

    if (now.Transparent != old.Transparent) {
        background_.SetTransparent(now.Transparent);
    }
}

void TMainBoard::StartOrStopMusic(bool changed) {
    const bool on = settings_.PlayMusic && !settings_.MusicPath.empty();
    if (changed && on) {
        sounds_->StartMusic();
    }
    if (!on) {
        sounds_->StopMusic();
    }
}

void TMainBoard::ShowStartRows(int startRows) {
    for (int rows = 1; rows <= 5; ++rows) {
        startRowsItems_[rows - 1]->setChecked(rows == startRows);
    }
}

}  // namespace zorvane
