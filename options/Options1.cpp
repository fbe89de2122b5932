// The options dialog: filling it from the settings, reading them back, and
// the controls that act before it closes.

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
#include <algorithm>

#include "components/PaintPanel.h"
#include "components/ReasonWords.h"
#include "help/HelpLanguage.h"
#include "help/WebLinks.h"
#include "options/Choosers.h"
#include "options/PathText.h"
#include "presentation/ColorValues.h"
#include "presentation/PictureTables.h"

namespace zorvane {

TFrmOptions::TFrmOptions(BackgroundPicture& picture, std::string programFolder,
                         OptionsChoosers& choosers, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      picture_(picture),
      programFolder_(std::move(programFolder)),
      choosers_(choosers) {
    setWindowTitle(tr("Edit Options"));
    QFont font("Arial");
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(498, 375);

    PageControl = new QTabWidget(this);
    PageControl->setGeometry(6, 6, 404, 363);
    PageControl->addTab(BuildGamePage(), tr("Game"));
    PageControl->addTab(BuildPiecesPage(), tr("Pieces"));
    PageControl->addTab(BuildBackgroundPage(), tr("Background"));
    PageControl->addTab(BuildSoundsPage(), tr("Sounds"));
    PageControl->addTab(BuildMusicPage(), tr("Music"));
    connect(PageControl, &QTabWidget::currentChanged, this,
            [this](int index) { PageControlChange(index); });

    BtnOkay = new QPushButton(tr("OK"), this);
    BtnOkay->setGeometry(416, 30, 76, 26);
    BtnOkay->setDefault(true);
    connect(BtnOkay, &QPushButton::clicked, this, &QDialog::accept);
    BtnSave = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), tr("Save"), this);
    BtnSave->setGeometry(416, 62, 76, 26);
    connect(BtnSave, &QPushButton::clicked, this, [this] { done(kSaveResult); });
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setGeometry(416, 94, 76, 26);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    // The buttons widen, and the dialog with them, for captions longer in
    // the player's language.
    int buttonWidth = 76;
    for (const QPushButton* button : {BtnOkay, BtnSave, btnCancel}) {
        buttonWidth = std::max(buttonWidth, button->sizeHint().width());
    }
    for (QPushButton* button : {BtnOkay, BtnSave, btnCancel}) {
        button->resize(buttonWidth, button->height());
    }
    setFixedSize(416 + buttonWidth + 6, 375);
}

void TFrmOptions::Edit(const Settings& settings, int runningRows) {
    working_ = settings;
    runningRows_ = runningRows;
    FormShow();
}

Settings TFrmOptions::Result() const {
    Settings result = working_;
    result.StartRows = SEStartRows->value();
    result.NumRowsSetting = RB16Rows->isChecked() ? 16 : RB12Rows->isChecked() ? 12 : 9;
    for (int slot = 1; slot <= 6; ++slot) {
        result.Color(slot) = CBColors[slot - 1]->currentIndex() + 1;
    }
    for (const EffectSlot slot : kEffectSlots) {
        const auto row = static_cast<std::size_t>(slot);
        result.EffectFile(slot) = PathText(*SoundBoxes[row]);
        result.EffectOn(slot) = !MuteBoxes[row]->isChecked();
    }
    result.CycleMusic = CBMusicType->currentIndex() == 1;
    result.MusicPath = PathText(*(result.CycleMusic ? EdBackground : EdSingleSong));
    result.PlayMusic = !CBMuteBackground->isChecked();
    for (const auto& [box, flag] : SwitchBoxes()) {
        result.*flag = box->isChecked();
    }
    return result;
}

std::array<std::pair<QCheckBox*, bool Settings::*>, 7> TFrmOptions::SwitchBoxes() const {
    return {{{CBRandom, &Settings::RandomMode},
             {CBBuffered, &Settings::Buffered},
             {CBAnimations, &Settings::Animations},
             {CBSymbols, &Settings::Symbols},
             {CBUseGraphic, &Settings::UseGraphicsBack},
             {CBTransparent, &Settings::Transparent},
             {CBPauseMusic, &Settings::PauseMusic}}};
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
    optionsReady_ = false;
    PageControl->setCurrentIndex(optionsPage_);
    QPalette sample = PnlSample->palette();
    sample.setColor(QPalette::Window, ToQColor(working_.BoardColor));
    PnlSample->setPalette(sample);
    SEStartRows->setValue(working_.StartRows);
    if (runningRows_ == 9) {
        RB9Rows->setChecked(true);
    } else if (runningRows_ == 12) {
        RB12Rows->setChecked(true);
    } else if (runningRows_ == 16) {
        RB16Rows->setChecked(true);
    }
    // The button of the shape the board shows: a letter with no pictures
    // shows the board's fallback, and stays the setting until a shape is picked.
    const int shape = QString("ABCD").indexOf(PieceName(working_, 1).front());
    if (shape >= 0) {
        ShapeButtons[shape]->setChecked(true);
    }
    // The mode list always opens on "Tiled", and the board follows it.
    CBStretchTile->setCurrentIndex(kTiled);
    working_.GraphicsType = kTiled;
    for (int slot = 1; slot <= 6; ++slot) {
        CBColors[slot - 1]->setCurrentIndex(working_.Color(slot) - 1);
    }
    ReloadPiecePictures();

    for (const EffectSlot slot : kEffectSlots) {
        const auto row = static_cast<std::size_t>(slot);
        SetPathText(*SoundBoxes[row], working_.EffectFile(slot));
        MuteBoxes[row]->setChecked(!working_.EffectOn(slot));
    }
    CBMuteBackground->setChecked(!working_.PlayMusic);
    bool allMuted = CBMuteBackground->isChecked();
    for (QCheckBox* box : MuteBoxes) {
        allMuted = allMuted && box->isChecked();
    }
    if (allMuted) {
        Check(CBMuteAll, true);
    }

    for (const auto& [box, flag] : SwitchBoxes()) {
        Check(box, working_.*flag);
    }
    EnableGraphicControls();

    CBMusicType->setCurrentIndex(working_.CycleMusic ? 1 : 0);
    SetPathText(*(working_.CycleMusic ? EdBackground : EdSingleSong), working_.MusicPath);
    CBMusicTypeChange();

    optionsReady_ = true;
}

void TFrmOptions::ShowSongOpened(const std::string& song) {
    SetPathText(*EdSingleSong, song);
}

void TFrmOptions::ReloadPiecePictures() {
    // The pictures the board would show for these choices.
    const qreal dpr = devicePixelRatioF();
    for (int slot = 1; slot <= 6; ++slot) {
        ColorPreviews[slot - 1]->setPixmap(PiecePicture(working_, slot, dpr));
    }
    // Three pieces of slot 4, then one of slot 3 and one of slot 6.
    const int sampleSlots[] = {4, 4, 4, 3, 6};
    for (int i = 0; i < 5; ++i) {
        SamplePieces[i]->setPixmap(PiecePicture(working_, sampleSlots[i], dpr));
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

// The controls that act at once.

void TFrmOptions::PageControlChange(int index) {
    optionsPage_ = index;
}

void TFrmOptions::BtnSetBackClick() {
    const std::optional<QColor> colour = choosers_.ChooseColor(this, ToQColor(working_.BoardColor));
    if (!colour) {
        return;
    }
    working_.BoardColor = FromQColor(*colour);
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
        if (other != slot - 1 && working_.Color(other + 1) == colour) {
            // Two slots never share a colour: the list silently goes back.
            list->setCurrentIndex(working_.Color(slot) - 1);
            return;
        }
    }
    working_.Color(slot) = colour;
    ReloadPiecePictures();
}

void TFrmOptions::RBCircleClick(int tag) {
    if (!optionsReady_ || tag < 1 || tag > 4) {
        return;
    }
    working_.Shape = std::string(1, "ABCD"[tag - 1]);
    ReloadPiecePictures();
}

void TFrmOptions::CBSymbolsClick() {
    working_.Symbols = CBSymbols->isChecked();
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
            ShowMessage(tr("Error"), tr("Program does not current support JPEGs"));
        }
        return;
    }
    QString error;
    if (!picture_.Load(file, error)) {
        if (ShowMessage) {
            ShowMessage(tr("Error"),
                        ReasonWords::Named(file, ReasonWords::Reason(error.toStdString())));
        }
        return;
    }
    working_.GraphicsBack = TextToPath(file);
    working_.GraphicsBackSet = true;
    ImgSample->update();
}

void TFrmOptions::CBStretchTileChange() {
    // Kept whatever button closes the dialog, like the picture itself.
    working_.GraphicsType = CBStretchTile->currentIndex();
    ImgSample->update();
}

void TFrmOptions::CBTransparentClick() {
    picture_.SetTransparent(CBTransparent->isChecked());
    ImgSample->update();
}

void TFrmOptions::ImgSamplePaint(QPainter& painter) {
    PaintBackground(painter, ImgSample->size(), ToQColor(working_.BoardColor), picture_,
                    CBUseGraphic->isChecked(), CBStretchTile->currentIndex());
}

void TFrmOptions::LBLHelpRandomClick() {
    if (Opener) {
        Opener(HelpPageUrlInDesktopLanguage(programFolder_, kRandomModePage));
    }
}

void TFrmOptions::LblMusicClick(int number) {
    if (Opener) {
        Opener(MusicDownloadUrl(number));
    }
}

}  // namespace zorvane
