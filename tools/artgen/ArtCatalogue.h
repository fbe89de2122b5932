#pragma once
// Every picture the game loads by name, with its size at 1x and how to draw
// it in those 1x units.

#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace zorvane::art {

struct Picture {
    QString name;  // the resource name, upper case: "A1", "BO3", "LOGO"
    QSize size;
    std::function<void(QPainter&)> draw;  // leaves the picture empty when null
};

std::vector<Picture> Pictures();

// The sides in pixels of the program icon's files.
std::vector<int> IconSizes();

}  // namespace zorvane::art
