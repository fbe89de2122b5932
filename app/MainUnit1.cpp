// The main window's life: creation, the start-up on first activation, and
// the engine's host services.

#include "app/MainUnit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <utility>

#include "app/BoardGuide.h"
#include "app/MessageBatch.h"
#include "app/MessageWords.h"
#include "app/MoveMotion.h"
#include "components/LocalDate.h"
#include "components/ReasonWords.h"
#include "components/ScaledView.h"
#include "components/WindowPlacement.h"
#include "dialogs/Name1.h"
#include "dialogs/Scores1.h"
#include "help/About1.h"
#include "help/HelpLanguage.h"
#include "help/HelpWindow.h"
#include "help/WebLinks.h"
#include "options/Options1.h"
#include "persistence/Elide.h"
#include "persistence/PlayerHomes.h"
#include "presentation/BoardPainter.h"
#include "zorvane/Version.h"

namespace zorvane {

namespace {

// A message shows at most this many lines of at most this many characters:
// a path or a line from a file must not make a box that takes a minute to lay
// out or runs off the screen. A line may name two shortened paths with words
// around them.
constexpr std::size_t kMessageLines = 24;
constexpr std::size_t kMessageLineChars = 3 * kShownNameChars;

QString ForDisplay(const std::string& text) {
    // Messages break their lines with a lone carriage return.
    std::string shown;
    std::size_t start = 0;
    for (std::size_t lines = 0;; ++lines) {
        if (lines == kMessageLines) {
            shown += "\n\xE2\x80\xA6";
            break;
        }
        const std::size_t stop = text.find_first_of("\r\n", start);
        if (lines > 0) {
            shown += '\n';
        }
        shown += ElideMiddle(std::string_view(text).substr(start, stop - start), kMessageLineChars);
        if (stop == std::string::npos) {
            break;
        }
        start = stop + 1;
    }
    return QString::fromStdString(shown);
}

}  // namespace

TMainBoard::TMainBoard(std::unique_ptr<DialogService> dialogs, std::unique_ptr<MediaService> media,
                       std::string programFolder)
    : dialogs_(std::move(dialogs)),
      media_(std::move(media)),
      programFolder_(std::move(programFolder)),
      files_(PlayerFilesFor(programFolder_)),
      settings_(DefaultSettings(programFolder_)),
      random_(ClockSeed()),
      sounds_(std::make_unique<Sounds>(*media_, settings_, programFolder_)),
      DXTimer1(this) {
    // The sounds report in English; the reasons of the game's own are worded.
    sounds_->ShowError = [this](const std::string&, const std::string& text) {
        ShowMessage(MessageWords::Error().toStdString(), ReasonWords::Report(text).toStdString());
    };
    // kTitleWithVersion, which the files keep in English.
    setWindowTitle(tr("Zorvane v. %1 b").arg(kVersion));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    QFont font;
    font.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial"});
    font.setPixelSize(11);
    setFont(font);

    // The game clock: 600 ms, ticking only while the program is active.
    DXTimer1.SetActiveOnly(true);
    DXTimer1.SetInterval(600);
    DXTimer1.OnTimer = [this] {
        if (game_) {
            Animated(std::nullopt, [this] { game_->DXTimer1Timer(); });
        }
    };
    DXTimer1.OnActivate = [this] { sounds_->DXTimer1Activate(); };
    DXTimer1.OnDeactivate = [this] { sounds_->DXTimer1Deactivate(); };
    DXTimer1.Loaded();

    BuildLayout();
    ReadWindowState();
    FitWindow();
    // The start-up fitting and centring count the frame, which a window
    // manager adds only after the window is shown: once it is there, fit
    // and centre again.
    OnFrameChange(this, [this](const QMargins& frame) {
        if (!placedInFrame_ && !frame.isNull()) {
            placedInFrame_ = true;
            PlaceOnScreen();
        }
    });
    BuildMenus();
    // The options dialog shows the song opened last; one built later shows
    // it when it is built.
    sounds_->SongOpened = [this](const std::string& song) {
        songOpened_ = song;
        if (TFrmOptions* options = FrmOptions.IfBuilt()) {
            options->ShowSongOpened(song);
        }
    };
    SetUrlOpener(DesktopOpener(this));
}

void TMainBoard::SetUrlOpener(UrlOpener opener) {
    opener_ = std::move(opener);
}

void TMainBoard::OpenLink(const QUrl& url) {
    if (url.isEmpty()) {
        return;
    }
    if (!opener_) {
        ShowLinkHere(url);
        return;
    }
    opener_(url, [this, url] { ShowLinkHere(url); });
}

void TMainBoard::ShowLinkHere(const QUrl& url) {
    if (!url.isLocalFile()) {
        ShowMessage(tr("Web Link").toStdString(),
                    (tr("Zorvane could not open this address in a web browser:") + "\r" +
                     url.toString(QUrl::FullyEncoded) + "\r" +
                     tr("Copy it into your browser to visit the page."))
                        .toStdString());
        return;
    }
    if (!QFileInfo(url.toLocalFile()).isFile()) {
        ShowMessage(
            MessageWords::Error().toStdString(),
            ReasonWords::Named(url.toLocalFile(), tr("the help page is missing")).toStdString());
        return;
    }
    if (!helpWindow_) {
        helpWindow_ = new HelpWindow(this);
        helpWindow_->OpenWebLink = [this](const QUrl& address) { OpenLink(address); };
    }
    helpWindow_->ShowPage(url);
}

void TMainBoard::HelpMenuClick() {
    // The clock stops only while the page is handed to the browser.
    RunModalCommand(
        [this] { OpenLink(HelpPageUrlInDesktopLanguage(programFolder_, kHelpIndexPage)); });
}

void TMainBoard::AboutSubMenuClick() {
    RunModalCommand([this] { dialogs_->RunModal(*FrmAbout); });
}

void TMainBoard::Image1Click() {
    OpenLink(HomePageUrl(programFolder_));
}

TMainBoard::~TMainBoard() {
    DXTimer1.OnTimer = nullptr;
    DXTimer1.OnActivate = nullptr;
    DXTimer1.OnDeactivate = nullptr;
}

bool TMainBoard::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    } else if (event->type() == QEvent::Show && !startUpDone_) {
        PlaceOnScreen();
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
    return handled;
}

void TMainBoard::closeEvent(QCloseEvent* event) {
    KeepGameForNextStart();
    if (game_) {
        game_->SaveHighScoresAtQuit();
    }
    RememberWindow();
    QMainWindow::closeEvent(event);
}

void TMainBoard::FormActivate() {
    if (startUpDone_) {
        return;
    }
    startUpDone_ = true;
    InitialLoad();
    OpenGameAtStart();
    // Left full screen, it comes back full screen.
    if (remembered_ && remembered_->fullScreen) {
        showFullScreen();
    }
}

void TMainBoard::InitialLoad() {
    Panel1->SetBuffered(true);
    DXTimer1.SetEnabled(false);
    random_.Seed(ClockSeed());
    settings_ = DefaultSettings(programFolder_);

    ReadOptionsFile(files_.OptionsToRead());
    pictures_.Load(settings_, devicePixelRatioF() * view_->Factor());

    const std::string scoresPath = files_.ScoresToRead();
    scores_ = HighScoreTable(TodayText());
    // While another copy holds the scores' lock the window goes on painting
    // and the clock ticking; what the player does waits for the save.
    scores_.SetLockWaiting({[](std::chrono::milliseconds pause) {
        QEventLoop loop;
        QTimer::singleShot(pause, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }});
    const FileResult scores = scores_.LoadScores(scoresPath);
    if (!scores.ok) {
        ReportFileError(scoresPath, scores);
    }

    if (files_.Homeless()) {
        ShowMessage(MessageWords::Error().toStdString(),
                    tr("Zorvane cannot find your home folder (HOME is not set and the user "
                       "database names none), so your options and high scores will not be saved.")
                        .toStdString());
    }

    game_.emplace(settings_, *this, random_, scores_);
    game_->SetScoresPath(files_.ScoresToWrite());
    StretchBoard(game_->NumRows());
    game_->StartUp();
    RepaintAll();
}

bool TMainBoard::Busy() const {
    return !game_ || !game_->State().EngineIdle;
}

void TMainBoard::ReportFileError(const std::string& path, const FileResult& result) {
    if (!FileErrorText(path, result).empty()) {
        ShowGameMessage({MessageKind::kFileError, {path, result.reason}});
    }
}

QString TMainBoard::GamesFolder() {
    const std::string folder = files_.GamesFolder();
    const FileResult made = CreateFolderFor(folder);
    if (!made.ok) {
        ShowMessage(MessageWords::Error().toStdString(),
                    ReasonWords::Reason(made.reason).toStdString());
    }
    return QString::fromStdString(folder);
}

// GameHost.

void TMainBoard::SetClockEnabled(bool enabled) {
    DXTimer1.SetEnabled(enabled);
    // The sounds get ready once the clock really runs, before the player's
    // first move: a new game starts and at once stops the clock, and that
    // needs no sound.
    if (enabled && !sounds_->Prepared()) {
        QTimer::singleShot(0, this, [this] {
            if (DXTimer1.Enabled()) {
                sounds_->Prepare();
            }
        });
    }
}
bool TMainBoard::ClockEnabled() const {
    return DXTimer1.Enabled();
}
void TMainBoard::SetClockInterval(int milliseconds) {
    DXTimer1.SetInterval(milliseconds);
}

void TMainBoard::ProcessMessages() {
    StateChanged();
    QApplication::processEvents();
}

void TMainBoard::PlayEffect(Effect effect) {
    sounds_->PlayEffect(effect);
}

void TMainBoard::ShowMessage(const std::string& caption, const std::string& text) {
    if (batch_ != nullptr) {
        batch_->Add(caption, text);
        return;
    }
    ++dialogsShown_;
    StateChanged();
    dialogs_->Message(this, QString::fromStdString(caption), ForDisplay(text));
}

bool TMainBoard::AskYesNo(const std::string& caption, const std::string& text) {
    ++dialogsShown_;
    StateChanged();
    return dialogs_->Question(this, QString::fromStdString(caption), ForDisplay(text));
}

void TMainBoard::ShowGameMessage(const GameMessage& message) {
    ShowMessage(MessageWords::Caption(message.kind).toStdString(),
                MessageWords::Text(message).toStdString());
}

bool TMainBoard::AskGameQuestion(const GameMessage& question) {
    return AskYesNo(MessageWords::Caption(question.kind).toStdString(),
                    MessageWords::Text(question).toStdString());
}

std::string TMainBoard::AskHighScoreName() {
    ++dialogsShown_;
    dialogs_->RunModal(*FrmName);
    return FrmName->Name().toStdString();
}

void TMainBoard::ShowHighScores() {
    ++dialogsShown_;
    dialogs_->RunModal(*FrmScores);
}

std::string TMainBoard::TodayText() {
    return ShortDateToday();
}

void TMainBoard::GameBegun() {
    guide_->Restart();
}

void TMainBoard::BadMove(int row, int col) {
    guide_->FlashBadMove(row, col);
}

void TMainBoard::CloseMainWindow() {
    close();
}

// Painting and clicks.

std::optional<int> TMainBoard::BoardCellAt(QPoint point) const {
    int row = 0;
    int col = 0;
    if (!game_ || !CellAt(Panel1->DesignPoint(point), game_->NumRows(), row, col)) {
        return std::nullopt;
    }
    return row * 10 + col;
}

bool TMainBoard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel1 && event->type() == QEvent::MouseButtonRelease && game_) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const std::optional<int> pressed = std::exchange(pressedCell_, std::nullopt);
            // Released away from the cell it went down on: no move.
            if (pressed && pressed == BoardCellAt(mouse->position().toPoint())) {
                PlayBoardCell(*pressed);
            }
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress && game_) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == Panel1 && mouse->button() == Qt::LeftButton) {
            // The board shows its final state before the player acts on it.
            motion_->Finish();
            pressedCell_ = BoardCellAt(mouse->position().toPoint());
            return true;
        }
        if (watched == Image1 && mouse->button() == Qt::LeftButton) {
            Image1Click();
            return true;
        }
        if (watched == Panel5 && mouse->button() == Qt::LeftButton) {
            // The lowest digit shares the board's click handler; it is no move.
            if (QRect(124, 2, 16, 27).contains(Panel5->DesignPoint(mouse->position()))) {
                game_->Num1Click({false, 99});
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainBoard::RefreshBoard() {
    pictures_.RefreshColours(settings_);
    RepaintAll();
}

void TMainBoard::RepaintAll() {
    shown_.Forget();
    StateChanged();
}

}  // namespace zorvane
