#pragma once
// The rules of logarithms: a picture that closes when clicked; the tables
// window then repaints.
#include "calc/ui/picturewindow.h"

namespace vy {

class TForm16 : public PictureWindow {
    Q_OBJECT
public:
    TForm16(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    static constexpr const char* kFile = "logarithms.jpg";
};

} // namespace vy
