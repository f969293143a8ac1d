#include "calc/ui/form14.h"

namespace vy {

TForm14::TForm14(platform::Host host, DataFolder data, QWidget* parent)
    : PictureWindow(host, std::move(data), {"TForm14", QSize(628, 314), kFile, true, true}, parent)
{
}

} // namespace vy
