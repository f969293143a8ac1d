#pragma once
// Fixture for the main window: a recording host, its own program folder, and
// by default a settings file that turns both animations off.
#include "app/form1.h"
#include "core/settingskeys.h"
#include "tests/support/windowtest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <memory>

namespace vy::test {

class Form1Test : public GuiTest {
protected:
    Form1Test() { writeFile("Вычислица.ini", "[tester]\r\nopenanim=0\r\ncloseanim=0\r\n"); }

    std::unique_ptr<TForm1> makeForm() { return std::make_unique<TForm1>(host_.host(), DataFolder{folder()}); }
    // Shown and made the active window, as the program does at start.
    std::unique_ptr<TForm1> showForm();

    // Controls by their designed names.
    static QLineEdit* field(TForm1& form, const char* name) { return control<QLineEdit>(form, name); }
    static QPushButton* button(TForm1& form, const char* name) { return control<QPushButton>(form, name); }
    static QLabel* resultLabel(TForm1& form, const char* name) { return control<QLabel>(form, name); }
    static void setText(TForm1& form, const char* name, const QString& text) { field(form, name)->setText(text); }
    static std::string label(TForm1& form, const char* name) { return resultLabel(form, name)->text().toStdString(); }
    std::string protocol() const { return readFile("Вычислица.log"); }
    // One timeout of a timer, without waiting for it.
    static void tick(QTimer* timer) { ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout")); }
    std::string lastProtocolLine() const;
};

} // namespace vy::test
