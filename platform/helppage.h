#pragma once
// Opening a page of the help: the help viewer beside the program is started
// with "<program folder>Help.chm::/<page>", the way the program has always named
// a page of its help file. Whether the viewer starts is not reported.
#include "platform/host.h"

#include <string>

namespace vy::platform {

inline constexpr const char* kHelpViewer = "helpviewer";

inline std::string helpArgument(const std::string& programFolder, const std::string& page)
{
    return programFolder + "Help.chm::/" + page;
}

inline void openHelpPage(Environment& environment, const std::string& page)
{
    environment.startDetached(kHelpViewer, {helpArgument(environment.programFolder(), page)});
}

} // namespace vy::platform
