#include "presentation/PictureTables.h"

#include "presentation/PieceSymbols.h"
#include "presentation/Transparency.h"

namespace zorvane {

namespace {

constexpr QSize kCellSize(40, 40);
constexpr QSize kDigitSize(16, 25);

}  // namespace

QPixmap LoadNamedPicture(const QString& name, qreal devicePixelRatio, QSize size) {
    const QString base = ":/pictures/" + name.toUpper();
    if (devicePixelRatio > 1.0) {
        QPixmap sharp(base + "@2x.png");
        if (!sharp.isNull()) {
            sharp = WithoutTransparentColour(sharp);
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    // Every picture is shown transparently; ours carry alpha already, so
    // this only matters for a picture drawn on an opaque background.
    QPixmap picture = WithoutTransparentColour(QPixmap(base + ".png"));
    if (picture.isNull()) {
        picture = QPixmap(size);
        picture.fill(Qt::transparent);
    }
    return picture;
}

QString PieceName(const Settings& settings, int slot) {
    QString shape = QString::fromStdString(settings.Shape).left(1).toUpper();
    if (shape.isEmpty() || shape < "A" || shape > "D") {
        shape = "B";
    }
    int colour = settings.Color(slot);
    if (colour < 1 || colour > 9) {
        colour = slot;
    }
    return shape + QString::number(colour);
}

QString BombName(const Settings& settings, int slot) {
    int colour = settings.Color(slot);
    if (colour < 1 || colour > 9) {
        colour = slot;
    }
    return "BO" + QString::number(colour);
}

QPixmap PiecePicture(const Settings& settings, int slot, qreal devicePixelRatio) {
    const QString name = PieceName(settings, slot);
    if (!settings.Symbols) {
        return LoadNamedPicture(name, devicePixelRatio, kCellSize);
    }
    // The symbol takes the place of the shape's inner mark, and belongs to
    // the slot, whatever colour the slot shows.
    const QPixmap plain = LoadNamedPicture(name + "P", devicePixelRatio, kCellSize);
    return WithSymbol(plain, slot, PieceSymbolPlace(name.front()));
}

QPixmap BombPicture(const Settings& settings, int slot, qreal devicePixelRatio) {
    const QPixmap picture = LoadNamedPicture(BombName(settings, slot), devicePixelRatio, kCellSize);
    return settings.Symbols ? BombWithSymbol(picture, slot) : picture;
}

void PictureTables::Load(const Settings& settings, qreal devicePixelRatio) {
    devicePixelRatio_ = devicePixelRatio;
    for (int d = 0; d <= 9; ++d) {
        DigitPics[d] = LoadNamedPicture("N" + QString::number(d), devicePixelRatio, kDigitSize);
    }
    DigitPics[10] = LoadNamedPicture("NB", devicePixelRatio, kDigitSize);
    PiecePics[0] = LoadNamedPicture("B0", devicePixelRatio, kCellSize);
    BombPics[0] = LoadNamedPicture("BO0", devicePixelRatio, kCellSize);
    for (int k = 1; k <= kSpecialKinds; ++k) {
        SpecialPics[k] = LoadNamedPicture("S" + QString::number(k), devicePixelRatio, kCellSize);
    }
    SpecialPics[0] = PiecePics[0];
    RefreshColours(settings);
}

void PictureTables::RefreshColours(const Settings& settings) {
    for (int slot = 1; slot <= kColours; ++slot) {
        PiecePics[slot] = PiecePicture(settings, slot, devicePixelRatio_);
        BombPics[slot] = BombPicture(settings, slot, devicePixelRatio_);
    }
}

const QPixmap& PictureTables::PictureFor(const TCell& cell) const {
    const CellPicture picture = PictureOf(cell);
    switch (picture.table) {
        case CellPicture::Table::Bomb:
            return BombPics[picture.index];
        case CellPicture::Table::Special:
            return SpecialPics[picture.index];
        case CellPicture::Table::Piece:
            break;
    }
    return PiecePics[picture.index];
}

const QPixmap& PictureTables::Digit(int index) const {
    return DigitPics[index >= 0 && index <= 10 ? index : 10];
}

}  // namespace zorvane
