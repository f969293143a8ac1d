#include "core/jobrunner.h"

#include <algorithm>
#include <utility>

namespace vy {

namespace {
// The clock is read once in this many calls of progress() and due(): a scan
// makes millions of them.
constexpr unsigned kClockEvery = 64;
} // namespace

JobRunner::JobRunner(Post post, std::chrono::milliseconds interval) : post_(std::move(post)), interval_(interval) {}

JobRunner::~JobRunner() { cancel(); }

bool JobRunner::start(Job job, Handlers handlers)
{
    if (thread_.joinable())
        return false;
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
        cancelled_ = false;
        reply_.reset();
        ++run_;
        gate_ = std::make_shared<Gate>();
    }
    control_.reset(new JobControl(*this, gate_, std::move(handlers)));
    thread_ = std::thread([this, job = std::move(job), control = control_.get()] { body(job, *control); });
    return true;
}

void JobRunner::body(const Job& job, JobControl& control)
{
    std::exception_ptr failure;
    try {
        job(control);
    } catch (const JobCancelled&) {
        return;
    } catch (...) {
        failure = std::current_exception();
    }
    control.flushProgress();
    // The last call of the job: its thread ends right after, so the join on
    // the window's side is immediate.
    post(control.gate_, [this, failure, finished = control.handlers_.finished] {
        if (thread_.joinable())
            thread_.join();
        if (finished)
            finished(failure);
    });
}

void JobRunner::post(const std::shared_ptr<Gate>& gate, std::function<void()> call) const
{
    post_([gate, call = std::move(call)] {
        // The gate is closed on the window's thread, which is where this runs:
        // no cancel can slip in between the test and the call.
        if (gate->open.load())
            call();
    });
}

void JobRunner::pause()
{
    std::lock_guard lock(mutex_);
    paused_ = true;
}

void JobRunner::resume()
{
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
    }
    wake_.notify_all();
}

void JobRunner::closeGate()
{
    if (gate_)
        gate_->open = false;
}

void JobRunner::cancel()
{
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
        closeGate();
    }
    wake_.notify_all();
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
    paused_ = false;
}

bool JobRunner::waitWhilePaused()
{
    // The usual case costs two atomic loads and no lock.
    if (!paused_.load(std::memory_order_acquire) && !cancelled_.load(std::memory_order_acquire))
        return true;
    std::unique_lock lock(mutex_);
    if (paused_ && !cancelled_) {
        holding_ = true;
        wake_.wait(lock, [this] { return !paused_ || cancelled_; });
        holding_ = false;
    }
    return !cancelled_;
}

// ---- the job's side -------------------------------------------------------------

JobControl::JobControl(JobRunner& runner, std::shared_ptr<JobRunner::Gate> gate, JobRunner::Handlers handlers)
    : runner_(runner), gate_(std::move(gate)), handlers_(std::move(handlers)),
      lastDue_(std::chrono::steady_clock::now())
{
}

bool JobControl::proceed() { return runner_.waitWhilePaused(); }

void JobControl::progress(double fraction)
{
    fraction_ = std::clamp(fraction, 0.0, 1.0);
    if (++progressCalls_ % kClockEvery != 1 && fraction_ < 1)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastProgress_ < runner_.interval_ && fraction_ < 1)
        return;
    lastProgress_ = now;
    flushProgress();
}

void JobControl::flushProgress()
{
    if (!handlers_.progress || fraction_ == shownFraction_)
        return;
    shownFraction_ = fraction_;
    runner_.post(gate_, [show = handlers_.progress, f = fraction_] { show(f); });
}

bool JobControl::due()
{
    if (++dueCalls_ % kClockEvery != 0)
        return false;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastDue_ < runner_.interval_)
        return false;
    lastDue_ = now;
    return true;
}

void JobControl::post(std::function<void()> call) { runner_.post(gate_, std::move(call)); }

int JobControl::ask(std::function<void(std::function<void(int)>)> open)
{
    JobRunner& runner = runner_;
    std::uint64_t question = 0;
    {
        std::lock_guard lock(runner.mutex_);
        if (runner.cancelled_)
            throw JobCancelled{};
        runner.reply_.reset();
        question = ++runner.question_;
    }
    post([&runner, gate = gate_, question, open = std::move(open)] {
        open([&runner, gate, question](int reply) {
            if (!gate->open.load())
                return; // the job was cancelled, or the runner is gone
            {
                std::lock_guard lock(runner.mutex_);
                if (runner.question_ != question || runner.reply_)
                    return; // a late reply to an earlier question
                runner.reply_ = reply;
            }
            runner.wake_.notify_all();
        });
    });
    std::unique_lock lock(runner.mutex_);
    runner.wake_.wait(lock, [&runner] { return runner.reply_.has_value() || runner.cancelled_.load(); });
    if (runner.cancelled_)
        throw JobCancelled{};
    const int reply = *runner.reply_;
    runner.reply_.reset();
    return reply;
}

} // namespace vy
