#pragma once
// A failure that a handler catches and reports itself, as an engine describes
// it: which of the five presentations, the text, and for a message box its
// caption and icon. Windows hand it to the one report helper of the host layer
// (platform/qt/report.h), which also knows where a balloon's stem goes.
#include "core/hosttypes.h"

#include <string>

namespace vy {

enum class Presentation {
    PlainMessage,      // caption "Вычислица", no icon
    InformationDialog, // caption "Information", information icon
    MessageBox,        // caption and icon from the report
    Balloon,           // balloon notice at a field
    GeneralError,      // the general error box (the full-stop rule applies)
};

struct Report {
    Presentation presentation = Presentation::PlainMessage;
    std::string text;
    std::string caption;     // MessageBox only
    Icon icon = Icon::None;  // MessageBox only
    bool stopSoundFirst = false; // the critical-stop sound before it is shown
    bool operator==(const Report&) const = default;
};

inline Report plainReport(std::string text, bool stopSoundFirst = false)
{
    return {Presentation::PlainMessage, std::move(text), {}, Icon::None, stopSoundFirst};
}

inline Report messageBoxReport(std::string text, std::string caption, Icon icon, bool stopSoundFirst = false)
{
    return {Presentation::MessageBox, std::move(text), std::move(caption), icon, stopSoundFirst};
}

inline Report balloonReport(std::string text) { return {Presentation::Balloon, std::move(text), {}, Icon::None, false}; }

// The usual input error: a balloon with its own text when the user chose
// balloons, otherwise the given box (its sound included).
inline Report inputReport(bool balloon, Report box, std::string balloonText)
{
    return balloon ? balloonReport(std::move(balloonText)) : std::move(box);
}

} // namespace vy
