#pragma once
// The board's background pictures, for the Backgrounds folder beside the
// program where the picture chooser opens. They sit behind the pieces, so
// they stay calm and low in contrast. Each is computed pixel by pixel, so
// every run writes the same files.

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace zorvane::art {

struct Backdrop {
    QString file;  // the file name, with its ".bmp"
    std::function<QImage()> draw;
};

std::vector<Backdrop> Backdrops();

}  // namespace zorvane::art
