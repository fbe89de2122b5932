#include "help/About1.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/WindowPlacement.h"
#include "presentation/PictureTables.h"
#include "zorvane/Version.h"

namespace zorvane {

namespace {

constexpr QSize kLogoSize(183, 106);

QFont ArialPixels(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

const char* const kCreditLines[4] = {
    "Game design and programming: the Zorvane team",
    "Pieces, bombs and logo drawn for Zorvane",
    "Sound effects and music made for Zorvane",
    "Thanks to every player of the beta!",
};

}  // namespace

TFrmAbout::TFrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About Zorvane!"));
    setFont(ArialPixels(13, false));

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setFixedSize(kLogoSize);
    image1_->setPixmap(LoadNamedPicture(QStringLiteral("LOGO"), devicePixelRatioF(), kLogoSize));

    title_ = new QLabel(QStringLiteral("Zorvane!"), this);
    title_->setObjectName(QStringLiteral("LblTitle"));
    title_->setFont(ArialPixels(16, true));
    version_ = new QLabel(kVersionLine, this);
    version_->setObjectName(QStringLiteral("LblVersion"));
    version_->setFont(ArialPixels(16, true));

    auto* titleColumn = new QVBoxLayout;
    titleColumn->addStretch();
    titleColumn->addWidget(title_);
    titleColumn->addWidget(version_);
    titleColumn->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(image1_, 0, Qt::AlignTop | Qt::AlignLeft);
    top->addLayout(titleColumn);
    top->addStretch();

    auto* column = new QVBoxLayout(this);
    // The logo sits at (8, 8).
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(2);
    column->addLayout(top);
    column->addSpacing(4);
    for (int i = 0; i < 4; ++i) {
        credits_[i] = new QLabel(QString::fromUtf8(kCreditLines[i]), this);
        credits_[i]->setObjectName(QStringLiteral("LblCredit%1").arg(i + 1));
        credits_[i]->setAlignment(Qt::AlignHCenter);
        column->addWidget(credits_[i]);
    }
    column->addStretch();

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("BtnOk"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(okButton_, 0, Qt::AlignHCenter);

    resize(kOuterSize);
    OnFrameChange(this, [this](const QMargins&) { FitOuterSize(); });
}

QLabel* TFrmAbout::Credit(int line) const {
    return line >= 1 && line <= 4 ? credits_[line - 1] : nullptr;
}

void TFrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FitOuterSize();
}

void TFrmAbout::FitOuterSize() {
    const QMargins frame = FrameMargins(this);
    resize(kOuterSize.shrunkBy(frame));
}

}  // namespace zorvane
