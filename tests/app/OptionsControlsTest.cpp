// The options dialog under the player's clicks and keys: what its controls
// show at once, and what reaches the board after OK.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "EditOptionsFixture.h"
#include "components/PaintPanel.h"
#include "presentation/PictureTables.h"

namespace zorvane::test {
namespace {

using OptionsControls = EditOptions;

enum Page { kGamePage, kPiecesPage, kBackgroundPage, kSoundsPage, kMusicPage };

void ClickTab(TFrmOptions& d, int page) {
    QTabBar* tabs = d.PageControl->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
}

// How many pixels of `colour` the board shows in the bottom-left cell.
int BottomLeftCellPixels(TMainBoard& b, const QColor& colour) {
    const QImage shot = b.BoardPanel()->grab().toImage();
    int count = 0;
    for (int y = shot.height() - 40; y < shot.height(); ++y) {
        for (int x = 0; x < 40; ++x) {
            count += shot.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

TEST_F(OptionsControls, OkRedressesTheBoardInTheChosenColour) {
    TMainBoard& b = Start();
    SetBoard({"6........."});
    const QColor purple(160, 0, 128);  // slot 6's own colour
    const QColor pink(224, 160, 192);
    ASSERT_GT(BottomLeftCellPixels(b, purple), 0);
    Edit(QDialog::Accepted, [](TFrmOptions& d) {
        ClickTab(d, kPiecesPage);
        QTest::keyClick(d.CBColors[5], Qt::Key_End);  // pink, the last of the list
    });
    EXPECT_EQ(b.GameSettings().Color6, 9);
    EXPECT_EQ(BottomLeftCellPixels(b, purple), 0);
    EXPECT_GT(BottomLeftCellPixels(b, pink), 0);
}

TEST_F(OptionsControls, TransparentGraphicsLetsTheBoardColourThroughThePicture) {
    TMainBoard& b = Start();
    // Red with a blue stripe down the left; the bottom-left pixel makes blue
    // the transparent colour.
    QImage tile(100, 100, QImage::Format_RGB32);
    tile.fill(QColor(255, 0, 0));
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 10; ++x) {
            tile.setPixelColor(x, y, QColor(0, 0, 255));
        }
    }
    const QString bmp = QString::fromStdString((folder / "stripe.bmp").string());
    ASSERT_TRUE(tile.save(bmp, "BMP"));
    dialogs->files = {bmp};
    const QColor gray(128, 128, 128);
    Edit(QDialog::Accepted, [&](TFrmOptions& d) {
        ClickTab(d, kBackgroundPage);
        QTest::mouseClick(d.CBUseGraphic, Qt::LeftButton);
        QTest::mouseClick(d.BtnSetGraphic, Qt::LeftButton);
        EXPECT_EQ(d.ImgSample->grab().toImage().pixelColor(5, 50), QColor(0, 0, 255));
        QTest::mouseClick(d.CBTransparent, Qt::LeftButton);
        const QImage sample = d.ImgSample->grab().toImage();
        EXPECT_EQ(sample.pixelColor(5, 50), gray);
        EXPECT_EQ(sample.pixelColor(50, 50), QColor(255, 0, 0));
    });
    EXPECT_TRUE(b.GameSettings().Transparent);
    const QImage shot = b.BoardPanel()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 50), gray);
    EXPECT_EQ(shot.pixelColor(50, 50), QColor(255, 0, 0));
    b.SaveOptions1Click();
    EXPECT_NE(OptionsFile().find("\r\nTransparent=TRUE\r\n"), std::string::npos);
}

TEST_F(OptionsControls, TheDialogOpensOnThePiecesPageThenOnTheLastPageShown) {
    Start();
    Edit(QDialog::Rejected, [](TFrmOptions& d) {
        EXPECT_EQ(d.PageControl->currentIndex(), kPiecesPage);
        ClickTab(d, kMusicPage);
        EXPECT_EQ(d.PageControl->currentIndex(), kMusicPage);
    });
    Edit(QDialog::Rejected,
         [](TFrmOptions& d) { EXPECT_EQ(d.PageControl->currentIndex(), kMusicPage); });
}

TEST_F(OptionsControls, TheMusicTypeEnablesTheControlsOfItsKind) {
    Start();  // a folder of songs by default
    Edit(QDialog::Rejected, [](TFrmOptions& d) {
        ClickTab(d, kMusicPage);
        const QList<QWidget*> single = {d.LblSingleSong, d.EdSingleSong, d.BtnSingleSong};
        const QList<QWidget*> folder = {d.LblBackground, d.EdBackground, d.BtnBackground};
        for (const bool singleSong : {true, false}) {
            QTest::keyClick(d.CBMusicType, singleSong ? Qt::Key_Up : Qt::Key_Down);
            EXPECT_EQ(d.CBMusicType->currentIndex(), singleSong ? 0 : 1);
            for (QWidget* control : single) {
                EXPECT_EQ(control->isEnabled(), singleSong) << singleSong;
            }
            for (QWidget* control : folder) {
                EXPECT_EQ(control->isEnabled(), !singleSong) << singleSong;
            }
        }
    });
}

// The board draws a shape letter that has no pictures as squares; the
// dialog shows the same until the player picks a shape.
TEST_F(OptionsControls, AShapeWithNoPicturesShowsAsTheSquaresTheBoardDraws) {
    WriteFile("Options.txt", "Shape=X\r\n");
    Start();
    Edit(TFrmOptions::kSaveResult, [](TFrmOptions& d) {
        EXPECT_TRUE(d.ShapeButtons[1]->isChecked());
        for (int slot = 1; slot <= 6; ++slot) {
            const QPixmap square =
                LoadNamedPicture("B" + QString::number(slot), d.devicePixelRatioF(), {40, 40});
            EXPECT_EQ(d.ColorPreviews[slot - 1]->pixmap().toImage(), square.toImage()) << slot;
        }
    });
    EXPECT_NE(OptionsFile().find("\r\nShape=X\r\n"), std::string::npos);
}

// The symbols show in the dialog's previews as soon as the box is ticked,
// on the board after OK, and are written to the options file.
TEST_F(OptionsControls, ShowSymbolsMarksThePreviewsAtOnceAndTheBoardAfterOk) {
    TMainBoard& b = Start();
    SetBoard({"2........."});
    const QColor symbolBody(20, 20, 24);
    ASSERT_EQ(BottomLeftCellPixels(b, symbolBody), 0);
    Edit(QDialog::Accepted, [&](TFrmOptions& d) {
        ClickTab(d, kPiecesPage);
        ASSERT_FALSE(d.CBSymbols->isChecked());
        const QImage plain = d.ColorPreviews[1]->pixmap().toImage();
        QTest::mouseClick(d.CBSymbols, Qt::LeftButton, {}, {6, d.CBSymbols->height() / 2});
        const QImage marked = d.ColorPreviews[1]->pixmap().toImage();
        EXPECT_NE(marked, plain);
        // Slot 2 carries the same symbol in any colour.
        QTest::keyClick(d.CBColors[1], Qt::Key_End);
        const QImage pink = d.ColorPreviews[1]->pixmap().toImage();
        EXPECT_EQ(pink.pixelColor(20, 20), symbolBody);
        EXPECT_EQ(marked.pixelColor(20, 20), symbolBody);
    });
    EXPECT_TRUE(b.GameSettings().Symbols);
    EXPECT_GT(BottomLeftCellPixels(b, symbolBody), 30);

    Edit(TFrmOptions::kSaveResult, [](TFrmOptions& d) { EXPECT_TRUE(d.CBSymbols->isChecked()); });
    EXPECT_TRUE(OptionsFile().ends_with("\r\nSymbols=TRUE\r\nAnimations=TRUE\r\n"));
}

}  // namespace
}  // namespace zorvane::test
