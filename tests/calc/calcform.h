#pragma once
// Shared by the calculator window tests: the window under test, shown and
// active, in the test's own program folder.
#include "tests/support/windowtest.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace vy::test {

template <class Window>
class CalcFormTest : public GuiTest {
protected:
    CalcFormTest() : form(host_.host(), DataFolder{folder()}) {}

    void showActive()
    {
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QLineEdit* edit(const char* name) { return control<QLineEdit>(form, name); }
    std::string labelText(const char* name) { return control<QLabel>(form, name)->text().toStdString(); }
    void setText(const char* name, const char* text) { edit(name)->setText(QString::fromUtf8(text)); }
    void click(const char* button) { control<QAbstractButton>(form, button)->click(); }

    // What the presenter was asked to show, in order.
    std::vector<std::string> shownTexts() const
    {
        std::vector<std::string> texts;
        for (const Shown& s : host_.presenter.shown)
            texts.push_back(s.text);
        return texts;
    }

    Window form;
};

} // namespace vy::test
