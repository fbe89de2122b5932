#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <ostream>
#include <set>

#include "help/About1.h"
#include "resources/Resources.h"
#include "support/Child.h"

// Readable sizes in failure messages.
inline void PrintTo(const QSize& size, std::ostream* out) {
    *out << size.width() << " x " << size.height();
}

namespace zorvane {
namespace {

class AboutBox : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { InitResources(); }

    void ShowAndSettle() {
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        QApplication::processEvents();
    }
    QLabel* Label(const QString& name) const { return test::Child<QLabel>(about, name); }
    QLabel* Credit(int line) const { return Label(QStringLiteral("LblCredit%1").arg(line)); }
    QPushButton* OkButton() const { return test::Child<QPushButton>(about, "BtnOk"); }

    TFrmAbout about;
};

bool HasOpaquePixels(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 255) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(AboutBox, ShowsItsTexts) {
    EXPECT_EQ(about.windowTitle(), "About Zorvane!");
    EXPECT_EQ(about.font().family(), "Arial");
    EXPECT_EQ(about.font().pixelSize(), 13);
    EXPECT_EQ(Label("LblTitle")->text(), "Zorvane!");
    EXPECT_EQ(Label("LblVersion")->text(), "Version 1.0 b");
    for (const QLabel* label : {Label("LblTitle"), Label("LblVersion")}) {
        EXPECT_EQ(label->font().family(), "Arial");
        EXPECT_EQ(label->font().pixelSize(), 16);
        EXPECT_TRUE(label->font().bold());
    }
    std::set<QString> lines;
    for (int line = 1; line <= 4; ++line) {
        const QLabel* credit = Credit(line);
        EXPECT_FALSE(credit->text().isEmpty());
        EXPECT_TRUE(credit->alignment() & Qt::AlignHCenter);
        lines.insert(credit->text());
    }
    EXPECT_EQ(lines.size(), 4u);
    EXPECT_EQ(OkButton()->text(), "OK");
}

TEST_F(AboutBox, LaysOutLogoTitleCreditsAndButton) {
    ShowAndSettle();
    const QLabel* logo = Label("Image1");
    EXPECT_EQ(logo->geometry(), QRect(8, 8, 183, 106));
    ASSERT_FALSE(logo->pixmap().isNull());
    EXPECT_TRUE(HasOpaquePixels(logo->pixmap())) << "the logo picture did not load";

    EXPECT_GE(Label("LblTitle")->x(), logo->geometry().right());
    EXPECT_GT(Label("LblVersion")->y(), Label("LblTitle")->y());
    for (int line = 1; line <= 4; ++line) {
        const QLabel* credit = Credit(line);
        EXPECT_GT(credit->y(), logo->geometry().bottom());
        EXPECT_TRUE(credit->isVisible());
    }
    const QRect ok = OkButton()->geometry();
    EXPECT_GT(ok.top(), Credit(4)->geometry().bottom());
    EXPECT_LE(std::abs(ok.center().x() - about.width() / 2), 1);
    EXPECT_LE(about.height() - ok.bottom(), 12);
}

TEST_F(AboutBox, OuterSizeIsThatOfTheBoxAndItStaysResizable) {
    ShowAndSettle();
    EXPECT_EQ(about.frameGeometry().size(), TFrmAbout::kOuterSize);
    EXPECT_GT(about.maximumWidth(), TFrmAbout::kOuterSize.width());
    EXPECT_GT(about.maximumHeight(), TFrmAbout::kOuterSize.height());

    // The player may resize it; the next showing starts at its own size again.
    about.resize(520, 400);
    QApplication::processEvents();
    EXPECT_EQ(about.size(), QSize(520, 400));
    about.hide();
    ShowAndSettle();
    EXPECT_EQ(about.frameGeometry().size(), TFrmAbout::kOuterSize);
}

TEST_F(AboutBox, OkClosesTheBox) {
    about.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QSignalSpy accepted(&about, &QDialog::accepted);
    QTest::mouseClick(OkButton(), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace zorvane
