#include "tests/app/form1_test.h"

#include <QApplication>
#include <QTest>

namespace vy::test {

std::unique_ptr<TForm1> Form1Test::showForm() {
    auto form = makeForm();
    form->show();
    QApplication::setActiveWindow(form.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    return form;
}

std::string Form1Test::lastProtocolLine() const {
    std::string text = protocol();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
    const auto cut = text.rfind("\r\n");
    return cut == std::string::npos ? text : text.substr(cut + 2);
}

} // namespace vy::test
