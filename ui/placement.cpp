#include "placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace stampwright {
namespace {

int PlaceAlong(int referenceStart, int referenceEnd, int areaStart, int areaEnd, int size) {
    int start = (referenceStart + referenceEnd) / 2 - size / 2;
    if (start < areaStart)
        start = areaStart;
    else if (start + size > areaEnd)
        start = areaEnd - size;
    return start;
}

ScreenRect FromQRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

} // namespace

ScreenPoint PlaceWindow(const ScreenRect& reference, const ScreenRect& area, int width,
                        int height) {
    return {PlaceAlong(reference.left, reference.right, area.left, area.right, width),
            PlaceAlong(reference.top, reference.bottom, area.top, area.bottom, height)};
}

void CentreWindow(QWidget& window) {
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    ScreenRect reference;
    ScreenRect area;
    if (owner != nullptr && owner->isVisible() && !owner->isMinimized()) {
        reference = FromQRect(owner->frameGeometry());
        const QScreen* screen = QGuiApplication::screenAt(owner->frameGeometry().center());
        area = FromQRect((screen ? screen : owner->screen())->availableGeometry());
    } else {
        reference = area = FromQRect(QGuiApplication::primaryScreen()->availableGeometry());
    }
    const QSize size = window.frameGeometry().size();
    const ScreenPoint at = PlaceWindow(reference, area, size.width(), size.height());
    window.move(at.x, at.y);
}

} // namespace stampwright
