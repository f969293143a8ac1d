#pragma once
// The signs of sin, cos, tg and ctg in the four quarters: a picture that closes
// when clicked (the tables window keeps its picture as it is).
#include "calc/ui/picturewindow.h"

namespace vy {

class TForm15 : public PictureWindow {
    Q_OBJECT
public:
    TForm15(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    static constexpr const char* kFile = "signs.jpg";
};

} // namespace vy
