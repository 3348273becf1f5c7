#include "app_icon.h"

namespace stampwright {

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/stampwright-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace stampwright
