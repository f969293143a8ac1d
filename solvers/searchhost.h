#pragma once
// What an equation search needs from whoever runs it: somewhere to show the
// answer as it grows, a progress bar, a way to put a message box or a question
// in front of the user and wait for the reply, and a point between two steps
// where the search can be held (pause) or ended (cancel).
#include "core/jobrunner.h"

#include <string>
#include <string_view>
#include <utility>

namespace vy {

// Thrown through a search when its caller has cancelled it; never shown.
using SearchCancelled = JobCancelled;

enum class DialogReply { Ok, Yes, No, Cancel };

struct SearchDialog {
    enum class Kind {
        Error,    // error icon, OK
        Question, // question icon, Yes, No and Cancel
    };
    Kind kind = Kind::Error;
    std::string text; // lines broken by '\r'
    std::string caption;
    bool operator==(const SearchDialog&) const = default;
};

class SearchHost {
public:
    virtual ~SearchHost() = default;

    // The answer text. The search sets it and appends to it root by root; the
    // host keeps it, so showing it at the host's own pace never copies it per root.
    void setAnswer(std::string text)
    {
        answer_ = std::move(text);
        answerChanged();
    }
    void appendAnswer(std::string_view piece)
    {
        answer_ += piece;
        answerChanged();
    }
    const std::string& answer() const { return answer_; }

    // Progress bar: range 0..maximum with the position at 0; one step of 1;
    // an explicit position; the position set to the maximum. Ranges may exceed
    // 32 bits (a long scan), so they travel as extended values.
    virtual void setProgressRange(long double maximum) = 0;
    virtual void stepProgress() = 0;
    virtual void setProgressPosition(long double position) = 0;
    virtual void fillProgress() = 0;

    // The search has passed its formula check and is under way: the window
    // disables its start button. busyCursor shows the hourglass.
    virtual void searchRunning() = 0;
    virtual void busyCursor() = 0;

    // Shows a dialog and waits for the user's reply. Throws SearchCancelled
    // when the search is cancelled while it waits.
    virtual DialogReply ask(const SearchDialog& dialog) = 0;

    // Called between two steps: waits while the search is paused and returns
    // false once it has been cancelled.
    virtual bool proceed() = 0;

protected:
    // answer() has changed.
    virtual void answerChanged() = 0;

private:
    std::string answer_;
};

// The usual use of proceed(): unwind the search when it has been cancelled.
inline void checkpoint(SearchHost& host)
{
    if (!host.proceed())
        throw SearchCancelled{};
}

} // namespace vy
