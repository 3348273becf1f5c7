#pragma once

class QWidget;

namespace stampwright {

// Screen rectangles with an exclusive right and bottom edge.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Centres a window of the given size over `reference`, then pushes it back inside `area`,
// left and top edges first. The size never changes.
ScreenPoint PlaceWindow(const ScreenRect& reference, const ScreenRect& area, int width, int height);

// Centres a window over its owner when the owner is visible and not minimised (kept inside
// the owner's monitor), else over the primary monitor's work area.
void CentreWindow(QWidget& window);

} // namespace stampwright
