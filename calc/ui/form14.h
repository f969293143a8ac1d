#pragma once
// The values of sin, cos, tg and ctg at 0, 30°, 45°, 60°, 90°, 180° and 270°: a
// picture that closes when clicked or double-clicked; the tables window then
// repaints.
#include "calc/ui/picturewindow.h"

namespace vy {

class TForm14 : public PictureWindow {
    Q_OBJECT
public:
    TForm14(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    static constexpr const char* kFile = "trigonometry.jpg";
};

} // namespace vy
