#include "core/jobrunner.h"

#include "tests/support/postqueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace vy {
namespace {

using namespace std::chrono_literals;
using test::PostQueue;

// What the window side saw, in order; touched only on the test's thread.
struct Seen {
    std::vector<double> progress;
    int finished = 0;
    std::exception_ptr failure;
    std::vector<std::string> order;

    JobRunner::Handlers handlers()
    {
        return {.progress = [this](double f) {
                    progress.push_back(f);
                    order.push_back("progress");
                },
                .finished = [this](std::exception_ptr e) {
                    ++finished;
                    failure = e;
                    order.push_back("finished");
                }};
    }
};

// A job that never ends by itself: one check per step, counted.
JobRunner::Job endless(std::atomic<long>& steps)
{
    return [&steps](JobControl& control) {
        for (;;) {
            control.checkpoint();
            control.progress(0.5);
            ++steps;
        }
    };
}

TEST(JobRunner, ProgressIsThrottledAndItsLastValueComesBeforeTheEnd)
{
    PostQueue queue;
    Seen seen;
    JobRunner runner(queue.post(), 5ms);
    constexpr int kSteps = 2'000'000;
    ASSERT_TRUE(runner.start(
        [](JobControl& control) {
            for (int i = 1; i <= kSteps; ++i) {
                control.checkpoint();
                control.progress(static_cast<double>(i) / kSteps);
            }
        },
        seen.handlers()));
    ASSERT_TRUE(queue.pumpUntil([&] { return seen.finished == 1; }));
    EXPECT_FALSE(runner.active()) << "joined before finished is heard";
    EXPECT_EQ(seen.failure, nullptr);
    ASSERT_FALSE(seen.progress.empty());
    EXPECT_LT(seen.progress.size(), 5000u) << "two million steps, a few updates per interval";
    EXPECT_EQ(seen.progress.back(), 1.0);
    EXPECT_EQ(seen.order.back(), "finished");
    for (std::size_t i = 1; i < seen.progress.size(); ++i)
        EXPECT_LE(seen.progress[i - 1], seen.progress[i]);
}

TEST(JobRunner, WhatTheJobThrowsReachesFinishedAndANewJobMayStart)
{
    PostQueue queue;
    Seen seen;
    JobRunner runner(queue.post());
    ASSERT_TRUE(runner.start([](JobControl&) { throw std::runtime_error("Floating point overflow"); },
                             seen.handlers()));
    ASSERT_TRUE(queue.pumpUntil([&] { return seen.finished == 1; }));
    ASSERT_NE(seen.failure, nullptr);
    try {
        std::rethrow_exception(seen.failure);
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
    std::atomic<bool> second{false};
    ASSERT_TRUE(runner.start([&](JobControl&) { second = true; }, seen.handlers()));
    ASSERT_TRUE(queue.pumpUntil([&] { return seen.finished == 2; }));
    EXPECT_TRUE(second);
    EXPECT_EQ(seen.failure, nullptr);
}

TEST(JobRunner, PauseHoldsTheJobAndResumeAndCancelActRepeatedly)
{
    PostQueue queue;
    Seen seen;
    std::atomic<long> steps{0};
    JobRunner runner(queue.post(), 1ms);
    for (int round = 0; round < 4; ++round) {
        ASSERT_TRUE(runner.start(endless(steps), seen.handlers()));
        for (int i = 0; i < 5; ++i) {
            runner.pause();
            ASSERT_TRUE(queue.pumpUntil([&] { return runner.holding(); }));
            const long held = steps;
            std::this_thread::sleep_for(3ms);
            EXPECT_EQ(steps, held);
            runner.resume();
            ASSERT_TRUE(queue.pumpUntil([&] { return steps > held; }));
        }
        if (round % 2)
            runner.pause(); // a cancel also ends a pause
        runner.cancel();
        EXPECT_FALSE(runner.active());
        EXPECT_FALSE(runner.paused());
    }
    EXPECT_EQ(seen.finished, 0);
}

TEST(JobRunner, NothingOfACancelledJobReachesTheWindowEvenWhenAlreadyQueued)
{
    PostQueue queue;
    Seen seen;
    int posted = 0;
    JobRunner runner(queue.post(), 0ms);
    std::atomic<bool> ready{false};
    ASSERT_TRUE(runner.start(
        [&](JobControl& control) {
            control.progress(0.25);
            control.post([&] { ++posted; });
            ready = true;
            for (;;)
                control.checkpoint();
        },
        seen.handlers()));
    while (!ready)
        std::this_thread::sleep_for(1ms);
    EXPECT_GE(queue.waiting(), 2u);
    runner.cancel();
    queue.pump();
    EXPECT_EQ(posted, 0);
    EXPECT_TRUE(seen.progress.empty());
    EXPECT_EQ(seen.finished, 0);
}

TEST(JobRunner, AQuestionWaitsForTheReplyGivenOnTheWindowsSide)
{
    PostQueue queue;
    Seen seen;
    JobRunner runner(queue.post());
    std::function<void(int)> reply;
    std::atomic<int> got{-1};
    ASSERT_TRUE(runner.start([&](JobControl& control) { got = control.ask([&](auto r) { reply = r; }); },
                             seen.handlers()));
    ASSERT_TRUE(queue.pumpUntil([&] { return static_cast<bool>(reply); }));
    std::this_thread::sleep_for(3ms);
    EXPECT_EQ(got, -1);
    reply(7);
    reply(8); // a second reply to the same question changes nothing
    ASSERT_TRUE(queue.pumpUntil([&] { return seen.finished == 1; }));
    EXPECT_EQ(got, 7);
}

TEST(JobRunner, CancelEndsAQuestionAndALateReplyIsIgnored)
{
    PostQueue queue;
    Seen seen;
    std::function<void(int)> reply;
    {
        JobRunner runner(queue.post());
        ASSERT_TRUE(runner.start([&](JobControl& control) { control.ask([&](auto r) { reply = r; }); },
                                 seen.handlers()));
        ASSERT_TRUE(queue.pumpUntil([&] { return static_cast<bool>(reply); }));
        runner.cancel();
        EXPECT_FALSE(runner.active());
        reply(1); // the dialog is answered after the cancel
    }
    reply(2); // or after the runner is gone
    queue.pump();
    EXPECT_EQ(seen.finished, 0);
}

TEST(JobRunner, OneJobAtATimeAndDestructionMidJobJoins)
{
    PostQueue queue;
    Seen seen;
    std::atomic<long> steps{0};
    {
        JobRunner runner(queue.post());
        ASSERT_TRUE(runner.start(endless(steps), seen.handlers()));
        EXPECT_FALSE(runner.start(endless(steps), seen.handlers()));
        ASSERT_TRUE(queue.pumpUntil([&] { return steps > 100; }));
        runner.pause();
        // the runner goes away here, paused, in the middle of the job
    }
    const long after = steps;
    std::this_thread::sleep_for(3ms);
    EXPECT_EQ(steps, after);
    queue.pump();
    EXPECT_EQ(seen.finished, 0);
}

} // namespace
} // namespace vy
