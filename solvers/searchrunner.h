#pragma once
// Runs one equation search at a time on a JobRunner (core/jobrunner.h). The
// search sees a SearchHost: what it adds to the answer and does to the progress
// bar is gathered here and handed to the window's SearchView at the runner's
// pace, so a scan of two million points makes a few dozen updates a second,
// not two million. Pausing, resuming and cancelling are the runner's.
#include "core/jobrunner.h"
#include "solvers/searchhost.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vy {

struct SearchProgress {
    long double position = 0;
    long double maximum = 0;
    bool operator==(const SearchProgress&) const = default;
};

inline constexpr std::size_t kShownAnswerLimit = 16384;

// A change of the window's state; the parts that did not change are absent.
struct SearchUpdate {
    // The answer as a window can show it: a text longer than kShownAnswerLimit
    // bytes (every point a root) is cut there, at a character, and ends in "…".
    std::optional<std::string> answer;
    std::optional<SearchProgress> progress;
    bool fullBar = false; // the bar's position goes to its maximum (no range was set)
    bool running = false; // the search is under way: "Решить" is disabled
    bool busy = false;    // hourglass cursor
};

// Receives a search's output. Every call comes on the window's thread (through
// the runner's Post) and none after a cancel.
class SearchView {
public:
    virtual ~SearchView() = default;
    virtual void update(const SearchUpdate& update) = 0;
    // The search waits until reply is called (or the search is cancelled).
    virtual void dialog(const SearchDialog& dialog, std::function<void(DialogReply)> reply) = 0;
    // The search has ended by itself and its thread is joined; failure is
    // empty, or the message of the error that ended it.
    virtual void finished(const std::string& failure) = 0;
};

class SearchRunner {
public:
    using Job = std::function<void(SearchHost&)>;

    SearchRunner(JobRunner::Post post, SearchView& view,
                 std::chrono::milliseconds interval = std::chrono::milliseconds(40));

    // Starts job; the answer text starts as answer. Returns false, doing
    // nothing, while an earlier search is still active.
    bool start(Job job, std::string answer);

    void pause() { runner_.pause(); }
    void resume() { runner_.resume(); }
    bool paused() const { return runner_.paused(); }
    // Ends the search at its next point or dialog wait; joined before this
    // returns, and no view call follows.
    void cancel();
    bool cancelled() const { return cancelled_; }
    bool active() const { return runner_.active(); }
    // The search is held by a pause at one of its points.
    bool holding() const { return runner_.holding(); }

private:
    SearchView& view_;
    JobRunner runner_;
    bool cancelled_ = false;
};

} // namespace vy
