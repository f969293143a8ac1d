// The real balloon notice and message texts (nothing modal is opened here).
#include "platform/qt/balloon.h"
#include "platform/qt/presenter.h"
#include "tests/support/guitest.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>
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
    auto* timer = notice->findChild<QTimer*>("BalloonTimer");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 5000);
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(notice.isNull());
}

TEST_F(BalloonTest, HasTheShapeOfItsBubbleAndStem) {
    QPointer<BalloonNotice> notice = BalloonNotice::show("x", QPoint(300, 200), owner());
    ASSERT_TRUE(notice->stemAtTop());
    const QRegion shape = notice->mask();
    ASSERT_FALSE(shape.isEmpty());
    const QRect r = notice->rect();
    EXPECT_TRUE(shape.contains(r.center()));
    EXPECT_FALSE(shape.contains(QPoint(1, 1))) << "beside the stem, above the bubble";
    EXPECT_FALSE(shape.contains(QPoint(r.right() - 1, r.bottom() - 1))) << "the rounded corner";
    // The stem's tip, just below the point it shows.
    EXPECT_TRUE(shape.contains(notice->mapFromGlobal(QPoint(302, 206))));
}

TEST_F(BalloonTest, AScreenReaderGetsItsTitleAndText) {
    QPointer<BalloonNotice> notice = BalloonNotice::show("Делитель не может быть равным нулю!", QPoint(10, 10), owner());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(notice.data());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Вычислица"));
    EXPECT_EQ(accessible->text(QAccessible::Description), QStringLiteral("Делитель не может быть равным нулю!"));
}

TEST_F(BalloonTest, GoesWithItsOwner) {
    auto* owner = new QWidget;
    QPointer<BalloonNotice> notice = BalloonNotice::show("x", QPoint(10, 10), owner);
    delete owner;
    EXPECT_TRUE(notice.isNull());
}

TEST(MessageBoxWidth, AShortTextStillLeavesRoomForTheWholeCaption) {
    vy::test::ensureApplication();
    const auto box = vy::platform::makeMessageBox("File not found.", QStringLiteral("Вычислица"), QMessageBox::Critical,
                                                 QMessageBox::Ok);
    QFont title = box->font();
    title.setBold(true);
    EXPECT_GE(box->sizeHint().width(), QFontMetrics(title).horizontalAdvance(QStringLiteral("Вычислица")) + 100);
    const auto wide = vy::platform::makeMessageBox(QString(200, QChar('x')), QStringLiteral("Вычислица"),
                                                  QMessageBox::Critical, QMessageBox::Ok);
    EXPECT_GT(wide->sizeHint().width(), box->sizeHint().width()) << "a long text still widens it";
}

TEST(MessageText, LoneCarriageReturnBreaksTheLine) {
    EXPECT_EQ(vy::platform::messageText("a. \rb\r\nc"), QString::fromUtf8("a. \nb\nc"));
}

} // namespace
