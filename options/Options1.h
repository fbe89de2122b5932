#pragma once
// The options dialog: five pages of settings. It fills itself from the
// settings each time it is shown; the main window applies what it holds when
// it closes with OK or Save. The background picture, its drawing mode and
// its transparency act on the board at once, whatever button closes it.

#include <QDialog>
#include <array>
#include <string>

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

    // `settings` and `picture` (the background picture holder) belong to the
    // main window; `runningRows` is the height of the board in play.
    TFrmOptions(Settings& settings, BackgroundPicture& picture, int runningRows,
                std::string programFolder, OptionsChoosers& choosers, QWidget* parent = nullptr);

    // Working values of the dialog.
    ColorValue ChosenBoardColor = 0;
    std::string ChosenShape = "B";
    std::array<int, 6> ChosenColors{1, 2, 3, 4, 5, 6};
    int OptionsPage = 1;
    bool OptionsReady = false;

    // Opens a page or web address; the main window supplies it.
    std::function<void(const QUrl&)> Opener;
    // Reports a refused or unreadable picture.
    std::function<void(const QString& caption, const QString& text)> ShowMessage;

    void FormShow();
    // The height of the board in play, known once start-up has read it.
    void SetRunningRows(int rows) { runningRows_ = rows; }
    // The song the music player opened last, shown in the single-song box.
    void ShowSongOpened(const std::string& song);

    // What the controls hold, for applying the dialog.
    bool Buffered() const;
    int StartRows() const;
    int BoardSize() const;  // 9, 12 or 16
    int SlotColour(int slot) const;
    std::string SoundBox(int row) const;  // 0 bad, 1 good, 2 explode, 3 row shift
    bool SoundMuted(int row) const;
    bool CycleMusicChosen() const;
    std::string FolderBox() const;
    std::string SingleSongBox() const;
    bool MusicMuted() const;
    bool UseGraphicBox() const;
    bool TransparentBox() const;
    bool RandomBox() const;
    bool PauseMusicBox() const;

    // The controls that act at once.
    void PageControlChange(int index);
    void BtnSetBackClick();
    void CBColor1Change(int slot);
    void RBCircleClick(int tag);
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
    std::array<QRadioButton*, 4> ShapeButtons{};  // RBCircle, RBSquare, RBDiamond, RBStar
    std::array<QComboBox*, 6> CBColors{};         // CBColor1 .. CBColor6
    std::array<QLabel*, 6> ColorPreviews{};
    QPushButton* BtnSetBack = nullptr;
    QWidget* PnlSample = nullptr;
    std::array<QLabel*, 5> SamplePieces{};
    QPushButton* BtnSetGraphic = nullptr;
    QComboBox* CBStretchTile = nullptr;
    QLabel* LblSample = nullptr;
    TPaintPanel* ImgSample = nullptr;
    QCheckBox* CBUseGraphic = nullptr;
    QCheckBox* CBTransparent = nullptr;
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

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildGamePage();
    QWidget* BuildPiecesPage();
    QWidget* BuildBackgroundPage();
    QWidget* BuildSoundsPage();
    QWidget* BuildMusicPage();
    void ReloadPiecePictures();
    void EnableGraphicControls();
    // Sets a check box as a player's click would, raising its click handler.
    void Check(QCheckBox* box, bool checked);

    Settings& settings_;
    BackgroundPicture& picture_;
    int runningRows_;
    std::string programFolder_;
    OptionsChoosers& choosers_;
};

}  // namespace zorvane
