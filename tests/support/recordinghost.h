#pragma once
// Test stand-ins for the host: they record what the program asked for and never
// block. Every presenter and sound call also lands in one shared journal, so a
// test can check the order ("stop sound, then the message").
#include "platform/host.h"

#include <functional>
#include <string>
#include <vector>

namespace vy::test {

using platform::Icon;
using platform::ScreenPoint;

struct Shown {
    enum class Kind { Plain, Information, Box, Balloon, GeneralError, Question };
    Kind kind;
    std::string text;
    std::string caption; // as the real presentation would show it
    Icon icon = Icon::None;
    ScreenPoint stem{};
    void* owner = nullptr;
};

class RecordingPresenter final : public platform::Presenter {
public:
    explicit RecordingPresenter(std::vector<std::string>& journal) : journal_(journal) {}
    void plainMessage(const std::string& text) override;
    void informationDialog(const std::string& text) override;
    void messageBox(const std::string& text, const std::string& caption, Icon icon) override;
    void balloon(const std::string& text, ScreenPoint stem, void* owner) override;
    void generalError(const std::string& text) override;
    bool question(const std::string& text, const std::string& caption) override;

    std::vector<Shown> shown;
    bool answer = true; // what question() returns

private:
    void record(Shown item);
    std::vector<std::string>& journal_;
};

class RecordingSounds final : public platform::Sounds {
public:
    explicit RecordingSounds(std::vector<std::string>& journal) : journal_(journal) {}
    void criticalStop() override { journal_.push_back("sound:criticalStop"); }
    void exclamation() override { journal_.push_back("sound:exclamation"); }

private:
    std::vector<std::string>& journal_;
};

class FixedClock final : public platform::Clock {
public:
    platform::LocalTime now() const override { return time; }
    platform::LocalTime time{2024, 3, 5, 9, 7, 3};
};

struct Launch {
    std::string program;
    std::vector<std::string> args;
    std::string folder; // runAndWait only
    int timeoutMs = 0;  // runAndWait only
};

class TestEnvironment final : public platform::Environment {
public:
    std::string programFolder() const override { return folder; }
    std::string loginName() const override { return login; }
    bool startDetached(const std::string& program, const std::vector<std::string>& args) override {
        launches.push_back({program, args, {}, 0});
        return launchSucceeds;
    }
    // Noted like a launch; what happens is up to run (nothing runs without one).
    RunResult runAndWait(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingFolder, int timeoutMs) override {
        launches.push_back({program, args, workingFolder, timeoutMs});
        return run ? run(launches.back()) : RunResult::NotStarted;
    }

    std::string folder; // ends in '/'
    std::string login = "tester";
    bool launchSucceeds = true;
    std::vector<Launch> launches;
    std::function<RunResult(const Launch&)> run;
};

// One of each, wired to a shared journal.
struct TestHost {
    std::vector<std::string> journal;
    RecordingPresenter presenter{journal};
    RecordingSounds sounds{journal};
    FixedClock clock;
    TestEnvironment environment;

    platform::Host host() { return platform::Host{presenter, sounds, clock, environment}; }
};

} // namespace vy::test
