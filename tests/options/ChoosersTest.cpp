#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <ostream>

#include "options/Choosers.h"

// Failures show paths as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace zorvane {
namespace {

// Plays the player on the modal window that opens next; `act` must close it.
template <typename Dialog>
void WhenOpen(std::function<void(Dialog*)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no such dialog is open";
            if (QWidget* other = QApplication::activeModalWidget()) {
                other->close();
            }
            return;
        }
        // A window the test did not expect (a warning box) fails the test
        // instead of hanging it.
        QTimer::singleShot(10000, dialog, [] {
            ADD_FAILURE() << "a window was left open";
            for (int i = 0; i < 5 && QApplication::activeModalWidget(); ++i) {
                QApplication::activeModalWidget()->close();
            }
        });
        act(dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog is still open";
            dialog->reject();
        }
    });
}

QLineEdit* NameEdit(QFileDialog* dialog) {
    return dialog->findChild<QLineEdit*>("fileNameEdit");
}

QPushButton* OpenButton(QFileDialog* dialog) {
    return dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Open);
}

void Type(QFileDialog* dialog, const QString& text) {
    NameEdit(dialog)->clear();
    QTest::keyClicks(NameEdit(dialog), text);
}

// Types `text` and presses the Open button, as a player would.
void TypeAndOpen(QFileDialog* dialog, const QString& text) {
    Type(dialog, text);
    QTest::mouseClick(OpenButton(dialog), Qt::LeftButton);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Answers the question box that the next step opens, keeping its text.
void AnswerQuestion(QMessageBox::StandardButton answer, QString& text) {
    QTimer::singleShot(0, [answer, &text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no question was asked";
            return;
        }
        text = box->text();
        box->button(answer)->click();
    });
}

TEST(ChoosersTest, ColourStartsAtTheBoardColourAndCancelChangesNothing) {
    QtOptionsChoosers choosers;
    WhenOpen<QColorDialog>([](QColorDialog* dialog) {
        EXPECT_EQ(dialog->currentColor(), QColor(0, 64, 128));
        dialog->setCurrentColor(QColor(200, 10, 30));
        dialog->accept();
    });
    EXPECT_EQ(choosers.ChooseColor(nullptr, QColor(0, 64, 128)), QColor(200, 10, 30));

    WhenOpen<QColorDialog>([](QColorDialog* dialog) {
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->reject();
    });
    EXPECT_EQ(choosers.ChooseColor(nullptr, QColor(0, 64, 128)), std::nullopt);
}

TEST(ChoosersTest, SoundChooserTakesOnlyExistingFiles) {
    QTemporaryDir temp;
    const QDir dir(temp.path());
    WriteFile(dir.filePath("boom.wav"), "RIFF");
    WriteFile(dir.filePath("Zap.WAV"), "RIFF");
    QtOptionsChoosers choosers;

    WhenOpen<QFileDialog>([&dir](QFileDialog* dialog) {
        EXPECT_EQ(dialog->directory().absolutePath(), dir.absolutePath());
        TypeAndOpen(dialog, "boom.wav");
    });
    EXPECT_EQ(choosers.ChooseSoundFile(nullptr, dir.path()), dir.absoluteFilePath("boom.wav"));

    // A bare name takes the default suffix, in whichever letter case the file has it.
    WhenOpen<QFileDialog>([](QFileDialog* dialog) { TypeAndOpen(dialog, "Zap"); });
    EXPECT_EQ(choosers.ChooseSoundFile(nullptr, dir.path()), dir.absoluteFilePath("Zap.WAV"));
    WhenOpen<QFileDialog>([](QFileDialog* dialog) { TypeAndOpen(dialog, "boom"); });
    EXPECT_EQ(choosers.ChooseSoundFile(nullptr, dir.path()), dir.absoluteFilePath("boom.wav"));

    // A file that is not there cannot be opened; the player then cancels.
    WhenOpen<QFileDialog>([](QFileDialog* dialog) {
        Type(dialog, "missing.wav");
        EXPECT_FALSE(OpenButton(dialog)->isEnabled());
        QTest::mouseClick(OpenButton(dialog), Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    EXPECT_EQ(choosers.ChooseSoundFile(nullptr, dir.path()), QString());
}

TEST(ChoosersTest, PicturePreviewFollowsTheFileUnderTheCursor) {
    QTemporaryDir temp;
    const QDir dir(temp.path());
    QImage tile(30, 20, QImage::Format_RGB32);
    tile.fill(Qt::darkCyan);
    ASSERT_TRUE(tile.save(dir.filePath("tile.bmp"), "BMP"));
    QImage wide(800, 400, QImage::Format_RGB32);
    wide.fill(Qt::darkBlue);
    ASSERT_TRUE(wide.save(dir.filePath("wide.bmp"), "BMP"));
    WriteFile(dir.filePath("notes.bmp"), "no picture here");
    ASSERT_TRUE(dir.mkdir("folder.bmp"));
    QtOptionsChoosers choosers;

    WhenOpen<QFileDialog>([](QFileDialog* dialog) {
        auto* picture = dialog->findChild<QLabel*>("PicturePreview");
        auto* size = dialog->findChild<QLabel*>("PictureSize");
        ASSERT_TRUE(picture && size);
        // Moves the list's cursor to `name`, as a click would, once the
        // dialog has read it (the file system is read in the background).
        auto* list = dialog->findChild<QListView*>("listView");
        auto* files = dialog->findChild<QFileSystemModel*>();
        ASSERT_TRUE(list && files && list->model() == files);
        const auto shows = [&](const QString& name, const QString& text) {
            return QTest::qWaitFor([&] {
                const QModelIndex index = files->index(dialog->directory().filePath(name));
                list->setCurrentIndex(index);
                return list->currentIndex() == index && index.isValid() && size->text() == text;
            });
        };
        EXPECT_TRUE(shows("tile.bmp", "30 x 20"));
        EXPECT_EQ(picture->pixmap().size(), QSize(30, 20));  // small pictures are not enlarged
        EXPECT_TRUE(shows("wide.bmp", "800 x 400"));
        EXPECT_EQ(picture->pixmap().size(), QSize(200, 100));
        EXPECT_TRUE(shows("notes.bmp", ""));
        EXPECT_TRUE(picture->pixmap().isNull());
        EXPECT_TRUE(shows("wide.bmp", "800 x 400"));
        EXPECT_TRUE(shows("folder.bmp", ""));
        EXPECT_TRUE(picture->pixmap().isNull());
        EXPECT_TRUE(shows("tile.bmp", "30 x 20"));
        QTest::mouseClick(OpenButton(dialog), Qt::LeftButton);
    });
    EXPECT_EQ(choosers.ChoosePicture(nullptr, dir.path()), dir.absoluteFilePath("tile.bmp"));
}

TEST(ChoosersTest, FolderChooserCreatesATypedFolderOnlyWhenTheAnswerIsYes) {
    QTemporaryDir temp;
    const QDir dir(temp.path());
    const QString wanted = dir.absoluteFilePath("Songs/New");
    QtOptionsChoosers choosers;
    QString question;

    // "No" keeps the dialog open and creates nothing.
    WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->directory().absolutePath(), dir.absolutePath());
        AnswerQuestion(QMessageBox::No, question);
        TypeAndOpen(dialog, "Songs/New");
        EXPECT_TRUE(dialog->isVisible());
        dialog->reject();
    });
    // Starts at the nearest folder that exists.
    EXPECT_EQ(choosers.ChooseFolder(nullptr, dir.filePath("gone/deeper/")), QString());
    EXPECT_EQ(question, "The folder \"" + wanted + "\" does not exist. Do you want to create it?");
    EXPECT_FALSE(dir.exists("Songs"));

    question.clear();
    WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
        AnswerQuestion(QMessageBox::Yes, question);
        TypeAndOpen(dialog, "Songs/New");
    });
    EXPECT_EQ(choosers.ChooseFolder(nullptr, dir.path()), wanted);
    EXPECT_FALSE(question.isEmpty());
    EXPECT_TRUE(QFileInfo(wanted).isDir());
}

TEST(ChoosersTest, EnsureFolderAsksOnlyAboutMissingFolders) {
    QTemporaryDir temp;
    const QDir dir(temp.path());
    WriteFile(dir.filePath("file"), "x");
    QStringList asked;
    const auto answer = [&asked](bool yes) {
        return [&asked, yes](const QString& path) {
            asked << path;
            return yes;
        };
    };

    EXPECT_EQ(EnsureFolder(dir.path(), answer(true)), FolderCheck::kExists);
    EXPECT_EQ(EnsureFolder(dir.filePath("file"), answer(true)), FolderCheck::kNotAFolder);
    EXPECT_TRUE(asked.isEmpty());

    EXPECT_EQ(EnsureFolder(dir.filePath("a/b"), answer(false)), FolderCheck::kDeclined);
    EXPECT_FALSE(dir.exists("a"));
    EXPECT_EQ(EnsureFolder(dir.filePath("a/b"), answer(true)), FolderCheck::kCreated);
    EXPECT_TRUE(QFileInfo(dir.filePath("a/b")).isDir());
    EXPECT_EQ(EnsureFolder(dir.filePath("file/c"), answer(true)), FolderCheck::kNotCreated);
    EXPECT_EQ(asked,
              QStringList({dir.filePath("a/b"), dir.filePath("a/b"), dir.filePath("file/c")}));
}

TEST(ChoosersTest, NearestExistingFolder) {
    QTemporaryDir temp;
    const QDir dir(temp.path());
    WriteFile(dir.filePath("file"), "x");
    EXPECT_EQ(NearestExistingFolder(dir.path() + "/"), dir.absolutePath());
    EXPECT_EQ(NearestExistingFolder(dir.filePath("x/y/z")), dir.absolutePath());
    EXPECT_EQ(NearestExistingFolder(dir.filePath("file")), dir.absolutePath());
    EXPECT_EQ(NearestExistingFolder(""), QDir::currentPath());
}

}  // namespace
}  // namespace zorvane
