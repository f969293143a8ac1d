// The help viewer finds the page the program names and shows it, with every page
// of the help folder in its contents.
#include "tools/helpviewer/helpview.h"

#include "tests/support/guitest.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

namespace vy::helpviewer {
void PrintTo(const HelpLocation& l, std::ostream* os) { *os << l.folder.toStdString() << " :: " << l.page.toStdString(); }
} // namespace vy::helpviewer

namespace vy::test {
namespace {

using helpviewer::HelpLocation;
using helpviewer::HelpView;
using helpviewer::locateHelp;

TEST(HelpArgument, NamesTheFolderBesideTheHelpFileAndThePage)
{
    const QString program = QStringLiteral("/opt/Вычислица 2/");
    struct Row {
        const char* argument;
        HelpLocation expected;
    };
    const Row rows[] = {
        {"/opt/Вычислица 2/Help.chm::/Мат выражение.htm", {"/opt/Вычислица 2/Help", "Мат выражение.htm"}},
        {"\"/opt/Вычислица 2/Help.chm::/Мат выражение.htm\"", {"/opt/Вычислица 2/Help", "Мат выражение.htm"}},
        {"Help.chm::/sub\\page.htm", {"/opt/Вычислица 2/Help", "sub/page.htm"}},
        {"/srv/other.help.chm", {"/srv/other.help", ""}},
        {"", {"/opt/Вычислица 2/Help", ""}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(locateHelp(QString::fromUtf8(row.argument), program), row.expected) << row.argument;
}

class HelpViewTest : public GuiTest {
protected:
    HelpViewTest()
    {
        QDir().mkpath(QString::fromStdString(path("Help")));
        page("Help/Мат выражение.htm", "Мат выражение",
             "<p>Выражения.</p><a href=\"График функций.htm\">Графики</a>");
        page("Help/График функций.htm", "График функций", "<p>Графики функций.</p>");
        page("Outside.htm", "Снаружи", "<p>Не справка.</p>");
    }

    void page(const std::string& name, const char* title, const char* body) const
    {
        QFile f(QString::fromStdString(path(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("<html><head><meta charset=\"utf-8\"><title>") + title + "</title></head><body>" + body +
                "</body></html>");
    }

    QString argument(const char* page) const
    {
        return QString::fromStdString(path("Help.chm::/")) + QString::fromUtf8(page);
    }

    static QString text(const HelpView& view) { return view.browser()->toPlainText(); }
};

TEST_F(HelpViewTest, OpensTheNamedPageAndListsEveryPageOfTheFolder)
{
    HelpView view(locateHelp(argument("Мат выражение.htm"), {}));
    EXPECT_EQ(view.currentPage(), QStringLiteral("Мат выражение.htm"));
    EXPECT_TRUE(text(view).contains(QStringLiteral("Выражения."))) << text(view).toStdString();
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Справка — Мат выражение"));
    // A page is added by putting its file into the folder.
    EXPECT_EQ(view.pages(), (QStringList{QStringLiteral("График функций.htm"), QStringLiteral("Мат выражение.htm")}));
    auto* contents = view.findChild<QListWidget*>(QStringLiteral("Contents"));
    ASSERT_NE(contents, nullptr);
    ASSERT_NE(contents->currentItem(), nullptr);
    EXPECT_EQ(contents->currentItem()->text(), QStringLiteral("Мат выражение"));

    // Following a link to another page from the keyboard, then back.
    view.show();
    view.browser()->setFocus();
    QTest::keyClick(view.browser(), Qt::Key_Tab);
    QTest::keyClick(view.browser(), Qt::Key_Return);
    EXPECT_EQ(view.currentPage(), QStringLiteral("График функций.htm"));
    ASSERT_NE(contents->currentItem(), nullptr);
    EXPECT_EQ(contents->currentItem()->text(), QStringLiteral("График функций"));
    auto* back = view.findChild<QToolButton*>(QStringLiteral("BackBtn"));
    ASSERT_TRUE(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(view.currentPage(), QStringLiteral("Мат выражение.htm"));
}

TEST_F(HelpViewTest, WithoutAPageShowsTheFirstOne)
{
    HelpView view(locateHelp(QString::fromStdString(path("Help.chm")), {}));
    EXPECT_EQ(view.currentPage(), QStringLiteral("График функций.htm"));
}

TEST_F(HelpViewTest, AMissingPageOrOneOutsideTheFolderGivesANoticeInstead)
{
    HelpView view(locateHelp(argument("Нет такой.htm"), {}));
    EXPECT_TRUE(view.currentPage().isEmpty());
    EXPECT_TRUE(text(view).contains(QStringLiteral("«Нет такой.htm»"))) << text(view).toStdString();

    EXPECT_TRUE(view.openPage(QStringLiteral("Мат выражение.htm")));
    EXPECT_FALSE(view.openPage(QStringLiteral("../Outside.htm")));
    EXPECT_FALSE(text(view).contains(QStringLiteral("Не справка.")));
    // The page shown before the notice comes back when asked for again.
    EXPECT_TRUE(view.openPage(QStringLiteral("Мат выражение.htm")));
    EXPECT_EQ(view.currentPage(), QStringLiteral("Мат выражение.htm"));
    EXPECT_TRUE(text(view).contains(QStringLiteral("Выражения.")));
}

TEST_F(HelpViewTest, AnEmptyFolderSaysSo)
{
    QDir(QString::fromStdString(path("Help"))).removeRecursively();
    HelpView view(locateHelp(argument(""), {}));
    EXPECT_TRUE(view.pages().isEmpty());
    EXPECT_TRUE(text(view).contains(QStringLiteral("нет ни одной страницы"))) << text(view).toStdString();
}

TEST(ShippedHelp, EveryPageTheWindowsOpenLiesBesideTheProgram)
{
    ensureApplication();
    const struct {
        const char* page;
        const char* title;
        const char* phrase;
    } rows[] = {
        {"Мат выражение.htm", "Мат выражение", "Ошибка преобразования выражения!"},
        {"График функций.htm", "График функций", "Отменить сдвиг"},
    };
    for (const auto& row : rows) {
        HelpView view(locateHelp(QStringLiteral(VY_PROGRAM_DIR "Help.chm::/") + QString::fromUtf8(row.page), {}));
        EXPECT_EQ(view.currentPage(), QString::fromUtf8(row.page));
        EXPECT_EQ(view.browser()->documentTitle(), QString::fromUtf8(row.title));
        EXPECT_TRUE(view.browser()->toPlainText().contains(QString::fromUtf8(row.phrase))) << row.page;
    }
}

} // namespace
} // namespace vy::test
