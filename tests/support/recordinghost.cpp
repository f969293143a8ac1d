#include "tests/support/recordinghost.h"

namespace vy::test {

namespace {
const char* journalName(Shown::Kind kind) {
    switch (kind) {
    case Shown::Kind::Plain: return "plainMessage";
    case Shown::Kind::Information: return "informationDialog";
    case Shown::Kind::Box: return "messageBox";
    case Shown::Kind::Balloon: return "balloon";
    case Shown::Kind::GeneralError: return "generalError";
    case Shown::Kind::Question: return "question";
    }
    return "?";
}
const std::string kTitle = "Вычислица";
} // namespace

void RecordingPresenter::record(Shown item) {
    journal_.push_back(std::string(journalName(item.kind)) + ":" + item.text);
    shown.push_back(std::move(item));
}

void RecordingPresenter::plainMessage(const std::string& text) {
    record({Shown::Kind::Plain, text, kTitle, Icon::None, {}, nullptr});
}
void RecordingPresenter::informationDialog(const std::string& text) {
    record({Shown::Kind::Information, text, "Information", Icon::Information, {}, nullptr});
}
void RecordingPresenter::messageBox(const std::string& text, const std::string& caption, Icon icon) {
    record({Shown::Kind::Box, text, caption, icon, {}, nullptr});
}
void RecordingPresenter::balloon(const std::string& text, ScreenPoint stem, void* owner) {
    record({Shown::Kind::Balloon, text, kTitle, Icon::Information, stem, owner});
}
void RecordingPresenter::generalError(const std::string& text) {
    record({Shown::Kind::GeneralError, text, kTitle, Icon::Error, {}, nullptr});
}
bool RecordingPresenter::question(const std::string& text, const std::string& caption) {
    record({Shown::Kind::Question, text, caption, Icon::Question, {}, nullptr});
    return answer;
}

} // namespace vy::test
