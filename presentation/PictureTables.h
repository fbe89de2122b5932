#pragma once
// The picture tables: piece, bomb, special and digit pictures loaded by name
// from the program's resources, and the one lookup from a cell to its
// picture.

#include <QPixmap>
#include <QString>
#include <array>

#include "engine/Cell.h"
#include "persistence/Settings.h"

namespace zorvane {

// Loads ":/pictures/NAME.png" (the double-size file on high-DPI screens)
// without its transparent colour; names are matched without regard to
// letter case. A name with no picture
// gives a transparent picture of `size`, so drawing never fails.
QPixmap LoadNamedPicture(const QString& name, qreal devicePixelRatio, QSize size);

// The resource name of a piece or bomb picture for a colour slot, with the
// default shape or colour standing in for a setting that has no picture.
QString PieceName(const Settings& settings, int slot);
QString BombName(const Settings& settings, int slot);

// The picture of a colour slot's piece or bomb as the board shows it: the
// named picture, carrying the slot's symbol when the settings ask for it
// (on a piece, in place of the shape's inner mark: picture NAME + "P").
QPixmap PiecePicture(const Settings& settings, int slot, qreal devicePixelRatio);
QPixmap BombPicture(const Settings& settings, int slot, qreal devicePixelRatio);

class PictureTables {
  public:
    // Loads every table for the settings' shape and colours.
    void Load(const Settings& settings, qreal devicePixelRatio);
    // Reloads the piece and bomb pictures after a shape, colour or symbol change.
    void RefreshColours(const Settings& settings);

    const QPixmap& PictureFor(const TCell& cell) const;
    const QPixmap& Digit(int index) const;  // 0..9, 10 blank

    std::array<QPixmap, kColours + 1> PiecePics;         // [0] blank
    std::array<QPixmap, kColours + 1> BombPics;          // [0] black bomb
    std::array<QPixmap, kSpecialKinds + 1> SpecialPics;  // [0] blank
    std::array<QPixmap, 11> DigitPics;                   // [10] blank digit

  private:
    qreal devicePixelRatio_ = 1.0;
};

}  // namespace zorvane
