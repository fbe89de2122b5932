#pragma once
// The board's background: its colour, and the background picture drawn over
// it in one of four modes. The board and the options dialog's sample draw
// through the same function.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>

namespace zorvane {

enum GraphicsMode { kDraw = 0, kCenter = 1, kStretch = 2, kTiled = 3 };

// The picture holder: the loaded picture, its transparency switch and the
// mark that a picture has been set.
class BackgroundPicture {
  public:
    // Loads a picture file, only a regular one of at most kPictureFileCap
    // bytes; on failure returns false with the reason (the file check's or the
    // reader's) and keeps the picture it had.
    bool Load(const QString& path, QString& error);
    void SetImage(const QImage& image);
    void SetTransparent(bool transparent);

    bool IsSet() const { return set_; }
    bool Transparent() const { return transparent_; }
    // What is drawn: the picture, without its transparent colour when the
    // holder is transparent. Kept ready so painting never converts.
    const QPixmap& Drawable() const { return drawable_; }

  private:
    void Rebuild();

    QImage image_;
    QPixmap drawable_;
    bool transparent_ = false;
    bool set_ = false;
};

// Fills `area` with the board colour, then, when `useGraphic` is on and the
// holder has a picture, draws it in `mode` (any other mode draws nothing).
// A picture of zero width or height is not drawn.
void PaintBackground(QPainter& painter, QSize area, const QColor& boardColor,
                     const BackgroundPicture& picture, bool useGraphic, int mode);

}  // namespace zorvane
