#pragma once
// Long work on a thread of its own, so that a window stays responsive while it
// runs: a factorial of a million, sampling two million points, a large linear
// system, an integral that refines to its cap, an equation search.
//
// The window owns a JobRunner and starts one job at a time. The job runs on the
// runner's thread and sees a JobControl: it reports its progress (0..1), tests
// between two steps whether it may go on (pause holds it there, cancel ends it),
// hands the window whatever it wants shown, and may put a question to the user
// and wait for the reply. Everything the job hands over reaches the window as
// calls on the window's own thread, through the Post function the window gave
// the runner (platform/qt/jobpost.h posts them to a Qt object); calls from a job
// that has since been cancelled are dropped there, so a window never sees an
// update after it pressed "Отмена" or began to close. Nothing is ever suspended
// or killed from outside: the job stops itself at its next check.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace vy {

// Thrown through a job when it has been cancelled; the runner catches it and
// nothing is reported.
struct JobCancelled {};

class JobControl;

class JobRunner {
public:
    // Hands a call to the window's thread, to run there after the calls handed
    // over before it. It may be called from any thread.
    using Post = std::function<void(std::function<void()>)>;
    using Job = std::function<void(JobControl&)>;

    // What the window hears of a job, always on its own thread.
    struct Handlers {
        // The fraction done, 0..1, at the runner's pace; the last value the job
        // reported arrives before finished.
        std::function<void(double)> progress;
        // The job has ended by itself and its thread is joined: failure is null
        // when it returned, else what it threw. Never called after a cancel.
        std::function<void(std::exception_ptr failure)> finished;
    };

    // interval: the least time between two throttled updates.
    explicit JobRunner(Post post, std::chrono::milliseconds interval = std::chrono::milliseconds(40));
    ~JobRunner(); // cancels and joins
    JobRunner(const JobRunner&) = delete;
    JobRunner& operator=(const JobRunner&) = delete;

    // Starts job on a new thread. Returns false, doing nothing, while an
    // earlier job is still active.
    bool start(Job job, Handlers handlers = {});

    // Holds the job at its next check until resume() or cancel().
    void pause();
    void resume();
    bool paused() const { return paused_.load(); }
    // Ends the job: it stops at its next check or leaves its question, its
    // thread is joined before this returns, and no call of it follows.
    void cancel();
    // A job has started and its end has not been handed to the window yet.
    bool active() const { return thread_.joinable(); }
    // The job is held by a pause at one of its checks.
    bool holding() const { return holding_.load(); }
    // Number of the current job, counted from 1 at each start.
    std::uint64_t run() const { return run_; }

private:
    friend class JobControl;
    struct Gate {
        std::atomic<bool> open{true};
    };

    void body(const Job& job, JobControl& control);
    // Hands call over unless the job's gate has been closed by then.
    void post(const std::shared_ptr<Gate>& gate, std::function<void()> call) const;
    bool waitWhilePaused();
    void closeGate();

    const Post post_;
    const std::chrono::milliseconds interval_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::atomic<bool> paused_{false};
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> holding_{false};
    std::uint64_t run_ = 0;
    std::shared_ptr<Gate> gate_;
    std::optional<int> reply_;
    std::uint64_t question_ = 0;
    std::unique_ptr<JobControl> control_;
    std::thread thread_;
};

// A job's side of its runner. Used from the job's thread only.
class JobControl {
public:
    // Between two steps: waits while the job is paused; false once it has
    // been cancelled.
    bool proceed();
    // proceed(), unwinding the job with JobCancelled when it has been cancelled.
    void checkpoint()
    {
        if (!proceed())
            throw JobCancelled{};
    }
    // The fraction done, clamped to 0..1; handed over at the runner's pace.
    void progress(double fraction);
    // True when the runner's interval has passed since the last time it said
    // so: the moment for a job to hand over its own accumulated state. Cheap
    // enough for every step (the clock is read every so many calls).
    bool due();
    // Hands call to the window's thread now, after everything handed over
    // before; dropped there if the job has been cancelled by then.
    void post(std::function<void()> call);
    // Puts a question to the user: open runs on the window's thread and
    // receives the function to call with the reply (once). The job waits for
    // the reply; JobCancelled when it is cancelled meanwhile.
    int ask(std::function<void(std::function<void(int)> reply)> open);

private:
    friend class JobRunner;
    JobControl(JobRunner& runner, std::shared_ptr<JobRunner::Gate> gate, JobRunner::Handlers handlers);
    void flushProgress();

    JobRunner& runner_;
    std::shared_ptr<JobRunner::Gate> gate_;
    JobRunner::Handlers handlers_;
    double fraction_ = 0;
    double shownFraction_ = -1;
    unsigned progressCalls_ = 0;
    unsigned dueCalls_ = 0;
    std::chrono::steady_clock::time_point lastProgress_{};
    std::chrono::steady_clock::time_point lastDue_;
};

} // namespace vy
