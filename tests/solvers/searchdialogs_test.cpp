// The real message boxes of a running search: they open without blocking and
// hand the user's button back. (The window tests use a stand-in instead.)
#include "solvers/ui/searchdialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace vy {
namespace {

// One application for the process, ended before main() returns.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "searchdialogs_test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

class SearchDialogsTest : public ::testing::Test {
protected:
    QMessageBox* box() { return owner.findChild<QMessageBox*>(); }
    void open(SearchDialog::Kind kind)
    {
        dialogs.open({kind, "Первая строка\rвторая", "Заголовок"}, [this](DialogReply r) { reply = r; });
        QApplication::processEvents();
        ASSERT_TRUE(box());
        ASSERT_TRUE(box()->isVisible());
    }
    void settle()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    QWidget owner;
    QtSearchDialogs dialogs{&owner};
    std::optional<DialogReply> reply;
};

TEST_F(SearchDialogsTest, QuestionOffersYesNoCancelAndReturnsThePressedOne)
{
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
        DialogReply expected;
    } rows[] = {{QMessageBox::Yes, "Да", DialogReply::Yes},
                {QMessageBox::No, "Нет", DialogReply::No},
                {QMessageBox::Cancel, "Отмена", DialogReply::Cancel}};
    for (const auto& [button, text, expected] : rows) {
        reply.reset();
        open(SearchDialog::Kind::Question);
        EXPECT_EQ(box()->button(button)->text(), text);
        EXPECT_EQ(box()->windowTitle(), "Заголовок");
        EXPECT_EQ(box()->text(), "Первая строка\nвторая");
        EXPECT_EQ(box()->icon(), QMessageBox::Question);
        EXPECT_EQ(box()->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_FALSE(box()->isModal()); // the window's own buttons stay usable
        EXPECT_FALSE(reply);
        box()->button(button)->click();
        settle();
        EXPECT_EQ(reply, expected);
        EXPECT_FALSE(box());
    }
}

TEST_F(SearchDialogsTest, ClosingAQuestionByItsFrameContinuesLikeCancel)
{
    open(SearchDialog::Kind::Question);
    box()->close();
    settle();
    EXPECT_EQ(reply, DialogReply::Cancel);
}

TEST_F(SearchDialogsTest, ErrorBoxHasOnlyOk)
{
    open(SearchDialog::Kind::Error);
    EXPECT_EQ(box()->icon(), QMessageBox::Critical);
    EXPECT_EQ(box()->standardButtons(), QMessageBox::Ok);
    box()->button(QMessageBox::Ok)->click();
    settle();
    EXPECT_EQ(reply, DialogReply::Ok);
}

TEST_F(SearchDialogsTest, DismissTakesTheBoxAwayWithoutAReply)
{
    open(SearchDialog::Kind::Question);
    dialogs.dismiss();
    settle();
    EXPECT_FALSE(box());
    EXPECT_FALSE(reply);
}

} // namespace
} // namespace vy
