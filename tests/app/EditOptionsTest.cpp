// The options command: what OK, Save and Cancel apply, and the controls of
// the dialog that act at once.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "EditOptionsFixture.h"
#include "components/PaintPanel.h"

namespace zorvane::test {
namespace {

TEST_F(EditOptions, OkAppliesTheDialogAndKeepsTheClockState) {
    TMainBoard& b = Start();
    b.BtnPauseClick();  // running
    bool clockDuringDialog = true;
    Edit(QDialog::Accepted, [&](TFrmOptions& d) {
        clockDuringDialog = b.Clock().Enabled();
        d.SEStartRows->setValue(5);
        d.ShapeButtons[3]->click();         // star
        d.CBColors[0]->setCurrentIndex(8);  // pink
        d.CBColor1Change(1);
        d.MuteBoxes[3]->setChecked(true);
        d.CBRandom->setChecked(true);
        d.CBBuffered->setChecked(false);
    });
    const Settings& s = b.GameSettings();
    EXPECT_FALSE(clockDuringDialog);
    EXPECT_TRUE(b.Clock().Enabled());
    EXPECT_EQ(s.StartRows, 5);
    EXPECT_TRUE(StartRowsItem(b, 5)->isChecked());
    EXPECT_FALSE(StartRowsItem(b, 3)->isChecked());
    EXPECT_EQ(s.Shape, "D");
    EXPECT_EQ(s.Color1, 9);
    EXPECT_FALSE(s.PlayClick);
    EXPECT_TRUE(s.PlayBad);
    EXPECT_TRUE(s.RandomMode);
    EXPECT_FALSE(s.Buffered);
    EXPECT_TRUE(Notices().isEmpty());
    // The next showing reflects what was applied.
    Edit(QDialog::Rejected, [](TFrmOptions& d) {
        EXPECT_FALSE(d.CBBuffered->isChecked());
        EXPECT_TRUE(d.ShapeButtons[3]->isChecked());
        EXPECT_EQ(d.CBColors[0]->currentIndex(), 8);
    });
}

TEST_F(EditOptions, BoardSizeNoticesAndSave) {
    TMainBoard& b = Start();
    Edit(QDialog::Accepted, [](TFrmOptions& d) { d.RB12Rows->setChecked(true); });
    EXPECT_EQ(Notices(),
              (QStringList{"message: Notice!: Board size change will take effect the next time "
                           "the program is started",
                           "message: Notice!: Remember to save options to change the board "
                           "size!"}));
    EXPECT_EQ(b.GameSettings().NumRowsSetting, 12);
    EXPECT_EQ(b.GameSettings().NumRows, 9);
    EXPECT_EQ(game().NumRows(), 9);

    // The dialog still shows the running size; choosing it again changes nothing.
    dialogs->log.clear();
    Edit(QDialog::Accepted, [](TFrmOptions& d) { EXPECT_TRUE(d.RB9Rows->isChecked()); });
    EXPECT_TRUE(Notices().isEmpty());
    EXPECT_EQ(b.GameSettings().NumRowsSetting, 12);

    dialogs->log.clear();
    Edit(TFrmOptions::kSaveResult, [](TFrmOptions& d) { d.RB16Rows->setChecked(true); });
    EXPECT_EQ(Notices().size(), 1);
    EXPECT_NE(OptionsFile().find("NumRows=16\r\n"), std::string::npos);
}

TEST_F(EditOptions, CancelDropsTheBoardColourButKeepsTheBackgroundChoices) {
    TMainBoard& b = Start();
    dialogs->chosenColour = QColor(10, 20, 30);
    Edit(QDialog::Rejected, [](TFrmOptions& d) {
        d.BtnSetBackClick();
        d.CBStretchTile->setCurrentIndex(kCenter);
        d.CBStretchTileChange();
        d.CBUseGraphic->click();
    });
    EXPECT_EQ(b.GameSettings().BoardColor, 0x808080u);
    EXPECT_EQ(b.GameSettings().GraphicsType, kCenter);
    EXPECT_TRUE(b.GameSettings().UseGraphicsBack);
    // Every showing selects "Tiled" again, and the board follows.
    Edit(QDialog::Rejected, [](TFrmOptions& d) { EXPECT_EQ(d.Result().BoardColor, 0x808080u); });
    EXPECT_EQ(b.GameSettings().GraphicsType, kTiled);

    Edit(QDialog::Accepted, [](TFrmOptions& d) { d.BtnSetBackClick(); });
    EXPECT_EQ(b.GameSettings().BoardColor, 0x1E140Au);
}

TEST_F(EditOptions, ColourSlotsNeverShareAColour) {
    Start();
    Edit(QDialog::Accepted, [](TFrmOptions& d) {
        d.CBColors[0]->setCurrentIndex(1);  // blue, held by slot 2
        d.CBColor1Change(1);
        EXPECT_EQ(d.CBColors[0]->currentIndex(), 0);
        EXPECT_EQ(d.Result().Color1, 1);
    });
    EXPECT_EQ(board->GameSettings().Color1, 1);
}

TEST_F(EditOptions, MuteAllAndTheSoundsReopenedOnlyWhenTheirNameChanged) {
    TMainBoard& b = Start();
    media->log.clear();
    Edit(QDialog::Accepted, [](TFrmOptions& d) {
        d.CBMuteAll->click();
        for (QCheckBox* box : d.MuteBoxes) {
            EXPECT_TRUE(box->isChecked());
        }
        EXPECT_TRUE(d.CBMuteBackground->isChecked());
        d.MuteBoxes[0]->setChecked(false);
        d.SoundBoxes[2]->setText("EXPLODE.wav");  // a change of letter case counts
    });
    EXPECT_TRUE(b.GameSettings().PlayBad);
    EXPECT_FALSE(b.GameSettings().PlayGood);
    EXPECT_EQ(b.GameSettings().ExplodeSound, "EXPLODE.wav");
    // Nothing had sounded yet: the change makes the players, on the new name.
    EXPECT_EQ(media->log,
              (std::vector<std::string>{"wump open wump.wav", "subping open subping.wav",
                                        "explode open EXPLODE.wav", "clicker open click.wav"}));
    Edit(QDialog::Rejected, [](TFrmOptions& d) { EXPECT_TRUE(d.CBMuteAll->isChecked()); });
    media->log.clear();
    Edit(QDialog::Accepted, [](TFrmOptions& d) { d.SoundBoxes[2]->setText("explode.wav"); });
    EXPECT_EQ(media->log, (std::vector<std::string>{"explode close", "explode open explode.wav"}));
}

TEST_F(EditOptions, AFolderBoxNamingASongIsCutBackToItsFolder) {
    TMainBoard& b = Start();
    Edit(QDialog::Accepted, [](TFrmOptions& d) {
        EXPECT_EQ(d.CBMusicType->currentIndex(), 1);
        EXPECT_FALSE(d.EdSingleSong->isEnabled());
        d.EdBackground->setText("/songs/Tunes.MID/theme.mid");
    });
    EXPECT_EQ(b.GameSettings().MusicPath, "/songs/Tunes.MID/");
    // Switching the music on with an empty path starts nothing.
    media->log.clear();
    Edit(QDialog::Accepted, [](TFrmOptions& d) {
        d.EdBackground->clear();
        d.CBMuteBackground->setChecked(false);
    });
    EXPECT_TRUE(b.GameSettings().PlayMusic);
    EXPECT_EQ(std::count_if(media->log.begin(), media->log.end(),
                            [](const std::string& l) { return l.rfind("music play", 0) == 0; }),
              0);
}

// File names are bytes; these are Latin-1, which is no UTF-8.
TEST_F(EditOptions, PathsThatAreNoUtf8SurviveOkAndSaveByteForByte) {
    const std::string songs = ProgramFolder() + "M\xfasica/";
    const std::string song = songs + "caf\xe9.mid";
    std::filesystem::create_directories(songs);
    std::ofstream(song) << "x";
    for (const bool cycle : {false, true}) {
        SCOPED_TRACE(cycle ? "folder" : "single song");
        WriteFile("Options.txt",
                  std::string("BadSound=/sounds/caf\xe9.wav\r\nPlayMusic=TRUE\r\nCycleMusic=") +
                      (cycle ? "TRUE\r\nMusicFolder=" + songs : "FALSE\r\nMusicFile=" + song) +
                      "\r\n");
        TMainBoard& b = Start();
        // Cancel applies no names; OK, changing nothing, must write the same file.
        Edit(QDialog::Rejected, [](TFrmOptions&) {});
        b.SaveOptions1Click();
        const std::string before = OptionsFile();
        ASSERT_NE(before.find("BadSound=/sounds/caf\xe9.wav\r\n"), std::string::npos);
        ASSERT_NE(before.find(cycle ? "MusicFolder=" + songs + "\r\n" : "MusicFile=" + song),
                  std::string::npos);
        media->log.clear();
        Edit(QDialog::Accepted, [](TFrmOptions&) {});
        // No name changed, so no sound is reopened and the music plays on.
        EXPECT_EQ(media->log, std::vector<std::string>{});
        b.SaveOptions1Click();
        EXPECT_EQ(OptionsFile(), before);
    }
    // The song the folder is playing becomes the single song, as it was named.
    Edit(TFrmOptions::kSaveResult, [](TFrmOptions& d) { d.CBMusicType->setCurrentIndex(0); });
    EXPECT_EQ(board->GameSettings().MusicPath, song);
    EXPECT_NE(OptionsFile().find("MusicFile=" + song + "\r\n"), std::string::npos);
}

TEST_F(EditOptions, PicturesJpegsAndTheSample) {
    TMainBoard& b = Start();
    QImage tile(100, 100, QImage::Format_RGB32);
    tile.fill(QColor(255, 0, 0));
    tile.setPixelColor(0, 0, QColor(0, 0, 255));
    const QString bmp = QString::fromStdString((folder / "tile.bmp").string());
    ASSERT_TRUE(tile.save(bmp, "BMP"));
    dialogs->files = {"/photos/holiday.jpg", bmp};
    Edit(QDialog::Accepted, [](TFrmOptions& d) {
        d.CBUseGraphic->click();
        d.BtnSetGraphicClick();  // refused
        d.BtnSetGraphicClick();
        const QImage sample = d.ImgSample->grab().toImage();
        EXPECT_EQ(sample.pixelColor(100, 0), QColor(0, 0, 255));  // tiled: the second tile
        EXPECT_EQ(sample.pixelColor(50, 50), QColor(255, 0, 0));
    });
    EXPECT_TRUE(dialogs->log.contains("message: Error: Program does not current support JPEGs"));
    EXPECT_TRUE(dialogs->log.contains("picture chooser in " +
                                      QString::fromStdString(ProgramFolder()) + "Backgrounds"));
    EXPECT_EQ(b.GameSettings().GraphicsBack, bmp.toStdString());
    EXPECT_TRUE(b.Background().IsSet());
    b.SaveOptions1Click();
    EXPECT_NE(OptionsFile().find("GraphicsBack=" + bmp.toStdString() + "\r\n"), std::string::npos);
}

}  // namespace
}  // namespace zorvane::test
