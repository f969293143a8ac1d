#pragma once
// Shared by the window tests of the equation solver and the integrals.
#include "solvers/ui/searchdialogs.h"
#include "tests/support/windowtest.h"

#include <functional>
#include <vector>

namespace vy::test {

// The search's dialogs as a test sees them: each one noted, answered by the test.
class FakeSearchDialogs final : public SearchDialogs {
public:
    struct Log {
        std::vector<SearchDialog> opened;
        int dismissed = 0;
        std::function<void(DialogReply)> pending;
    };
    explicit FakeSearchDialogs(Log& log) : log_(log) {}
    void open(const SearchDialog& dialog, std::function<void(DialogReply)> done) override
    {
        log_.opened.push_back(dialog);
        log_.pending = std::move(done);
    }
    void dismiss() override
    {
        if (log_.pending)
            ++log_.dismissed;
        log_.pending = nullptr;
    }

private:
    Log& log_;
};

} // namespace vy::test
