// The real balloon notice and message texts (nothing modal is opened here).
#include "platform/qt/balloon.h"
#include "platform/qt/presenter.h"
#include "tests/support/guitest.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <memory>

namespace {

using vy::platform::BalloonNotice;

class BalloonTest : public ::testing::Test {
protected:
    BalloonTest() {
        vy::test::ensureApplication();
        owner_ = std::make_unique<QWidget>();
    }
    QWidget* owner() const { return owner_.get(); }

private:
    std::unique_ptr<QWidget> owner_;
};

TEST_F(BalloonTest, PointsItsStemAtThePointAndWrapsTextAt250Pixels) {
    const QString text = QString::fromUtf8("Здесь должно быть число. При записи дробного числа используйте запятую.");
    QPointer<BalloonNotice> notice = BalloonNotice::show(text, QPoint(300, 200), owner());
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), text);
    EXPECT_EQ(notice->parentWidget(), owner());
    const auto* label = notice->findChild<QLabel*>("BalloonText");
    ASSERT_NE(label, nullptr);
    EXPECT_LE(label->width(), BalloonNotice::kTextWidth);
    EXPECT_GT(label->heightForWidth(label->width()), label->fontMetrics().height()) << "long text wraps";
    // Room below the point: the bubble hangs under it, the stem tip exactly on it.
    ASSERT_TRUE(notice->stemAtTop());
    EXPECT_EQ(notice->geometry().top(), 200);
    EXPECT_LT(notice->geometry().left(), 300);
    EXPECT_GT(notice->geometry().right(), 300);
}

TEST_F(BalloonTest, NearTheScreenBottomItRisesAbove) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QPointer<BalloonNotice> notice = BalloonNotice::show("x", QPoint(100, screen.bottom() - 2), owner());
    EXPECT_FALSE(notice->stemAtTop());
    EXPECT_EQ(notice->geometry().bottom() + 1, screen.bottom() - 2);
}

TEST_F(BalloonTest, AClickClosesItAndEachFailureGetsItsOwn) {
    QPointer<BalloonNotice> first = BalloonNotice::show("one", QPoint(50, 50), owner());
    QPointer<BalloonNotice> second = BalloonNotice::show("two", QPoint(50, 50), owner());
    EXPECT_NE(first.data(), second.data());
    QTest::mouseClick(first, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_FALSE(second.isNull());
}

TEST_F(BalloonTest, ClosesByItselfAfterFiveSeconds) {
    QPointer<BalloonNotice> notice = BalloonNotice::show("x", QPoint(10, 10), owner());
    QTest::qWait(4500);
    ASSERT_FALSE(notice.isNull());
    EXPECT_TRUE(notice->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(notice.isNull(), 2000);
}

TEST_F(BalloonTest, GoesWithItsOwner) {
    auto* owner = new QWidget;
    QPointer<BalloonNotice> notice = BalloonNotice::show("x", QPoint(10, 10), owner);
    delete owner;
    EXPECT_TRUE(notice.isNull());
}

TEST(MessageText, LoneCarriageReturnBreaksTheLine) {
    EXPECT_EQ(vy::platform::messageText("a. \rb\r\nc"), QString::fromUtf8("a. \nb\nc"));
}

} // namespace
