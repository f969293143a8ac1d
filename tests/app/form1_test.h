#pragma once
// Fixture for the main window: a recording host, its own program folder, and
// by default a settings file that turns both animations off.
#include "app/form1.h"
#include "tests/support/guitest.h"

#include <QLabel>
#include <QLineEdit>
#include <memory>

namespace vy::test {

class Form1Test : public GuiTest {
protected:
    Form1Test() { writeFile("Вычислица.ini", "[tester]\r\nopenanim=0\r\ncloseanim=0\r\n"); }

    std::unique_ptr<TForm1> makeForm() { return std::make_unique<TForm1>(host_.host(), DataFolder{folder()}); }
    // Shown and made the active window, as the program does at start.
    std::unique_ptr<TForm1> showForm();

    static void setText(TForm1& form, const char* field, const QString& text) { form.edit(field)->setText(text); }
    static std::string label(TForm1& form, const char* name) { return form.result(name)->text().toStdString(); }
    std::string protocol() const { return readFile("Вычислица.log"); }
    std::string lastProtocolLine() const;
};

} // namespace vy::test
