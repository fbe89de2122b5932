#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "dialogs/Name1.h"

namespace zorvane {
namespace {

// Runs the dialog as the game does, with `act` playing the player once the
// dialog is up; the name is what the box holds afterwards.
QString AskWith(TFrmName& dialog, std::function<void(QLineEdit*)> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        act(dialog.findChild<QLineEdit*>("EdtName"));
        if (dialog.isVisible()) {
            ADD_FAILURE() << "the dialog is still open";
            dialog.reject();
        }
    });
    dialog.exec();
    return dialog.Name();
}

TEST(NameDialogTest, FrameAndControls) {
    TFrmName dialog;
    auto* edit = dialog.findChild<QLineEdit*>("EdtName");
    auto* ok = dialog.findChild<QPushButton*>("BtnOK");
    auto* prompt = dialog.findChild<QLabel*>();
    ASSERT_TRUE(edit && ok && prompt);
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), "Enter Name");
    EXPECT_EQ(dialog.size(), QSize(290, 95));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.font().family(), "Arial");
    EXPECT_EQ(dialog.font().pixelSize(), 13);

    EXPECT_EQ(prompt->text(), "You got a high score! Please enter your name:");
    EXPECT_EQ(edit->width(), 273);
    EXPECT_GE(edit->y(), prompt->geometry().bottom());
    EXPECT_GE(ok->y(), edit->geometry().bottom());
    EXPECT_LE(ok->geometry().bottom(), 94);
    EXPECT_LE(std::abs(ok->geometry().center().x() - 145), 1);
    EXPECT_TRUE(ok->isDefault());
}

TEST(NameDialogTest, KeepsTheLastNameHoweverClosed) {
    TFrmName dialog;
    EXPECT_EQ(AskWith(dialog,
                      [](QLineEdit* edit) {
                          EXPECT_EQ(edit->text(), "");
                          QTest::keyClicks(edit, "Ann | Bob");
                          QTest::keyClick(edit, Qt::Key_Escape);
                      }),
              "Ann | Bob");

    // Second high score: the old name is offered, selected, and the close box
    // takes it as it is.
    EXPECT_EQ(AskWith(dialog,
                      [&dialog](QLineEdit* edit) {
                          EXPECT_EQ(edit->text(), "Ann | Bob");
                          EXPECT_EQ(edit->selectedText(), "Ann | Bob");
                          dialog.close();
                      }),
              "Ann | Bob");

    EXPECT_EQ(AskWith(dialog,
                      [](QLineEdit* edit) {
                          QTest::keyClicks(edit, "Cy");
                          QTest::keyClick(edit, Qt::Key_Return);
                      }),
              "Cy");

    EXPECT_EQ(AskWith(dialog,
                      [](QLineEdit* edit) {
                          QTest::keyClick(edit, Qt::Key_Delete);
                          QTest::keyClick(edit, Qt::Key_Escape);
                      }),
              "");
}

TEST(NameDialogTest, NoLineBreakReachesTheName) {
    TFrmName dialog;
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>("EdtName");
    ASSERT_NE(edit, nullptr);
    edit->insert("Ann");
    edit->insert("\r\nBob");
    edit->insert(QString("x") + QChar(26));
    EXPECT_EQ(edit->text(), "Ann");
}

}  // namespace
}  // namespace zorvane
