#include "calc/ui/form12.h"

#include "calc/ui/form13.h"
#include "calc/ui/form15.h"
#include "calc/ui/form18.h"
#include "tests/support/windowtest.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace vy::test {
namespace {

// How much of the picture burns: the red pixels, and whether anything but
// pure red on black, or red outside the fire's part (x 10..250, y 0..70),
// turned up.
struct Burn {
    int red = 0;
    int above = 0; // red above the letters (y < 15)
    bool stray = false;
};

Burn burnOf(const QImage& picture)
{
    Burn burn;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if ((p & 0xFFFFFFu) == 0)
                continue;
            if (qGreen(p) != 0 || qBlue(p) != 0 || x < 10 || x > 250 || y > 70)
                burn.stray = true;
            ++burn.red;
            burn.above += y < 15;
        }
    return burn;
}

class Form12Test : public GuiTest {
protected:
    Form12Test()
        : identities(host_.host(), DataFolder{folder()}), signs(host_.host(), DataFolder{folder()}),
          powers(host_.host(), DataFolder{folder()}),
          form(host_.host(), DataFolder{folder()}, [this](const char* name) { return find(name); })
    {
        const std::filesystem::path tables = std::filesystem::path(folder()) / "Tables";
        std::filesystem::create_directories(tables);
        for (const char* file : {TForm13::kFile, TForm15::kFile})
            std::filesystem::copy_file(std::filesystem::path(VY_TABLE_PICTURES) / file, tables / file);
    }
    ~Form12Test() override { form.close(); }

    QWidget* find(const char* name)
    {
        const std::map<std::string, QWidget*> windows = {
            {"TForm13", &identities}, {"TForm15", &signs}, {"TForm18", &powers}};
        const auto found = windows.find(name);
        return found == windows.end() ? nullptr : found->second;
    }

    QAction* item(const char* name) { return form.findChild<QAction*>(QString::fromLatin1(name)); }

    // Opens a table from the menu; while it is shown, inside runs and should
    // close it.
    void openTable(const char* item, const std::function<void(QWidget&)>& inside)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QWidget* table = QApplication::activeModalWidget();
            EXPECT_NE(table, nullptr);
            if (table) {
                inside(*table);
                ran = true;
                if (table->isVisible()) {
                    ADD_FAILURE() << "the table stayed open";
                    table->close();
                }
            }
        });
        this->item(item)->trigger();
        EXPECT_TRUE(ran);
    }

    bool burnsAbove(int pixels)
    {
        return waitUntil([&] { return burnOf(form.picture()).above > pixels; }, 10000);
    }

    TForm13 identities;
    TForm15 signs;
    TForm18 powers;
    TForm12 form;
};

TEST_F(Form12Test, MenuAsDesigned)
{
    EXPECT_EQ(form.windowTitle(), "Таблицы");
    EXPECT_EQ(control<QWidget>(form, "Image1")->size(), QSize(254, 74));
    EXPECT_EQ(form.width(), 254);

    const auto* bar = control<QMenuBar>(form, "MainMenu1");
    const auto* tables = control<QMenu>(form, "N1");
    ASSERT_TRUE(bar && tables);
    EXPECT_EQ(tables->title(), "Таблицы");
    QStringList captions;
    for (const QAction* action : tables->actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{"Сокращенное умножение", "Талица sin cos tg ctg", "Знаки sin cos tg ctg",
                                     "Логарифмы", "Таблица степеней любого числа"}));
    EXPECT_FALSE(item("N3")->isEnabled());
    EXPECT_TRUE(item("N3")->text().trimmed().isEmpty());

    // "Выход" is on the bar, at its right end, not behind an overflow button.
    form.show();
    processEvents();
    EXPECT_EQ(item("N4")->text(), "Выход");
    const QRect exit = bar->actionGeometry(item("N4"));
    EXPECT_TRUE(bar->rect().contains(exit)) << exit.x() << "+" << exit.width();
    EXPECT_GT(exit.x(), bar->width() / 2);
}

TEST_F(Form12Test, FireBurnsInRedWhileOpenAndStopsWhenClosed)
{
    EXPECT_FALSE(form.burning());
    form.show();
    EXPECT_TRUE(form.burning());
    ASSERT_TRUE(burnsAbove(50)) << "flames should rise above the letters";
    EXPECT_FALSE(burnOf(form.picture()).stray);

    form.close();
    EXPECT_FALSE(form.burning()); // stopped and joined

    form.show();
    EXPECT_TRUE(form.burning());
    item("N4")->trigger(); // "Выход"
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.burning());
}

TEST_F(Form12Test, PowersTableOpensModallyWhileTheFireGoesOn)
{
    form.show();
    openTable("N7", [&](QWidget& table) {
        EXPECT_EQ(&table, &powers);
        EXPECT_TRUE(form.burning());
        table.close();
    });
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.burning());
    EXPECT_TRUE(burnsAbove(50));
}

TEST_F(Form12Test, ClosingAPictureRepaintsTheWindowExceptForTheSigns)
{
    form.show();
    ASSERT_TRUE(burnsAbove(50));
    // Let the flickering tops of the flames leave their red behind.
    QTest::qWait(800);

    openTable("N5", [&](QWidget& table) {
        EXPECT_EQ(&table, &signs);
        QTest::mouseClick(control<QWidget>(table, "Image1"), Qt::LeftButton);
    });
    const int accumulated = burnOf(form.picture()).above;
    EXPECT_GT(accumulated, 0) << "the signs leave the picture as it was";

    openTable("N2", [&](QWidget& table) {
        EXPECT_EQ(&table, &identities);
        QTest::mouseClick(control<QWidget>(table, "Image1"), Qt::LeftButton);
        EXPECT_EQ(burnOf(form.picture()).red, 0) << "wiped at once";
    });
    // The fire paints on a clean picture again: only what burns now is red,
    // far less than the tops of the flames leave behind over many frames.
    ASSERT_TRUE(waitUntil([&] { return burnOf(form.picture()).red > 0; }));
    EXPECT_LT(burnOf(form.picture()).above, accumulated);
    EXPECT_TRUE(form.burning());
}

TEST_F(Form12Test, TablesNotBuiltAreNotOpened)
{
    form.show();
    item("N6")->trigger(); // no TForm16 here
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(host_.presenter.shown.empty());
}

} // namespace
} // namespace vy::test
