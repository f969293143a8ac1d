#pragma once
// The identities of abbreviated multiplication: a picture that closes when
// clicked or double-clicked; the tables window then repaints.
#include "calc/ui/picturewindow.h"

namespace vy {

class TForm13 : public PictureWindow {
    Q_OBJECT
public:
    TForm13(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    static constexpr const char* kFile = "identities.jpg";
};

} // namespace vy
