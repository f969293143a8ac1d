// The log viewer shows the protocol decoded and keeps up with the program's writes.
#include "tools/logreader/logview.h"

#include "tests/support/guitest.h"

#include <QFile>
#include <QTest>

namespace vy::test {
namespace {

class LogViewTest : public GuiTest {};

TEST_F(LogViewTest, ShowsTheProtocolDecodedAndFollowsRecreationAndAppends) {
    const QString file = QString::fromStdString(path("Вычислица.log"));
    logreader::LogView view(file);
    EXPECT_TRUE(view.toPlainText().isEmpty()) << "no protocol yet";

    writeFile("Вычислица.log", "Протокол\r\n2 + 3 = 5\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(view.toPlainText(), QString::fromUtf8("Протокол\n2 + 3 = 5\n"), 5000);

    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("\xD1\xF3\xEC\xEC\xE0\r\n"); // "Сумма" in Windows-1251
    }
    QTRY_VERIFY_WITH_TIMEOUT(view.toPlainText().endsWith(QString::fromUtf8("Сумма\n")), 5000);

    // The program recreates the file at each activation.
    QFile::remove(file);
    writeFile("Вычислица.log", "новый\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(view.toPlainText(), QString::fromUtf8("новый\n"), 5000);
}

} // namespace
} // namespace vy::test
