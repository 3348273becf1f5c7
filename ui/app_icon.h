#pragma once

#include <QIcon>

namespace stampwright {

// The program's own picture at 16, 32 and 48 pixels.
QIcon AppIcon();

} // namespace stampwright
