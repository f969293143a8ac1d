#include "solvers/searchrunner.h"

#include "core/floatfail.h"
#include "solvers/equation.h"
#include "tests/support/postqueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace vy {
namespace {

using namespace std::chrono_literals;
using test::PostQueue;

// Notes every call the runner hands over; they all come on the test's thread.
class RecordingView final : public SearchView {
public:
    void update(const SearchUpdate& u) override
    {
        ++updates;
        if (u.answer)
            answer = *u.answer;
        if (u.progress)
            progress = *u.progress;
        running = running || u.running;
    }
    void dialog(const SearchDialog& d, std::function<void(DialogReply)> r) override
    {
        dialogs.push_back(d);
        reply = std::move(r);
    }
    void finished(const std::string& f) override
    {
        ++ends;
        failure = f;
    }

    long updates = 0;
    std::string answer;
    SearchProgress progress;
    bool running = false;
    std::vector<SearchDialog> dialogs;
    std::function<void(DialogReply)> reply;
    int ends = 0;
    std::string failure;
};

struct Fixture {
    PostQueue queue;
    RecordingView view;
    SearchRunner runner{queue.post(), view};

    bool finish() { return queue.pumpUntil([&] { return view.ends > 0; }, 60s); }
};

TEST(SearchRunner, FinishedScanReportsItsAnswerInFewUpdates)
{
    Fixture f;
    SearchRequest request{SearchMethod::Scan, "x*x-4", "-10", "10", 4, false};
    ASSERT_TRUE(f.runner.start([&](SearchHost& host) { RunEquationSearch(request, host); }, ""));
    ASSERT_TRUE(f.finish());
    EXPECT_FALSE(f.runner.active());
    EXPECT_EQ(f.view.failure, "");
    EXPECT_TRUE(f.view.running);
    EXPECT_EQ(f.view.answer, "Ответ:   x=-2  x=2");
    EXPECT_EQ(f.view.progress.position, f.view.progress.maximum);
    EXPECT_EQ(f.view.progress.maximum, 200001);
    // Two hundred thousand points, a handful of updates per interval at most.
    EXPECT_LT(f.view.updates, 2000);
}

TEST(SearchRunner, TheReplyToADialogReachesTheSearch)
{
    Fixture f;
    std::atomic<int> got{-1};
    f.runner.start([&](SearchHost& host) { got = static_cast<int>(host.ask({SearchDialog::Kind::Question, "q", "c"})); },
                   "");
    ASSERT_TRUE(f.queue.pumpUntil([&] { return f.view.dialogs.size() == 1; }));
    EXPECT_EQ(f.view.dialogs[0], (SearchDialog{SearchDialog::Kind::Question, "q", "c"}));
    EXPECT_EQ(got, -1);
    f.view.reply(DialogReply::No);
    ASSERT_TRUE(f.finish());
    EXPECT_EQ(got, static_cast<int>(DialogReply::No));
}

TEST(SearchRunner, CancelEndsADialogWaitAndNothingFollows)
{
    Fixture f;
    // Newton on a constant: a dialog at every start point, forever.
    SearchRequest request{SearchMethod::Newton, "5", "0", "10", 1, false};
    f.runner.start([&](SearchHost& host) { RunEquationSearch(request, host); }, "");
    ASSERT_TRUE(f.queue.pumpUntil([&] { return f.view.dialogs.size() == 1; }));
    f.runner.cancel();
    EXPECT_FALSE(f.runner.active());
    EXPECT_TRUE(f.runner.cancelled());
    f.view.reply(DialogReply::Yes);
    std::this_thread::sleep_for(5ms);
    f.queue.pump();
    EXPECT_EQ(f.view.dialogs.size(), 1u);
    EXPECT_EQ(f.view.ends, 0);
}

TEST(SearchRunner, FailureEndsTheSearchWithItsMessageAndKeepsWhatWasShown)
{
    Fixture f;
    f.runner.start(
        [](SearchHost& host) {
            host.setAnswer("Ответ:");
            throw FloatFailure(FloatFailure::Kind::Overflow);
        },
        "");
    ASSERT_TRUE(f.finish());
    EXPECT_EQ(f.view.failure, "Floating point overflow");
    EXPECT_EQ(f.view.answer, "Ответ:");
}

TEST(SearchRunner, AnswerTooLongToShowIsCutAtACharacter)
{
    Fixture f;
    std::string full;
    f.runner.start(
        [&](SearchHost& host) {
            host.setAnswer("Ответ:"); // 11 bytes, so the limit falls inside a two-byte "ф"
            while (host.answer().size() < 3 * kShownAnswerLimit)
                host.appendAnswer("ф");
            full = host.answer();
        },
        "");
    ASSERT_TRUE(f.finish());
    EXPECT_EQ(f.view.answer, full.substr(0, kShownAnswerLimit - 1) + "…");
}

} // namespace
} // namespace vy
