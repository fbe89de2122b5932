#pragma once
// Pictures drawn "transparently" leave out every pixel of their transparent
// colour, the colour of their bottom-left pixel.

#include <QImage>
#include <QPixmap>

namespace zorvane {

// The picture with every pixel of its bottom-left pixel's colour made fully
// transparent. A picture whose bottom-left pixel is already transparent, or
// an empty one, comes back as it is.
QImage WithoutTransparentColour(const QImage& image);
QPixmap WithoutTransparentColour(const QPixmap& pixmap);

}  // namespace zorvane
