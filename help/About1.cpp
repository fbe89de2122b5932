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
    QT_TRANSLATE_NOOP("zorvane::TFrmAbout", "Game design and programming: the Zorvane team"),
    QT_TRANSLATE_NOOP("zorvane::TFrmAbout", "Pieces, bombs and logo drawn for Zorvane"),
    QT_TRANSLATE_NOOP("zorvane::TFrmAbout", "Sound effects and music made for Zorvane"),
    QT_TRANSLATE_NOOP("zorvane::TFrmAbout", "Thanks to every player of the beta!"),
};

}  // namespace

TFrmAbout::TFrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(tr("About Zorvane!"));
    setFont(ArialPixels(13, false));

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setFixedSize(kLogoSize);
    image1->setPixmap(LoadNamedPicture(QStringLiteral("LOGO"), devicePixelRatioF(), kLogoSize));

    auto* title = new QLabel(QStringLiteral("Zorvane!"), this);
    title->setObjectName(QStringLiteral("LblTitle"));
    title->setFont(ArialPixels(16, true));
    // kVersionLine in the player's language.
    auto* version = new QLabel(tr("Version %1 b").arg(kVersion), this);
    version->setObjectName(QStringLiteral("LblVersion"));
    version->setFont(ArialPixels(16, true));

    auto* titleColumn = new QVBoxLayout;
    titleColumn->addStretch();
    titleColumn->addWidget(title);
    titleColumn->addWidget(version);
    titleColumn->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(image1, 0, Qt::AlignTop | Qt::AlignLeft);
    top->addLayout(titleColumn);
    top->addStretch();

    auto* column = new QVBoxLayout(this);
    // The logo sits at (8, 8).
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(2);
    column->addLayout(top);
    column->addSpacing(4);
    for (int i = 0; i < 4; ++i) {
        auto* credit = new QLabel(tr(kCreditLines[i]), this);
        credit->setObjectName(QStringLiteral("LblCredit%1").arg(i + 1));
        credit->setAlignment(Qt::AlignHCenter);
        column->addWidget(credit);
    }
    column->addStretch();

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("BtnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(ok, 0, Qt::AlignHCenter);

    resize(kOuterSize);
    OnFrameChange(this, [this](const QMargins&) { FitOuterSize(); });
}

void TFrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FitOuterSize();
}

void TFrmAbout::FitOuterSize() {
    const QMargins frame = FrameMargins(this);
    // Credits longer in the player's language widen the box.
    resize(kOuterSize.shrunkBy(frame).expandedTo(minimumSizeHint()));
}

}  // namespace zorvane
