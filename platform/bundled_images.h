#pragma once

#include <QImage>
#include <QString>

namespace gyrolux {

// The images compiled into the program, decoded at each call. A null image with the
// reason in *error should one be damaged.
QImage TitlePicture(QString* error = nullptr);  // 765 x 569, the title window
QImage CoverPicture(QString* error = nullptr);  // 525 x 553, over the dial while covered
QImage ApplicationIconImage();                  // 32 x 32, the window icon and the dial's centre

}  // namespace gyrolux
