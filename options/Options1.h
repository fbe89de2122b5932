#pragma once
// The options dialog: five pages of settings. Edit() fills it from a copy
// of the settings, Result() hands back the copy as the player left it; the
// main window applies the differences when it closes with OK or Save. The
// background picture and its transparency act at once on the picture holder
// the dialog is given, whatever button closes it.

#include <QDialog>
#include <array>
#include <string>
#include <utility>

#include "help/HelpLinks.h"
#include "persistence/Settings.h"
#include "presentation/Background.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace zorvane {

class OptionsChoosers;
class TPaintPanel;

class TFrmOptions : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kSaveResult = 6;  // "Save": apply, then write the options file

    // `picture` is the main window's background picture holder: a picture
    // the player loads and the Transparent Graphics box act on it at once.
    TFrmOptions(BackgroundPicture& picture, std::string programFolder, OptionsChoosers& choosers,
                QWidget* parent = nullptr);

    // Fills the controls from `settings`; `runningRows` is the height of the
    // board in play, which the size buttons show.
    void Edit(const Settings& settings, int runningRows);
    // The settings as the controls hold them. NumRowsSetting is the size the
    // buttons show; MusicPath is the box of the chosen music type, as typed.
    // Shape stays as given (even a letter with no pictures) until the player
    // picks a shape.
    Settings Result() const;

    // Opens a page or web address; the main window supplies it.
    std::function<void(const QUrl&)> Opener;
    // Reports a refused or unreadable picture.
    std::function<void(const QString& caption, const QString& text)> ShowMessage;

    // The song the music player opened last, shown in the single-song box.
    void ShowSongOpened(const std::string& song);

    // The controls that act at once.
    void PageControlChange(int index);
    void BtnSetBackClick();
    void CBColor1Change(int slot);
    void RBCircleClick(int tag);
    void CBSymbolsClick();
    void CBMuteAllClick();
    void BrowseSound(int row);
    void BtnSingleSongClick();
    void BtnBackgroundClick();
    void CBMusicTypeChange();
    void CBUseGraphicClick();
    void BtnSetGraphicClick();
    void CBStretchTileChange();
    void CBTransparentClick();
    void ImgSamplePaint(QPainter& painter);
    // The link labels: help on random mode, and music download pages 1..4.
    void LBLHelpRandomClick();
    void LblMusicClick(int number);

    // The controls, named as the pages name them.
    QTabWidget* PageControl = nullptr;
    QPushButton* BtnOkay = nullptr;
    QPushButton* BtnSave = nullptr;
    QPushButton* btnCancel = nullptr;
    QSpinBox* SEStartRows = nullptr;
    QRadioButton* RB9Rows = nullptr;
    QRadioButton* RB12Rows = nullptr;
    QRadioButton* RB16Rows = nullptr;
    QCheckBox* CBRandom = nullptr;
    QLabel* LBLHelpRandom = nullptr;
    QCheckBox* CBBuffered = nullptr;
    QCheckBox* CBAnimations = nullptr;            // "Animations"
    std::array<QRadioButton*, 4> ShapeButtons{};  // RBCircle, RBSquare, RBDiamond, RBStar
    std::array<QComboBox*, 6> CBColors{};         // CBColor1 .. CBColor6
    std::array<QLabel*, 6> ColorPreviews{};
    QCheckBox* CBSymbols = nullptr;  // "Show symbols on pieces"
    QPushButton* BtnSetBack = nullptr;
    QWidget* PnlSample = nullptr;
    std::array<QLabel*, 5> SamplePieces{};
    QPushButton* BtnSetGraphic = nullptr;
    QComboBox* CBStretchTile = nullptr;
    QLabel* LblSample = nullptr;
    TPaintPanel* ImgSample = nullptr;
    QCheckBox* CBUseGraphic = nullptr;
    QCheckBox* CBTransparent = nullptr;
    // The sound rows in the order of EffectSlot.
    std::array<QLineEdit*, 4> SoundBoxes{};  // EdBadMove, EdGoodMove, EdExplode, EdClick
    std::array<QCheckBox*, 4> MuteBoxes{};   // CBMuteBad, CBMuteGood, CBMuteExplode, CBMuteClick
    std::array<QPushButton*, 4> BrowseButtons{};
    QCheckBox* CBMuteAll = nullptr;
    QComboBox* CBMusicType = nullptr;
    QLabel* LblSingleSong = nullptr;
    QLineEdit* EdSingleSong = nullptr;
    QPushButton* BtnSingleSong = nullptr;
    QLabel* LblBackground = nullptr;
    QLineEdit* EdBackground = nullptr;
    QPushButton* BtnBackground = nullptr;
    QCheckBox* CBMuteBackground = nullptr;
    QCheckBox* CBPauseMusic = nullptr;
    std::array<QLabel*, 4> LblMusic{};

  private:
    QWidget* BuildGamePage();
    QWidget* BuildPiecesPage();
    QWidget* BuildBackgroundPage();
    QWidget* BuildSoundsPage();
    QWidget* BuildMusicPage();
    void FormShow();
    void ReloadPiecePictures();
    void EnableGraphicControls();
    // Sets a check box as a player's click would, raising its click handler.
    void Check(QCheckBox* box, bool checked);
    // The check boxes that each show one switch of the settings as it is.
    std::array<std::pair<QCheckBox*, bool Settings::*>, 7> SwitchBoxes() const;

    // The settings being edited: the values no control holds (the board
    // colour, the shape, the background picture's name and mode) live here.
    Settings working_;
    int runningRows_ = 9;
    int optionsPage_ = 1;  // the page the dialog opens on: the last one shown
    bool optionsReady_ = false;
    BackgroundPicture& picture_;
    std::string programFolder_;
    OptionsChoosers& choosers_;
};

}  // namespace zorvane
