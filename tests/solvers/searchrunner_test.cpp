#include "solvers/searchrunner.h"

#include "core/floatfail.h"
#include "solvers/equation.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace vy {
namespace {

using namespace std::chrono_literals;

// Notes every call the runner makes, from whichever thread it comes.
class RecordingView final : public SearchView {
public:
    void update(const SearchUpdate& u) override
    {
        std::lock_guard lock(mutex_);
        ++updates_;
        if (u.answer)
            answer_ = *u.answer;
        if (u.progress)
            progress_ = *u.progress;
        running_ = running_ || u.running;
    }
    void dialog(const SearchDialog& d) override
    {
        std::lock_guard lock(mutex_);
        dialogs_.push_back(d);
    }
    void finished(const std::string& failure) override
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
        failure_ = failure;
    }

    template <typename T>
    T read(T RecordingView::*member) const
    {
        std::lock_guard lock(mutex_);
        return this->*member;
    }
    long calls() const
    {
        std::lock_guard lock(mutex_);
        return updates_ + static_cast<long>(dialogs_.size()) + (finished_ ? 1 : 0);
    }

    long updates_ = 0;
    std::string answer_;
    SearchProgress progress_;
    bool running_ = false;
    std::vector<SearchDialog> dialogs_;
    bool finished_ = false;
    std::string failure_;

private:
    mutable std::mutex mutex_;
};

template <typename Done>
bool waitFor(Done done, std::chrono::milliseconds limit = 10s)
{
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// A search that never ends by itself: one step per point, counted.
struct EndlessJob {
    std::atomic<long>* points;
    void operator()(SearchHost& host) const
    {
        host.searchRunning();
        for (;;) {
            host.stepProgress();
            checkpoint(host);
            ++*points;
        }
    }
};

TEST(SearchRunner, FinishedScanReportsItsAnswerInFewUpdates)
{
    RecordingView view;
    SearchRunner runner(view);
    SearchRequest request{SearchMethod::Scan, "x*x-4", "-10", "10", 4, false};
    ASSERT_TRUE(runner.start([&](SearchHost& host) { RunEquationSearch(request, host); }, ""));
    ASSERT_TRUE(waitFor([&] { return view.read(&RecordingView::finished_); }, 60s));
    runner.join();
    EXPECT_FALSE(runner.active());
    EXPECT_EQ(view.read(&RecordingView::failure_), "");
    EXPECT_TRUE(view.read(&RecordingView::running_));
    EXPECT_EQ(view.read(&RecordingView::answer_), "Ответ:   x=-2  x=2");
    const SearchProgress p = view.read(&RecordingView::progress_);
    EXPECT_EQ(p.position, p.maximum);
    EXPECT_EQ(p.maximum, 200001);
    // Two hundred thousand points, a handful of updates per interval at most.
    EXPECT_LT(view.read(&RecordingView::updates_), 2000);
}

TEST(SearchRunner, PauseHoldsEveryPointAndResumeAndCancelActRepeatedly)
{
    RecordingView view;
    std::atomic<long> points{0};
    SearchRunner runner(view, 5ms);
    for (int round = 0; round < 5; ++round) {
        ASSERT_TRUE(runner.start(EndlessJob{&points}, ""));
        for (int i = 0; i < 10; ++i) {
            runner.pause();
            ASSERT_TRUE(waitFor([&] { return runner.holding(); }));
            const long held = points;
            const long updates = view.read(&RecordingView::updates_);
            std::this_thread::sleep_for(5ms);
            EXPECT_EQ(points, held);
            EXPECT_EQ(view.read(&RecordingView::updates_), updates);
            runner.resume();
            ASSERT_TRUE(waitFor([&] { return points > held; }));
        }
        if (round % 2)
            runner.pause(); // cancel also ends a pause
        runner.cancel();
        EXPECT_FALSE(runner.active());
        EXPECT_TRUE(runner.cancelled());
        const long calls = view.calls();
        std::this_thread::sleep_for(5ms);
        EXPECT_EQ(view.calls(), calls); // nothing reaches the view after a cancel
        EXPECT_FALSE(view.read(&RecordingView::finished_));
    }
}

TEST(SearchRunner, DialogWaitsForTheReply)
{
    RecordingView view;
    SearchRunner runner(view);
    std::atomic<int> got{-1};
    runner.start(
        [&](SearchHost& host) {
            got = static_cast<int>(host.ask({SearchDialog::Kind::Question, "q", "c"}));
        },
        "");
    ASSERT_TRUE(waitFor([&] { return view.read(&RecordingView::dialogs_).size() == 1; }));
    std::this_thread::sleep_for(5ms);
    EXPECT_EQ(got, -1);
    runner.reply(DialogReply::No);
    ASSERT_TRUE(waitFor([&] { return view.read(&RecordingView::finished_); }));
    runner.join();
    EXPECT_EQ(got, static_cast<int>(DialogReply::No));
}

TEST(SearchRunner, CancelEndsADialogWait)
{
    RecordingView view;
    SearchRunner runner(view);
    // Newton on a constant: a dialog at every start point, forever.
    SearchRequest request{SearchMethod::Newton, "5", "0", "10", 1, false};
    runner.start([&](SearchHost& host) { RunEquationSearch(request, host); }, "");
    ASSERT_TRUE(waitFor([&] { return view.read(&RecordingView::dialogs_).size() == 1; }));
    runner.cancel();
    EXPECT_FALSE(runner.active());
    EXPECT_FALSE(view.read(&RecordingView::finished_));
}

TEST(SearchRunner, FailureEndsTheSearchWithItsMessage)
{
    RecordingView view;
    SearchRunner runner(view);
    runner.start(
        [](SearchHost& host) {
            host.setAnswer("Ответ:");
            throw FloatFailure(FloatFailure::Kind::Overflow);
        },
        "");
    ASSERT_TRUE(waitFor([&] { return view.read(&RecordingView::finished_); }));
    runner.join();
    EXPECT_EQ(view.read(&RecordingView::failure_), "Floating point overflow");
    EXPECT_EQ(view.read(&RecordingView::answer_), "Ответ:"); // what was shown stays
}

TEST(SearchRunner, AnswerTooLongToShowIsCutAtACharacter)
{
    RecordingView view;
    SearchRunner runner(view);
    std::string full;
    runner.start(
        [&](SearchHost& host) {
            host.setAnswer("Ответ:"); // 11 bytes, so the limit falls inside a two-byte "ф"
            while (host.answer().size() < 3 * kShownAnswerLimit)
                host.appendAnswer("ф");
            full = host.answer();
        },
        "");
    ASSERT_TRUE(waitFor([&] { return view.read(&RecordingView::finished_); }));
    runner.join();
    const std::string shown = view.read(&RecordingView::answer_);
    EXPECT_EQ(shown, full.substr(0, kShownAnswerLimit - 1) + "…");
}

TEST(SearchRunner, OneSearchAtATimeAndClosingMidSearchJoins)
{
    RecordingView view;
    std::atomic<long> points{0};
    {
        SearchRunner runner(view);
        ASSERT_TRUE(runner.start(EndlessJob{&points}, ""));
        EXPECT_FALSE(runner.start(EndlessJob{&points}, ""));
        ASSERT_TRUE(waitFor([&] { return points > 100; }));
        runner.pause();
        // the runner goes away here, paused, in the middle of the search
    }
    const long after = points;
    std::this_thread::sleep_for(5ms);
    EXPECT_EQ(points, after);
}

} // namespace
} // namespace vy
