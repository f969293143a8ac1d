#pragma once
// Runs one equation search at a time on a thread of its own. The window pauses,
// resumes and cancels it through flags the search tests between two points; no
// thread is ever suspended or killed from outside. What the search shows goes
// to a SearchView at a limited rate, so a scan of two million points makes a
// few dozen updates a second, not two million.
#include "solvers/searchhost.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

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

// Receives a search's output. Every call comes from the search's thread, one at a
// time, and never once cancel() has begun; a window forwards each call to its
// own thread and drops those that arrive there after a cancel. The calls hold
// the runner's lock, so they must not call back into the runner themselves.
class SearchView {
public:
    virtual ~SearchView() = default;
    virtual void update(const SearchUpdate& update) = 0;
    // The search waits for SearchRunner::reply (or a cancel).
    virtual void dialog(const SearchDialog& dialog) = 0;
    // The search has ended by itself; failure is empty, or the message of the
    // error that ended it. The window then calls join().
    virtual void finished(const std::string& failure) = 0;
};

class SearchRunner {
public:
    using Job = std::function<void(SearchHost&)>;

    explicit SearchRunner(SearchView& view, std::chrono::milliseconds interval = std::chrono::milliseconds(40));
    ~SearchRunner(); // cancels and joins
    SearchRunner(const SearchRunner&) = delete;
    SearchRunner& operator=(const SearchRunner&) = delete;

    // Starts job on a new thread; the answer text starts as answer. Returns
    // false, doing nothing, while an earlier search has not been joined.
    bool start(Job job, std::string answer);

    void pause();
    void resume();
    bool paused() const;
    // Ends the search: it stops at its next point or leaves its dialog wait,
    // and the thread is joined before this returns. No view call follows.
    void cancel();
    bool cancelled() const;
    // The reply to the dialog the view was last asked to show.
    void reply(DialogReply reply);
    // Waits for a search that has finished by itself.
    void join();
    // A thread exists that has not been joined.
    bool active() const { return thread_.joinable(); }
    // Number of the current search, counted from 1 at each start.
    std::uint64_t run() const { return run_.load(); }
    // The search is held by a pause at one of its points.
    bool holding() const { return holding_.load(); }

private:
    class Host;
    void body(const Job& job, std::string answer);
    // Hands the view a call unless a cancel has begun.
    template <typename Call>
    void tell(Call&& call);
    bool waitWhilePaused();
    DialogReply waitForReply(const SearchDialog& dialog);

    SearchView& view_;
    const std::chrono::milliseconds interval_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::atomic<bool> paused_{false};
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> holding_{false};
    std::atomic<std::uint64_t> run_{0};
    std::optional<DialogReply> reply_;
    std::thread thread_;
};

} // namespace vy
