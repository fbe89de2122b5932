#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "dialogs/Scores1.h"
#include "tests/persistence/TempFolder.h"

namespace zorvane {
namespace {

struct ScoresWindow {
    HighScoreTable table{"d0"};
    TFrmScores window{table};
    QTreeWidget* list = window.findChild<QTreeWidget*>("LstScores");
    QPushButton* ok = window.findChild<QPushButton*>("BtnOK");
    QPushButton* clear = window.findChild<QPushButton*>("BtnClear");
    int saves = 0;
    std::vector<QString> questions;

    ScoresWindow() {
        window.Today = [] { return std::string("2031-07-04"); };
        window.SaveTable = [this] { ++saves; };
    }
    void Answer(bool yes) {
        window.AskYesNo = [this, yes](const QString& caption, const QString& text) {
            questions.push_back(caption + "/" + text);
            return yes;
        };
    }
    QString Cell(int row, int column) const { return list->topLevelItem(row)->text(column); }
};

void ExpectListShowsTable(const ScoresWindow& w) {
    for (int i = 0; i < HighScoreTable::kRows; ++i) {
        const ScoreRow& row = w.table.Row(i);
        EXPECT_EQ(w.Cell(i, 0).toStdString(), row.Score) << "row " << i;
        EXPECT_EQ(w.Cell(i, 1).toStdString(), row.Date) << "row " << i;
        EXPECT_EQ(w.Cell(i, 2).toStdString(), row.Level) << "row " << i;
        EXPECT_EQ(w.Cell(i, 3).toStdString(), row.Name) << "row " << i;
    }
}

TEST(ScoresWindowTest, FrameListAndButtons) {
    ScoresWindow w;
    ASSERT_TRUE(w.list && w.ok && w.clear);
    w.window.show();

    EXPECT_EQ(w.window.windowTitle(), "High Scores");
    EXPECT_EQ(w.window.size(), QSize(562, 272));
    EXPECT_EQ(w.window.minimumSize(), w.window.maximumSize());
    const Qt::WindowFlags flags = w.window.windowFlags();
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(w.window.font().family(), "Arial");
    EXPECT_EQ(w.window.font().pixelSize(), 13);

    EXPECT_EQ(w.list->geometry(), QRect(0, 0, 562, 233));
    EXPECT_FALSE(w.list->rootIsDecorated());
    ASSERT_EQ(w.list->columnCount(), 4);
    ASSERT_EQ(w.list->topLevelItemCount(), 10);
    const char* headings[] = {"Score", "Date", "Level", "Name"};
    const int widths[] = {100, 100, 50, 308};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(w.list->headerItem()->text(c), headings[c]);
        EXPECT_EQ(w.list->columnWidth(c), widths[c]);
    }
    // The Name column ends inside the list: nothing is scrolled out of sight.
    EXPECT_LE(w.list->header()->sectionViewportPosition(3) + 308, w.list->viewport()->width());

    EXPECT_EQ(w.ok->size(), QSize(75, 25));
    EXPECT_EQ(w.clear->size(), QSize(91, 25));
    EXPECT_EQ(w.clear->text(), "Clear Scores");
    for (const QPushButton* button : {w.ok, w.clear}) {
        EXPECT_GE(button->y(), 233);
        EXPECT_LE(button->geometry().bottom(), 271);
    }
    EXPECT_LT(w.ok->geometry().right(), 281);
    EXPECT_GT(w.clear->x(), 281);
    EXPECT_LE(w.clear->geometry().right(), 561);

    w.ok->click();
    EXPECT_FALSE(w.window.isVisible());
}

TEST(ScoresWindowTest, EveryShowingReadsTheTable) {
    ScoresWindow w;
    ASSERT_TRUE(w.table.InsertScore("Ann | Bob", 7250, 4, "d1"));
    w.window.show();
    ExpectListShowsTable(w);
    EXPECT_EQ(w.Cell(0, 3), "Ann | Bob");
    w.window.hide();

    ASSERT_TRUE(w.table.InsertScore("Cy", 9999, 6, "d2"));
    w.window.show();
    ExpectListShowsTable(w);
    EXPECT_EQ(w.Cell(0, 0), "9999");
    EXPECT_EQ(w.Cell(1, 3), "Ann | Bob");
}

// A double click on a cell, as the player opens the in-place editor.
QLineEdit* DoubleClickCell(ScoresWindow& w, int row, int column) {
    const QModelIndex index = w.list->model()->index(row, column);
    const QPoint centre = w.list->visualRect(index).center();
    QTest::mouseClick(w.list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(w.list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(w.list->viewport(), Qt::LeftButton, {}, centre);
    return qobject_cast<QLineEdit*>(w.list->indexWidget(index));
}

TEST(ScoresWindowTest, OnlyTheScoreIsEditedInPlaceAndGoesToTheTable) {
    ScoresWindow w;
    test::TempFolder folder;
    const std::string path = folder.File("Scores.txt");
    ASSERT_TRUE(w.table.SaveScores(path).ok);
    w.window.show();

    QLineEdit* editor = DoubleClickCell(w, 2, 0);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    // The field separator would split the row when the file is read back.
    QTest::keyClicks(editor, "12|34");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the list commits the edit from its queue
    EXPECT_EQ(w.table.Row(2).Score, "1234");
    EXPECT_EQ(w.Cell(2, 0), "1234");
    EXPECT_EQ(w.table.Lines()[3], "1234|d0|1|No Name");
    EXPECT_EQ(w.saves, 0);
    // The next save reads the file again; the edit is made over it.
    ASSERT_TRUE(w.table.SaveScores(path).ok);
    EXPECT_NE(test::ReadBytes(path).find("\r\n1234|d0|1|No Name\r\n"), std::string::npos);

    for (int column = 1; column < 4; ++column) {
        EXPECT_EQ(DoubleClickCell(w, 2, column), nullptr) << "column " << column;
    }
    EXPECT_EQ(w.table.Row(2).Name, "No Name");
}

TEST(ScoresWindowTest, ClearScoresAsksFirst) {
    ScoresWindow w;
    ASSERT_TRUE(w.table.InsertScore("Ann", 7250, 4, "d1"));
    const std::vector<std::string> before = w.table.Lines();
    w.window.show();

    w.Answer(false);
    w.clear->click();
    ASSERT_EQ(w.questions.size(), 1u);
    EXPECT_EQ(w.questions[0],
              "Confirm/Are you sure you want to clear the high scores table?\n"
              "This action cannot be undone.");
    EXPECT_EQ(w.table.Lines(), before);
    EXPECT_EQ(w.Cell(0, 0), "7250");
    EXPECT_EQ(w.saves, 0);

    w.Answer(true);
    w.clear->click();
    EXPECT_EQ(w.saves, 1);
    for (int i = 0; i < HighScoreTable::kRows; ++i) {
        EXPECT_EQ(w.table.Row(i).Score, std::to_string(5000 - 500 * i));
        EXPECT_EQ(w.table.Row(i).Date, "2031-07-04");
        EXPECT_EQ(w.table.Row(i).Level, "1");
        EXPECT_EQ(w.table.Row(i).Name, "No Name");
    }
    ExpectListShowsTable(w);
}

// A name of any length from the file: the list shows its ends, quickly.
TEST(ScoresWindowTest, LongNamesAreShownCutInTheMiddle) {
    ScoresWindow w;
    ASSERT_TRUE(w.table.InsertScore("Ann" + std::string(500000, 'n') + "the End", 9000, 1, "d1"));
    w.window.show();
    const QString shown = w.Cell(0, 3);
    EXPECT_EQ(shown.size(), 100);
    EXPECT_TRUE(shown.startsWith("Annnn")) << shown.left(10).toStdString();
    EXPECT_TRUE(shown.endsWith("nnthe End")) << shown.right(10).toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_EQ(w.Cell(1, 3), "No Name");
}

// The question box the window brings by default: Escape says No, Enter Yes.
TEST(ScoresWindowTest, DefaultQuestionBox) {
    ScoresWindow w;
    ASSERT_TRUE(w.table.InsertScore("Ann", 7250, 4, "d1"));
    w.window.show();

    auto answerWith = [](Qt::Key key) {
        QTimer::singleShot(0, [key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                ADD_FAILURE() << "no question box";
                return;
            }
            EXPECT_EQ(box->windowTitle(), "Confirm");
            EXPECT_EQ(box->icon(), QMessageBox::Question);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
            EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
            QTest::keyClick(box, key);
            if (box->isVisible()) {
                ADD_FAILURE() << "the key did not close the box";
                box->done(QMessageBox::No);
            }
        });
    };

    answerWith(Qt::Key_Escape);
    w.clear->click();
    EXPECT_EQ(w.table.Row(0).Score, "7250");
    EXPECT_EQ(w.saves, 0);

    answerWith(Qt::Key_Return);
    w.clear->click();
    EXPECT_EQ(w.table.Row(0).Score, "5000");
    EXPECT_EQ(w.saves, 1);
}

}  // namespace
}  // namespace zorvane
