#include "dialog_units.h"

#include <QFont>
#include <QFontMetrics>

namespace stampwright {
namespace {

// a * b / c rounded to nearest, as the classic conversion does.
int MulDiv(int a, int b, int c) {
    return (a * b + c / 2) / c;
}

int ToPixelsX(const DialogBaseUnits& base, int dlu) {
    return MulDiv(dlu, base.x, 4);
}
int ToPixelsY(const DialogBaseUnits& base, int dlu) {
    return MulDiv(dlu, base.y, 8);
}

} // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect DluRect(const DialogBaseUnits& base, int x, int y, int width, int height) {
    return {ToPixelsX(base, x), ToPixelsY(base, y), ToPixelsX(base, width),
            ToPixelsY(base, height)};
}

QSize DluSize(const DialogBaseUnits& base, int width, int height) {
    return {ToPixelsX(base, width), ToPixelsY(base, height)};
}

} // namespace stampwright
