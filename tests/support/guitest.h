#pragma once
// Base fixture for window tests on the offscreen platform. Each test gets its own
// temporary program folder and a recording host; a real dialog or balloon that
// opens anyway fails the test and is closed at once, so nothing ever blocks.
#include "tests/support/recordinghost.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class QWidget;

namespace vy::test {

// The test process's one application (our own, with the last-resort guard).
void ensureApplication();

class DialogTrap : public QObject {
public:
    DialogTrap();
    ~DialogTrap() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class GuiTest : public ::testing::Test {
protected:
    GuiTest();
    ~GuiTest() override;

    // The program folder of this test, ending in '/'.
    const std::string& folder() const { return host_.environment.folder; }
    std::string path(const std::string& name) const { return folder() + name; }
    // A file of the program folder decoded from Windows-1251 ("" when missing).
    std::string readFile(const std::string& name) const;
    void writeFile(const std::string& name, const std::string& utf8) const; // to Windows-1251, folders made
    bool exists(const std::string& name) const;

    TestHost host_;

private:
    QTemporaryDir dir_;
    std::unique_ptr<DialogTrap> trap_;
};

// Types text into a widget one key event per character, the event carrying the
// character (QTest::keyClicks cannot type Cyrillic).
void typeText(QWidget* widget, const QString& text);
// A key press and release without text (arrows) or with its usual text (Enter).
void pressKey(QWidget* widget, int key);
// Runs pending events (posted events and zero timers).
void processEvents();

} // namespace vy::test
