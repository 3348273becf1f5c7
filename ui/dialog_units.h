#pragma once

#include <QRect>
#include <QSize>

class QFont;

namespace stampwright {

// Dialog units scale a layout with its font the way classic dialog templates do: a
// horizontal unit is a quarter of the average letter width, a vertical one an eighth of the
// font height, so a window keeps its proportions with any font.
struct DialogBaseUnits {
    int x = 1; // average advance of "A".."Z", "a".."z", rounded
    int y = 1; // font height
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

QRect DluRect(const DialogBaseUnits& base, int x, int y, int width, int height);
QSize DluSize(const DialogBaseUnits& base, int width, int height);

} // namespace stampwright
