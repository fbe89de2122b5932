// The main window's dialogs, each built with its wiring the first time it is
// needed: building them all before the first frame slowed the start.

#include "app/MainUnit1.h"
#include "dialogs/Name1.h"
#include "dialogs/Scores1.h"
#include "help/About1.h"
#include "options/Options1.h"

namespace zorvane {

TFrmAbout* TMainBoard::MakeAboutWindow() {
    return new TFrmAbout(this);
}

TFrmScores* TMainBoard::MakeScoresWindow() {
    auto* scores = new TFrmScores(scores_, this);
    scores->SaveTable = [this] {
        if (game_) {
            game_->SaveHighScores();
        }
    };
    return scores;
}

TFrmName* TMainBoard::MakeNameWindow() {
    return new TFrmName(this);
}

TFrmOptions* TMainBoard::MakeOptionsWindow() {
    auto* options = new TFrmOptions(background_, programFolder_, *dialogs_, this);
    options->ShowMessage = [this](const QString& caption, const QString& text) {
        ShowMessage(caption.toStdString(), text.toStdString());
    };
    options->Opener = [this](const QUrl& url) { OpenLink(url); };
    // A song the music player opened before the dialog existed.
    if (!songOpened_.empty()) {
        options->ShowSongOpened(songOpened_);
    }
    return options;
}

}  // namespace zorvane
