#pragma once

#include <QIcon>

#include <functional>

class QPainter;

namespace zqv {

// An icon drawn in code on a square grid of `grid` units and painted afresh for every pixel
// size asked for, so that it is sharp at any scale factor of the screen.
QIcon PaintedIcon(std::function<void(QPainter &)> draw, int grid);

}  // namespace zqv
