#include "solvers/searchrunner.h"

#include <exception>
#include <utility>

namespace vy {

namespace {

std::string shown(const std::string& answer)
{
    if (answer.size() <= kShownAnswerLimit)
        return answer;
    std::size_t cut = kShownAnswerLimit;
    while (cut > 0 && (static_cast<unsigned char>(answer[cut]) & 0xC0) == 0x80)
        --cut; // not inside a UTF-8 sequence
    return answer.substr(0, cut) + "…";
}

const char* const kSearchFailed = "Ошибка при решении уравнения";

// The search's side: keeps what the window should show and hands it over when
// it matters (a new range, the start, a dialog, the end) or when the runner
// says an update is due.
class Host final : public SearchHost {
public:
    Host(JobControl& control, SearchView& view, std::string answer) : control_(control), view_(view)
    {
        setAnswer(std::move(answer));
        answerDirty_ = false;
    }

    void setProgressRange(long double maximum) override
    {
        ranged_ = true;
        progress_ = {0, maximum};
        progressDirty_ = true;
        flush();
    }
    void stepProgress() override
    {
        progress_.position += 1;
        progressDirty_ = true;
        soon();
    }
    void setProgressPosition(long double position) override
    {
        progress_.position = position;
        progressDirty_ = true;
        flush();
    }
    void fillProgress() override
    {
        if (ranged_) {
            setProgressPosition(progress_.maximum);
            return;
        }
        fullBar_ = true;
        flush();
    }
    void searchRunning() override
    {
        running_ = true;
        flush();
    }
    void busyCursor() override
    {
        busy_ = true;
        flush();
    }
    DialogReply ask(const SearchDialog& dialog) override
    {
        flush();
        SearchView* view = &view_;
        return static_cast<DialogReply>(control_.ask([view, dialog](std::function<void(int)> reply) {
            view->dialog(dialog, [reply](DialogReply r) { reply(static_cast<int>(r)); });
        }));
    }
    bool proceed() override
    {
        soon();
        return control_.proceed();
    }

    // Everything not yet shown, now.
    void flush()
    {
        SearchUpdate update;
        if (answerDirty_)
            update.answer = shown(answer());
        if (progressDirty_)
            update.progress = progress_;
        update.running = running_;
        update.busy = busy_;
        update.fullBar = fullBar_;
        answerDirty_ = progressDirty_ = fullBar_ = false;
        SearchView* view = &view_;
        control_.post([view, update = std::move(update)] { view->update(update); });
    }

protected:
    void answerChanged() override
    {
        answerDirty_ = true;
        soon();
    }

private:
    void soon()
    {
        if (control_.due())
            flush();
    }

    JobControl& control_;
    SearchView& view_;
    SearchProgress progress_;
    bool answerDirty_ = false;
    bool progressDirty_ = false;
    bool ranged_ = false;
    bool fullBar_ = false;
    bool running_ = false;
    bool busy_ = false;
};

std::string failureText(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        return *e.what() != '\0' ? e.what() : kSearchFailed;
    } catch (...) {
        return kSearchFailed;
    }
}

} // namespace

SearchRunner::SearchRunner(JobRunner::Post post, SearchView& view, std::chrono::milliseconds interval)
    : view_(view), runner_(std::move(post), interval)
{
}

bool SearchRunner::start(Job job, std::string answer)
{
    SearchView* view = &view_;
    const bool started = runner_.start(
        [view, job = std::move(job), answer = std::move(answer)](JobControl& control) {
            Host host(control, *view, answer);
            try {
                job(host);
            } catch (const JobCancelled&) {
                throw;
            } catch (...) {
                host.flush(); // what was shown before the failure stays
                throw;
            }
            host.flush();
        },
        {.progress = {},
         .finished = [view](std::exception_ptr failure) {
             view->finished(failure ? failureText(failure) : std::string());
         }});
    if (started)
        cancelled_ = false;
    return started;
}

void SearchRunner::cancel()
{
    cancelled_ = true;
    runner_.cancel();
}

} // namespace vy
