#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QFont;
class QLabel;
class QWidget;

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

// Makes `window` a fixed-size dialog of the given size in units of its own font, with a title
// bar, a window menu and a close box but no minimise or maximise box. Returns the units, for
// placing the controls.
DialogBaseUnits SetUpFixedDialog(QWidget& window, int width, int height);

// Dialog units keep a layout's proportions, but a font wider than the one a layout was made
// for can still overflow word-wrapped labels; their text then gets one smaller size until
// every label fits, so no text is ever cut off.
void ShrinkTextToFit(const QList<QLabel*>& labels);

} // namespace stampwright
