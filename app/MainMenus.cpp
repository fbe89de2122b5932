// The main menu, the board's context menu and the commands behind them.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/MainUnit1.h"
#include "app/MessageWords.h"
#include "dialogs/Scores1.h"
#include "persistence/OptionsFile.h"

namespace zorvane {

void TMainBoard::BuildMenus() {
    auto item = [this](QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                       auto handler) {
        QAction* action = menu->addAction(caption);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* game = menuBar()->addMenu(tr("&Game"));
    item(game, tr("&New Game"), QKeySequence("Ctrl+N"), [this] { NewSubMenuClick(); });
    game->addSeparator();
    item(game, tr("&Undo"), QKeySequence("Ctrl+Z"), [this] { UndoSubMenuClick(); });
    game->addSeparator();
    item(game, tr("&Save Game"), QKeySequence("Ctrl+S"), [this] { SaveSubMenuClick(); });
    item(game, tr("&Open Game"), QKeySequence("Ctrl+O"), [this] { LoadSubMenuClick(); });
    game->addSeparator();
    item(game, tr("&High Scores"), QKeySequence("Ctrl+H"), [this] { HighSubMenuClick(); });
    game->addSeparator();
    item(game, tr("E&xit"), QKeySequence(), [this] { ExitSubMenuClick(); });

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    QMenu* startRows = options->addMenu(tr("&Start Rows"));
    for (int rows = 1; rows <= 5; ++rows) {
        QAction* action = item(startRows, "&" + QString::number(rows), QKeySequence(),
                               [this, rows] { StartRowsClick(rows); });
        action->setCheckable(true);
        action->setChecked(rows == 3);
        startRowsItems_[rows - 1] = action;
    }
    options->addSeparator();
    item(options, tr("&Pause"), QKeySequence("Ctrl+P"), [this] { BtnPauseClick(); });
    options->addSeparator();
    item(options, tr("&Edit Options"), QKeySequence("Ctrl+E"), [this] { EditSubMenuClick(); });
    item(options, tr("S&ave Options"), QKeySequence(), [this] { SaveOptions1Click(); });
    options->addSeparator();
    fullScreenItem_ = item(options, tr("&Full Screen"), QKeySequence(Qt::Key_F11),
                           [this] { ToggleFullScreen(); });
    fullScreenItem_->setCheckable(true);
    // Escape is the usual way back from full screen, and does nothing else.
    auto* leave = new QAction(this);
    leave->setShortcut(Qt::Key_Escape);
    connect(leave, &QAction::triggered, this, [this] {
        if (isFullScreen()) {
            showNormal();
        }
    });
    addAction(leave);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    item(help, tr("&Zorvane Help"), QKeySequence("F1"), [this] { HelpMenuClick(); });
    item(help, tr("&About"), QKeySequence("Ctrl+A"), [this] { AboutSubMenuClick(); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    item(PopupMenu1, tr("Pause", "context menu"), QKeySequence(), [this] { BtnPauseClick(); });
    PopupMenu1->addSeparator();
    item(PopupMenu1, tr("New Game", "context menu"), QKeySequence(), [this] { NewSubMenuClick(); });
    item(PopupMenu1, tr("Undo", "context menu"), QKeySequence(), [this] { UndoSubMenuClick(); });
    PopupMenu1->addSeparator();
    item(PopupMenu1, tr("Edit Options", "context menu"), QKeySequence(),
         [this] { EditSubMenuClick(); });
    item(PopupMenu1, tr("Help", "context menu"), QKeySequence(), [this] { HelpMenuClick(); });
    connect(Panel1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Panel1->mapToGlobal(at)); });
}

void TMainBoard::NewSubMenuClick() {
    if (!Busy()) {
        game_->NewSubMenuClick();
    }
}

void TMainBoard::UndoSubMenuClick() {
    if (game_) {
        game_->UndoSubMenuClick();
    }
}

void TMainBoard::BtnPauseClick() {
    if (game_) {
        game_->BtnPauseClick();
    }
}

void TMainBoard::RunModalCommand(const std::function<void()>& command) {
    if (Busy()) {
        return;
    }
    game_->StopClockForDialog();
    command();
    game_->ResumeClockAfterDialog();
}

void TMainBoard::SaveSubMenuClick() {
    RunModalCommand([this] {
        const QString path = dialogs_->SaveGameFileName(this, GamesFolder());
        if (!path.isEmpty()) {
            game_->SaveGameTo(path.toStdString());
        }
    });
}

void TMainBoard::LoadSubMenuClick() {
    RunModalCommand([this] {
        if (!dialogs_->Question(this, MessageWords::Confirm(),
                                tr("Are you sure you want to load an old game?") + "\n" +
                                    tr("The game in progress will be ended. Continue?"))) {
            return;
        }
        const QString path = dialogs_->OpenGameFileName(this, GamesFolder());
        if (!path.isEmpty()) {
            game_->LoadGameFrom(path.toStdString());
        }
    });
}

void TMainBoard::HighSubMenuClick() {
    RunModalCommand([this] { dialogs_->RunModal(*FrmScores); });
}

void TMainBoard::ExitSubMenuClick() {
    close();
}

void TMainBoard::SaveOptions1Click() {
    const std::string path = files_.OptionsToWrite();
    if (path.empty()) {
        return;  // no home to keep them in, as the player was told at start
    }
    FileResult result = CreateFolderFor(path);
    if (result.ok) {
        result = SaveOptions(path, settings_);
    }
    if (!result.ok) {
        ReportFileError(path, result);
    }
}

void TMainBoard::StartRowsClick(int rows) {
    settings_.StartRows = rows;
    ShowStartRows(rows);
}

}  // namespace zorvane
