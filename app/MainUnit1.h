#pragma once
// The main window: the board, the preview strip, the status panel, the game
// clock and the menus. It is the engine's host, and it brings the windows and
// players in line with the settings.

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

#include "app/DialogService.h"
#include "app/OnFirstUse.h"
#include "app/ShownPanels.h"
#include "audio/MediaPlayer.h"
#include "audio/Sounds.h"
#include "components/DXTimer.h"
#include "components/PaintPanel.h"
#include "engine/Game.h"
#include "help/HelpLinks.h"
#include "persistence/HighScores.h"
#include "persistence/PlayerFiles.h"
#include "persistence/Settings.h"
#include "persistence/WindowState.h"
#include "presentation/Background.h"
#include "presentation/BackgroundLayer.h"
#include "presentation/PictureTables.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;

namespace zorvane {

class BoardGuide;
class ScaledView;
class HelpWindow;
class MessageBatch;
class MoveMotion;
class TFrmAbout;
class TFrmName;
class TFrmOptions;
class TFrmScores;

// Where new settings come from, which decides how they take effect.
enum class SettingsFrom {
    // A line of the options file read at start-up: a sound file is checked
    // now and opened with the others when sound is first needed, a picture
    // that will not load keeps the one before, and the music waits for the
    // whole file.
    OptionsFile,
    // The player, through the options dialog: a sound file is opened at once,
    // the music starts again when its switch or path changed, and a song
    // named as the music folder is cut back to its folder.
    Player,
};

class TMainBoard : public QMainWindow, public GameHost {
    Q_OBJECT
  public:
    // `programFolder` ends with "/"; Options.txt and Scores.txt are read and
    // written where PlayerFiles puts them for that folder. Creating the
    // window does no sound work: the players are made and opened once the
    // game clock first runs or music starts.
    TMainBoard(std::unique_ptr<DialogService> dialogs, std::unique_ptr<MediaService> media,
               std::string programFolder);
    ~TMainBoard() override;

    // Runs the start-up once, on the first activation (or the first showing,
    // where a window system never activates the window).
    void FormActivate();
    // Sizes the window for 12 or 16 rows; nothing for any other value.
    void StretchBoard(int rows);
    // A saved game to open at start, before the start-up runs; the game left
    // at the last close then waits for a later start. Empty for none.
    void OpenAtStart(std::string file) { fileToOpen_ = std::move(file); }

    // The commands of the menus, the context menu and the pause button.
    void NewSubMenuClick();
    void UndoSubMenuClick();
    void SaveSubMenuClick();
    void LoadSubMenuClick();
    void HighSubMenuClick();
    void ExitSubMenuClick();
    void BtnPauseClick();
    void SaveOptions1Click();
    void StartRowsClick(int rows);  // the Start Rows items "&1" .. "&5"
    void EditSubMenuClick();
    void HelpMenuClick();
    void AboutSubMenuClick();
    void Image1Click();
    // Where pages and web addresses go; the desktop's browser unless a test
    // says otherwise. When it cannot take them, a page shows in the help
    // window and a web address in a message the player can copy it from.
    void SetUrlOpener(UrlOpener opener);
    void OpenLink(const QUrl& url);
    void RefreshBoard();
    // Repaints every panel, also those whose cells did not change.
    void RepaintAll();
    // Makes `now` the game's settings and brings the windows and players from
    // the settings before to these: pictures, board colour, buffering, Start
    // Rows check marks, sound files, music, background picture and its
    // transparency. A background picture that will not load is reported and
    // the setting keeps the picture it had.
    void ApplySettings(Settings now, SettingsFrom from);

    // What the tests and the painting read.
    Game* CurrentGame() { return game_ ? &*game_ : nullptr; }
    Settings& GameSettings() { return settings_; }
    RandomSource& GameRandom() { return random_; }
    HighScoreTable& Scores() { return scores_; }
    TDXTimer& Clock() { return DXTimer1; }
    TPaintPanel* BoardPanel() const { return Panel1; }
    BoardGuide& Guide() const { return *guide_; }
    MoveMotion& Motion() const { return *motion_; }
    // Builds the window if it is not there yet.
    TFrmOptions& OptionsWindow() { return *FrmOptions; }
    BackgroundPicture& Background() { return background_; }

    // GameHost.
    void SetClockEnabled(bool enabled) override;
    bool ClockEnabled() const override;
    void SetClockInterval(int milliseconds) override;
    void ProcessMessages() override;
    void PlayEffect(Effect effect) override;
    void ShowMessage(const std::string& caption, const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    // Worded in the player's language (MessageWords.h).
    void ShowGameMessage(const GameMessage& message) override;
    bool AskGameQuestion(const GameMessage& question) override;
    std::string AskHighScoreName() override;
    void ShowHighScores() override;
    std::string TodayText() override;
    void CloseMainWindow() override;
    void StateChanged() override;
    void GameBegun() override;
    void BadMove(int row, int col) override;

  protected:
    bool event(QEvent* event) override;
    // However the window closes, a game in progress is kept for the next
    // start, and high scores not written yet get their last chance.
    void closeEvent(QCloseEvent* event) override;
    // Keeps the Full Screen item's check mark with the window's state.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    void BuildMenus();
    void InitialLoad();
    // After the start-up: the file named at start, else the game left in
    // progress at the last close, opened as Open Game opens a file (paused).
    // That one is removed once open; one that will not open is reported and
    // set aside, and the fresh game stays.
    void OpenGameAtStart();
    // Writes a game in progress where OpenGameAtStart finds it.
    void KeepGameForNextStart();
    // Reads the options file at start-up over the defaults, line by line, so
    // that every sound or picture it names is tried, and reported, in the
    // file's order; the music starts once the whole file is read.
    void ReadOptionsFile(const std::string& path);
    void Panel1Paint(QPainter& painter);
    // Plays the board cell (row * 10 + col) as a click does, in motion.
    void PlayBoardCell(int tag);
    // Runs a click on `clicked` (or, without one, a clock tick) and shows it
    // in motion when the Animations option is on: the click's plan, or the
    // push. A motion still running ends first.
    void Animated(std::optional<CellPos> clicked, const std::function<void()>& step);
    // The board cell under a point of the board panel, as row * 10 + col.
    std::optional<int> BoardCellAt(QPoint point) const;
    void SizeForRows(int rows);
    // The room the screen's free area leaves for the window, frame excluded.
    QSize RoomOnScreen() const;
    // The window at the size it was left at (shrunk to the screen), else at
    // the design's own size where that fits, else as large as fits.
    void FitWindow();
    // Fitted and centred on its screen.
    void PlaceOnScreen();
    void ToggleFullScreen();
    void ReadWindowState();
    // Keeps the window's size and full-screen state for the next start.
    void RememberWindow();
    // The logo at the view's factor, and everything drawn again after the
    // factor changed.
    void ShowLogo();
    void FactorChanged();
    void ReportFileError(const std::string& path, const FileResult& result);
    // A page or address the desktop could not open: a page in the help
    // window, an address in a message to copy it from.
    void ShowLinkHere(const QUrl& url);
    // Where the saved-game choosers start, made when missing.
    QString GamesFolder();
    // Starts the music when `changed` (its switch or path) and it is on with
    // a path; stops it when it is off or has no path.
    void StartOrStopMusic(bool changed);
    // The Start Rows check marks follow (none checked outside 1..5).
    void ShowStartRows(int startRows);
    // Menu commands wait while a move or tick lets pending events run.
    bool Busy() const;
    // A command that opens a modal window: the clock stops while it runs and
    // starts again afterwards unless the game is paused.
    void RunModalCommand(const std::function<void()>& command);
    // Build the dialogs with their wiring, each once, when first needed.
    TFrmAbout* MakeAboutWindow();
    TFrmScores* MakeScoresWindow();
    TFrmName* MakeNameWindow();
    TFrmOptions* MakeOptionsWindow();

    std::unique_ptr<DialogService> dialogs_;
    std::unique_ptr<MediaService> media_;
    std::string programFolder_;
    PlayerFiles files_;
    std::string fileToOpen_;
    Settings settings_;
    RandomSource random_;
    std::unique_ptr<Sounds> sounds_;
    HighScoreTable scores_;
    std::optional<Game> game_;
    PictureTables pictures_;
    BackgroundPicture background_;
    BackgroundLayer backgroundLayer_;
    TDXTimer DXTimer1;
    bool startUpDone_ = false;
    // Set once the window has been centred with its frame known.
    bool placedInFrame_ = false;
    // While set, messages are gathered here instead of shown.
    MessageBatch* batch_ = nullptr;
    // The board cell (row * 10 + col) the left button went down on; a move
    // is made when it comes up on the same cell, as a button's click.
    std::optional<int> pressedCell_;

    ScaledView* view_ = nullptr;
    QAction* fullScreenItem_ = nullptr;
    // The window's size and state when it last closed.
    std::optional<WindowState> remembered_;
    TPaintPanel* Panel1 = nullptr;
    BoardGuide* guide_ = nullptr;
    MoveMotion* motion_ = nullptr;
    ShownPanels shown_;
    // Counts the messages and windows shown to the player: a move that
    // stopped for one has already been seen in its final state.
    int dialogsShown_ = 0;
    TPaintPanel* Panel3 = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* Image1 = nullptr;
    TPaintPanel* Panel5 = nullptr;
    QLabel* LevelLabel = nullptr;
    QLabel* Bonus = nullptr;
    QPushButton* BtnPause = nullptr;
    QLabel* LblRows = nullptr;
    QProgressBar* PBRows = nullptr;
    QLabel* LblRowsDone = nullptr;
    QMenu* PopupMenu1 = nullptr;
    std::array<QAction*, 5> startRowsItems_{};
    // None of the dialogs is needed for the first frame: each is built, as
    // a child of this window, when it is first used.
    OnFirstUse<TFrmScores> FrmScores{[this] { return MakeScoresWindow(); }};
    OnFirstUse<TFrmName> FrmName{[this] { return MakeNameWindow(); }};
    OnFirstUse<TFrmOptions> FrmOptions{[this] { return MakeOptionsWindow(); }};
    OnFirstUse<TFrmAbout> FrmAbout{[this] { return MakeAboutWindow(); }};
    // The song the music player opened last: an options dialog built later
    // shows it too.
    std::string songOpened_;
    HelpWindow* helpWindow_ = nullptr;
    UrlOpener opener_;
};

}  // namespace zorvane
