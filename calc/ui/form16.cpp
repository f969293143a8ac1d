#include "calc/ui/form16.h"

namespace vy {

TForm16::TForm16(platform::Host host, DataFolder data, QWidget* parent)
    : PictureWindow(host, std::move(data), {"TForm16", QSize(328, 430), kFile, false, true}, parent)
{
}

} // namespace vy
