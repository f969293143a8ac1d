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

} // namespace

// The search's side: keeps what the window should show and passes it on when
// it matters (a new range, the start, a dialog, the end) or when the interval
// has passed since the last update.
class SearchRunner::Host final : public SearchHost {
public:
    Host(SearchRunner& runner, std::string answer) : runner_(runner)
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
        return runner_.waitForReply(dialog);
    }
    bool proceed() override
    {
        soon();
        return runner_.waitWhilePaused();
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
        last_ = std::chrono::steady_clock::now();
        runner_.tell([&](SearchView& view) { view.update(update); });
    }

protected:
    void answerChanged() override
    {
        answerDirty_ = true;
        soon(true);
    }

private:
    // An update once the interval has passed. The clock is read only every so
    // many calls, as a scan makes millions of them.
    void soon(bool now = false)
    {
        if (!now && ++calls_ % 128 != 0)
            return;
        if (std::chrono::steady_clock::now() - last_ >= runner_.interval_)
            flush();
    }

    SearchRunner& runner_;
    SearchProgress progress_;
    bool answerDirty_ = false;
    bool progressDirty_ = false;
    bool ranged_ = false;
    bool fullBar_ = false;
    bool running_ = false;
    bool busy_ = false;
    unsigned calls_ = 0;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

SearchRunner::SearchRunner(SearchView& view, std::chrono::milliseconds interval) : view_(view), interval_(interval) {}

SearchRunner::~SearchRunner() { cancel(); }

bool SearchRunner::start(Job job, std::string answer)
{
    if (thread_.joinable())
        return false;
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
        cancelled_ = false;
        reply_.reset();
        ++run_;
    }
    thread_ = std::thread([this, job = std::move(job), answer = std::move(answer)]() mutable {
        body(job, std::move(answer));
    });
    return true;
}

void SearchRunner::body(const Job& job, std::string answer)
{
    Host host(*this, std::move(answer));
    std::string failure;
    try {
        job(host);
    } catch (const SearchCancelled&) {
        return;
    } catch (const std::exception& e) {
        failure = e.what();
        if (failure.empty())
            failure = "Ошибка при решении уравнения";
    } catch (...) {
        failure = "Ошибка при решении уравнения";
    }
    host.flush();
    tell([&](SearchView& view) { view.finished(failure); });
}

template <typename Call>
void SearchRunner::tell(Call&& call)
{
    std::lock_guard lock(mutex_);
    if (!cancelled_)
        call(view_);
}

void SearchRunner::pause()
{
    std::lock_guard lock(mutex_);
    paused_ = true;
}

void SearchRunner::resume()
{
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
    }
    wake_.notify_all();
}

bool SearchRunner::paused() const { return paused_; }

bool SearchRunner::cancelled() const { return cancelled_; }

void SearchRunner::cancel()
{
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    wake_.notify_all();
    join();
}

void SearchRunner::reply(DialogReply reply)
{
    {
        std::lock_guard lock(mutex_);
        reply_ = reply;
    }
    wake_.notify_all();
}

void SearchRunner::join()
{
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
}

bool SearchRunner::waitWhilePaused()
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

DialogReply SearchRunner::waitForReply(const SearchDialog& dialog)
{
    std::unique_lock lock(mutex_);
    if (cancelled_)
        throw SearchCancelled{};
    reply_.reset();
    view_.dialog(dialog);
    wake_.wait(lock, [this] { return reply_.has_value() || cancelled_.load(); });
    if (cancelled_)
        throw SearchCancelled{};
    const DialogReply answer = *reply_;
    reply_.reset();
    return answer;
}

} // namespace vy
