#pragma once
// The host layer: everything the program asks of the desktop goes through these
// interfaces, so windows never call message boxes, sounds or the clock directly.
// The real implementations use Qt (platform/qt); tests use recorders that note
// what was asked and never block.
#include "core/hosttypes.h"

#include <string>
#include <vector>

namespace vy::platform {

using vy::Icon;
using vy::LocalTime;
using vy::ScreenPoint;

// The five ways an input error or a failure is shown to the user.
class Presenter {
public:
    virtual ~Presenter() = default;
    // Caption "Вычислица", no icon, OK.
    virtual void plainMessage(const std::string& text) = 0;
    // Caption "Information", information icon, OK.
    virtual void informationDialog(const std::string& text) = 0;
    // Caption and icon chosen by the caller, OK.
    virtual void messageBox(const std::string& text, const std::string& caption, Icon icon) = 0;
    // Balloon notice titled "Вычислица" with its stem at a screen point; closes by
    // itself after 5000 ms or on a click. owner is the window that raised it.
    virtual void balloon(const std::string& text, ScreenPoint stem, void* owner) = 0;
    // General error box: caption "Вычислица", error icon; the full-stop rule is
    // applied by the caller (see core/errortext.h).
    virtual void generalError(const std::string& text) = 0;
    // A yes/no question; true for yes.
    virtual bool question(const std::string& text, const std::string& caption) = 0;
};

class Sounds {
public:
    virtual ~Sounds() = default;
    virtual void criticalStop() = 0;
    virtual void exclamation() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

class Environment {
public:
    virtual ~Environment() = default;
    // Folder of the program file, ending in '/'.
    virtual std::string programFolder() const = 0;
    // Login name of the current user (at most 15 characters are used).
    virtual std::string loginName() const = 0;
    // Start an outside program detached; false when it cannot be started.
    virtual bool startDetached(const std::string& program, const std::vector<std::string>& args) = 0;

    enum class RunResult { Ended, NotStarted, TimedOut };
    // Runs an outside program in folder (its working folder) and waits until it
    // ends, at most timeoutMs; one still running then is stopped. The program
    // is looked for as by startDetached.
    virtual RunResult runAndWait(const std::string& program, const std::vector<std::string>& args,
                                 const std::string& folder, int timeoutMs) = 0;
};

// Everything a window needs from the host, handed to it at construction.
struct Host {
    Presenter& presenter;
    Sounds& sounds;
    Clock& clock;
    Environment& environment;
};

} // namespace vy::platform
