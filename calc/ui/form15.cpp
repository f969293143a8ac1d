#include "calc/ui/form15.h"

namespace vy {

TForm15::TForm15(platform::Host host, DataFolder data, QWidget* parent)
    : PictureWindow(host, std::move(data), {"TForm15", QSize(321, 194), kFile, false, false}, parent)
{
}

} // namespace vy
