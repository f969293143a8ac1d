#include "platform/fileattrs.h"

namespace vy::platform {

void setHidden(const std::string& /*path*/) noexcept {}

} // namespace vy::platform
