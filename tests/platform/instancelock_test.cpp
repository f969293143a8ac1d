#include "platform/instancelock.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using vy::platform::InstanceLock;
using State = InstanceLock::State;

class InstanceLockTest : public ::testing::Test {
protected:
    InstanceLockTest() {
        char pattern[] = "/tmp/vy_lock_XXXXXX";
        folder_ = mkdtemp(pattern);
        path_ = folder_ + "/.lock";
    }
    ~InstanceLockTest() override { std::filesystem::remove_all(folder_); }

    std::string folder_;
    std::string path_;
};

TEST_F(InstanceLockTest, SecondHolderIsRefusedUntilTheFirstEnds) {
    {
        InstanceLock first(path_);
        ASSERT_EQ(first.state(), State::Acquired);
        InstanceLock second(path_);
        EXPECT_EQ(second.state(), State::HeldElsewhere);
    }
    InstanceLock again(path_);
    EXPECT_EQ(again.state(), State::Acquired);
}

TEST_F(InstanceLockTest, ACrashedHolderLeavesNoStaleLock) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock held(path_);
        const char ok = held.state() == State::Acquired ? 'y' : 'n';
        [[maybe_unused]] auto w = write(ready[1], &ok, 1);
        pause();
        _exit(0);
    }
    char ok = 0;
    ASSERT_EQ(read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    EXPECT_EQ(InstanceLock(path_).state(), State::HeldElsewhere);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(InstanceLock(path_).state(), State::Acquired);
    close(ready[0]);
    close(ready[1]);
}

TEST_F(InstanceLockTest, AnUnusableLockFolderDoesNotBlockTheStart) {
    InstanceLock lock(folder_ + "/missing/folder/.lock");
    EXPECT_EQ(lock.state(), State::Unavailable);
}

} // namespace
