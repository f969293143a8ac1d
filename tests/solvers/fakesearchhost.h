#pragma once
// A search host for engine tests: runs the search on the test's own thread,
// notes what the search showed and asked, and answers dialogs from a script.
// With the script used up, the next dialog cancels the search, which is how a
// test ends the searches that would otherwise run until the user stops them.
#include "solvers/searchhost.h"

#include <deque>
#include <vector>

namespace vy::test {

class FakeSearchHost final : public SearchHost {
public:
    explicit FakeSearchHost(std::string answerBefore = "") { setAnswer(std::move(answerBefore)); }

    void setProgressRange(long double maximum) override
    {
        maximum_ = maximum;
        position_ = 0;
        ++ranges_;
    }
    void stepProgress() override
    {
        position_ += 1;
        ++steps_;
    }
    void setProgressPosition(long double position) override { position_ = position; }
    void fillProgress() override
    {
        position_ = maximum_;
        filled_ = true;
    }
    void searchRunning() override { running_ = true; }
    void busyCursor() override { busy_ = true; }
    DialogReply ask(const SearchDialog& dialog) override
    {
        dialogs_.push_back(dialog);
        proceedsAtDialog_.push_back(proceeds_);
        if (replies_.empty())
            throw SearchCancelled{};
        const DialogReply reply = replies_.front();
        replies_.pop_front();
        return reply;
    }
    bool proceed() override { return ++proceeds_ <= proceedLimit_; }

    // Replies for the coming dialogs, in order.
    std::deque<DialogReply> replies_;
    // proceed() says "cancelled" after this many calls.
    long proceedLimit_ = 50'000'000;

    long double maximum_ = 100;
    long double position_ = 100;
    long ranges_ = 0;
    long steps_ = 0;
    long proceeds_ = 0;
    bool filled_ = false;
    bool running_ = false;
    bool busy_ = false;
    std::vector<SearchDialog> dialogs_;
    std::vector<long> proceedsAtDialog_; // how many points the search had passed at each dialog

protected:
    void answerChanged() override { ++changes_; }

public:
    long changes_ = 0;
};

} // namespace vy::test
