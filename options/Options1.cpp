// The options dialog: filling it on every showing, and the controls that act
// before it closes.

#include "options/Options1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>

#include "components/PaintPanel.h"
#include "help/WebLinks.h"
#include "options/Choosers.h"
#include "options/PathText.h"
#include "presentation/ColorValues.h"
#include "presentation/PictureTables.h"

namespace zorvane {

namespace {

QString PieceName(const std::string& shape, int colour) {
    return QString::fromStdString(shape).left(1) + QString::number(colour);
}

}  // namespace

TFrmOptions::TFrmOptions(Settings& settings, BackgroundPicture& picture, int runningRows,
                         std::string programFolder, OptionsChoosers& choosers, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      settings_(settings),
      picture_(picture),
      runningRows_(runningRows),
      programFolder_(std::move(programFolder)),
      choosers_(choosers) {
    setWindowTitle("Edit Options");
    QFont font("Arial");
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(498, 375);

    PageControl = new QTabWidget(this);
    PageControl->setGeometry(6, 6, 404, 363);
    PageControl->addTab(BuildGamePage(), "Game");
    PageControl->addTab(BuildPiecesPage(), "Pieces");
    PageControl->addTab(BuildBackgroundPage(), "Background");
    PageControl->addTab(BuildSoundsPage(), "Sounds");
    PageControl->addTab(BuildMusicPage(), "Music");
    connect(PageControl, &QTabWidget::currentChanged, this,
            [this](int index) { PageControlChange(index); });

    BtnOkay = new QPushButton("OK", this);
    BtnOkay->setGeometry(416, 30, 76, 26);
    BtnOkay->setDefault(true);
    connect(BtnOkay, &QPushButton::clicked, this, &QDialog::accept);
    BtnSave = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), "Save", this);
    BtnSave->setGeometry(416, 62, 76, 26);
    connect(BtnSave, &QPushButton::clicked, this, [this] { done(kSaveResult); });
    btnCancel = new QPushButton("Cancel", this);
    btnCancel->setGeometry(416, 94, 76, 26);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmOptions::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TFrmOptions::Check(QCheckBox* box, bool checked) {
    if (box->isChecked() == checked) {
        return;
    }
    box->setChecked(checked);
    if (box == CBUseGraphic) {
        CBUseGraphicClick();
    } else if (box == CBTransparent) {
        CBTransparentClick();
    } else if (box == CBMuteAll) {
        CBMuteAllClick();
    }
}

void TFrmOptions::FormShow() {
    OptionsReady = false;
    PageControl->setCurrentIndex(OptionsPage);
    QPalette sample = PnlSample->palette();
    sample.setColor(QPalette::Window, ToQColor(ChosenBoardColor));
    PnlSample->setPalette(sample);
    SEStartRows->setValue(settings_.StartRows);
    if (runningRows_ == 9) {
        RB9Rows->setChecked(true);
    } else if (runningRows_ == 12) {
        RB12Rows->setChecked(true);
    } else if (runningRows_ == 16) {
        RB16Rows->setChecked(true);
    }
    const int shape = std::string("ABCD").find(settings_.Shape.substr(0, 1));
    if (!settings_.Shape.empty() && shape >= 0 && shape < 4) {
        ShapeButtons[shape]->setChecked(true);
    }
    ChosenShape = settings_.Shape;
    // The mode list always opens on "Tiled", and the board follows it.
    CBStretchTile->setCurrentIndex(kTiled);
    settings_.GraphicsType = kTiled;
    for (int slot = 1; slot <= 6; ++slot) {
        CBColors[slot - 1]->setCurrentIndex(settings_.Color(slot) - 1);
        ChosenColors[slot - 1] = settings_.Color(slot);
    }
    ReloadPiecePictures();

    SetPathText(*SoundBoxes[0], settings_.BadSound);
    SetPathText(*SoundBoxes[1], settings_.GoodSound);
    SetPathText(*SoundBoxes[2], settings_.ExplodeSound);
    SetPathText(*SoundBoxes[3], settings_.RowSound);
    MuteBoxes[0]->setChecked(!settings_.PlayBad);
    MuteBoxes[1]->setChecked(!settings_.PlayGood);
    MuteBoxes[2]->setChecked(!settings_.PlayExplode);
    MuteBoxes[3]->setChecked(!settings_.PlayClick);
    CBMuteBackground->setChecked(!settings_.PlayMusic);
    bool allMuted = CBMuteBackground->isChecked();
    for (QCheckBox* box : MuteBoxes) {
        allMuted = allMuted && box->isChecked();
    }
    if (allMuted) {
        Check(CBMuteAll, true);
    }

    Check(CBUseGraphic, settings_.UseGraphicsBack);
    EnableGraphicControls();
    Check(CBTransparent, settings_.Transparent);

    CBMusicType->setCurrentIndex(settings_.CycleMusic ? 1 : 0);
    SetPathText(*(settings_.CycleMusic ? EdBackground : EdSingleSong), settings_.MusicPath);
    CBMusicTypeChange();

    CBRandom->setChecked(settings_.RandomMode);
    CBPauseMusic->setChecked(settings_.PauseMusic);
    CBBuffered->setChecked(settings_.Buffered);
    OptionsReady = true;
}

void TFrmOptions::ShowSongOpened(const std::string& song) {
    SetPathText(*EdSingleSong, song);
}

void TFrmOptions::ReloadPiecePictures() {
    const qreal dpr = devicePixelRatioF();
    for (int slot = 1; slot <= 6; ++slot) {
        ColorPreviews[slot - 1]->setPixmap(
            LoadNamedPicture(PieceName(ChosenShape, SlotColour(slot)), dpr, {40, 40}));
    }
    // Three pieces of slot 4, then one of slot 3 and one of slot 6.
    const int sampleSlots[] = {4, 4, 4, 3, 6};
    for (int i = 0; i < 5; ++i) {
        SamplePieces[i]->setPixmap(
            LoadNamedPicture(PieceName(ChosenShape, SlotColour(sampleSlots[i])), dpr, {40, 40}));
    }
}

void TFrmOptions::EnableGraphicControls() {
    const bool on = CBUseGraphic->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(BtnSetGraphic), static_cast<QWidget*>(CBStretchTile),
          static_cast<QWidget*>(LblSample), static_cast<QWidget*>(ImgSample)}) {
        control->setEnabled(on);
    }
}

// What the controls hold.

bool TFrmOptions::Buffered() const {
    return CBBuffered->isChecked();
}
int TFrmOptions::StartRows() const {
    return SEStartRows->value();
}
int TFrmOptions::BoardSize() const {
    return RB16Rows->isChecked() ? 16 : RB12Rows->isChecked() ? 12 : 9;
}
int TFrmOptions::SlotColour(int slot) const {
    return CBColors[slot - 1]->currentIndex() + 1;
}
std::string TFrmOptions::SoundBox(int row) const {
    return PathText(*SoundBoxes[row]);
}
bool TFrmOptions::SoundMuted(int row) const {
    return MuteBoxes[row]->isChecked();
}
bool TFrmOptions::CycleMusicChosen() const {
    return CBMusicType->currentIndex() == 1;
}
std::string TFrmOptions::FolderBox() const {
    return PathText(*EdBackground);
}
std::string TFrmOptions::SingleSongBox() const {
    return PathText(*EdSingleSong);
}
bool TFrmOptions::MusicMuted() const {
    return CBMuteBackground->isChecked();
}
bool TFrmOptions::UseGraphicBox() const {
    return CBUseGraphic->isChecked();
}
bool TFrmOptions::TransparentBox() const {
    return CBTransparent->isChecked();
}
bool TFrmOptions::RandomBox() const {
    return CBRandom->isChecked();
}
bool TFrmOptions::PauseMusicBox() const {
    return CBPauseMusic->isChecked();
}

// The controls that act at once.

void TFrmOptions::PageControlChange(int index) {
    OptionsPage = index;
}

void TFrmOptions::BtnSetBackClick() {
    const std::optional<QColor> colour = choosers_.ChooseColor(this, ToQColor(ChosenBoardColor));
    if (!colour) {
        return;
    }
    ChosenBoardColor = FromQColor(*colour);
    QPalette sample = PnlSample->palette();
    sample.setColor(QPalette::Window, *colour);
    PnlSample->setPalette(sample);
    ImgSample->SetColor(*colour);
    ImgSample->update();
}

void TFrmOptions::CBColor1Change(int slot) {
    QComboBox* list = CBColors[slot - 1];
    const int colour = list->currentIndex() + 1;
    for (int other = 0; other < 6; ++other) {
        if (other != slot - 1 && ChosenColors[other] == colour) {
            // Two slots never share a colour: the list silently goes back.
            list->setCurrentIndex(ChosenColors[slot - 1] - 1);
            return;
        }
    }
    ChosenColors[slot - 1] = colour;
    ReloadPiecePictures();
}

void TFrmOptions::RBCircleClick(int tag) {
    if (!OptionsReady || tag < 1 || tag > 4) {
        return;
    }
    ChosenShape = std::string(1, "ABCD"[tag - 1]);
    ReloadPiecePictures();
}

void TFrmOptions::CBMuteAllClick() {
    const bool all = CBMuteAll->isChecked();
    for (QCheckBox* box : MuteBoxes) {
        box->setChecked(all);
    }
    CBMuteBackground->setChecked(all);
}

void TFrmOptions::BrowseSound(int row) {
    const QString file = choosers_.ChooseSoundFile(this, PathToText(programFolder_));
    if (!file.isEmpty()) {
        SoundBoxes[row]->setText(file);
    }
}

void TFrmOptions::BtnSingleSongClick() {
    const QString file = choosers_.ChooseSoundFile(this, PathToText(programFolder_));
    if (!file.isEmpty()) {
        EdSingleSong->setText(file);
    }
}

void TFrmOptions::BtnBackgroundClick() {
    const QString start =
        EdBackground->text().isEmpty() ? PathToText(programFolder_) : EdBackground->text();
    const QString folder = choosers_.ChooseFolder(this, start);
    if (!folder.isEmpty()) {
        EdBackground->setText(folder.endsWith('/') ? folder : folder + "/");
    }
}

void TFrmOptions::CBMusicTypeChange() {
    const bool single = CBMusicType->currentIndex() == 0;
    for (QWidget* control :
         {static_cast<QWidget*>(LblSingleSong), static_cast<QWidget*>(EdSingleSong),
          static_cast<QWidget*>(BtnSingleSong)}) {
        control->setEnabled(single);
    }
    for (QWidget* control :
         {static_cast<QWidget*>(LblBackground), static_cast<QWidget*>(EdBackground),
          static_cast<QWidget*>(BtnBackground)}) {
        control->setEnabled(!single);
    }
}

void TFrmOptions::CBUseGraphicClick() {
    EnableGraphicControls();
    ImgSample->update();
}

void TFrmOptions::BtnSetGraphicClick() {
    const QString file = choosers_.ChoosePicture(this, PathToText(programFolder_ + "Backgrounds"));
    if (file.isEmpty()) {
        return;
    }
    if (file.contains("jpg") || file.contains("jpeg")) {
        if (ShowMessage) {
            ShowMessage("Error", "Program does not current support JPEGs");
        }
        return;
    }
    QString error;
    if (!picture_.Load(file, error)) {
        if (ShowMessage) {
            ShowMessage("Error", file + ": " + error);
        }
        return;
    }
    settings_.GraphicsBack = TextToPath(file);
    settings_.GraphicsBackSet = true;
    ImgSample->update();
}

void TFrmOptions::CBStretchTileChange() {
    // The list is the setting: the board draws with it from its next repaint.
    settings_.GraphicsType = CBStretchTile->currentIndex();
    ImgSample->update();
}

void TFrmOptions::CBTransparentClick() {
    picture_.SetTransparent(CBTransparent->isChecked());
    ImgSample->update();
}

void TFrmOptions::ImgSamplePaint(QPainter& painter) {
    PaintBackground(painter, ImgSample->size(), ToQColor(ChosenBoardColor), picture_,
                    CBUseGraphic->isChecked(), CBStretchTile->currentIndex());
}

void TFrmOptions::LBLHelpRandomClick() {
    if (Opener) {
        Opener(HelpPageUrl(programFolder_, kRandomModePage));
    }
}

void TFrmOptions::LblMusicClick(int number) {
    if (Opener) {
        Opener(MusicDownloadUrl(number));
    }
}

}  // namespace zorvane
