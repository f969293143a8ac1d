#include "calc/ui/form13.h"

namespace vy {

TForm13::TForm13(platform::Host host, DataFolder data, QWidget* parent)
    : PictureWindow(host, std::move(data), {"TForm13", QSize(384, 260), kFile, true, true}, parent)
{
}

} // namespace vy
