#include "dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>

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

DialogBaseUnits SetUpFixedDialog(QWidget& window, int width, int height) {
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    const DialogBaseUnits base = BaseUnitsOf(window.font());
    window.setFixedSize(DluSize(base, width, height));
    return base;
}

void ShrinkTextToFit(const QList<QLabel*>& labels) {
    constexpr qreal kSmallestPointSize = 6;
    const auto overflows = [](const QLabel* label) {
        const QFontMetrics metrics(label->font());
        const QStringList words = label->text().split(QRegularExpression(QStringLiteral("\\s+")));
        return label->heightForWidth(label->width()) > label->height() ||
               std::any_of(words.begin(), words.end(), [&](const QString& word) {
                   return metrics.horizontalAdvance(word) > label->width();
               });
    };
    while (!labels.isEmpty() && std::any_of(labels.begin(), labels.end(), overflows) &&
           labels.first()->font().pointSizeF() > kSmallestPointSize) {
        QFont smaller = labels.first()->font();
        smaller.setPointSizeF(smaller.pointSizeF() - 0.5);
        for (QLabel* label : labels)
            label->setFont(smaller);
    }
}

} // namespace stampwright
