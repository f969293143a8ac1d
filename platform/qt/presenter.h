#pragma once
// Qt presentations of messages, the balloon notice and the sounds.
#include "platform/host.h"

#include <QMessageBox>
#include <QString>
#include <memory>

class QWidget;

namespace vy::platform {

// Windows text breaks a line at a lone carriage return; Qt breaks at line feed.
QString messageText(const std::string& utf8);

// The message box every presentation shows, at least as wide as its caption needs.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, const QString& caption, QMessageBox::Icon icon,
                                            QMessageBox::StandardButtons buttons, QWidget* parent = nullptr);

class QtPresenter final : public Presenter {
public:
    void plainMessage(const std::string& text) override;
    void informationDialog(const std::string& text) override;
    void messageBox(const std::string& text, const std::string& caption, Icon icon) override;
    void balloon(const std::string& text, ScreenPoint stem, void* owner) override;
    void generalError(const std::string& text) override;
    bool question(const std::string& text, const std::string& caption) override;
};

// Both sounds are the desktop's bell: the program has no sound files of its own,
// and a bell is what the user's desktop already uses for "that did not work".
class QtSounds final : public Sounds {
public:
    void criticalStop() override;
    void exclamation() override;
};

class QtClock final : public Clock {
public:
    LocalTime now() const override;
};

class QtEnvironment final : public Environment {
public:
    std::string programFolder() const override;
    std::string loginName() const override;
    bool startDetached(const std::string& program, const std::vector<std::string>& args) override;
    RunResult runAndWait(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
                         int timeoutMs) override;
};

// The program file for a name: in the program's own folder first, then on the
// search path; empty when there is none.
QString findProgram(const std::string& program, const std::string& programFolder);

// Runs a program file in folder and waits for it, at most timeoutMs (the real
// environment's runAndWait; tests use it to run real programs).
Environment::RunResult runProgramAndWait(const QString& path, const std::vector<std::string>& args,
                                         const std::string& folder, int timeoutMs);

// The real host, owning one of each.
class QtHost {
public:
    Host host() { return Host{presenter_, sounds_, clock_, environment_}; }
    QtPresenter& presenter() { return presenter_; }

private:
    QtPresenter presenter_;
    QtSounds sounds_;
    QtClock clock_;
    QtEnvironment environment_;
};

} // namespace vy::platform
