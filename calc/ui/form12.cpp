#include "calc/ui/form12.h"

#include "calc/ui/picturewindow.h"
#include "platform/qt/activation.h"
#include "platform/qt/jobpost.h"
#include "platform/qt/modal.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include <chrono>
#include <thread>

namespace vy {

// Image1: shows the last frame of the fire, from its top-left corner.
class FirePicture : public QWidget {
public:
    explicit FirePicture(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        clear();
    }

    void show(QImage frame)
    {
        frame_ = std::move(frame);
        update();
    }
    void clear()
    {
        QImage black(TForm12::kPictureWidth, TForm12::kPictureHeight, QImage::Format_RGB32);
        black.fill(Qt::black);
        show(std::move(black));
    }
    const QImage& frame() const { return frame_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.drawImage(0, 0, frame_);
    }

private:
    QImage frame_;
};

namespace {

constexpr QSize kClient(254, 74);
constexpr int kBlankSpaces = 45;
constexpr auto kPause = std::chrono::milliseconds(5);

// The logo the letters are made from: a one-bit picture kept in the program.
calc::OneBitPicture loadLogo()
{
    const QImage image(QStringLiteral(":/tables/logo.pbm"));
    calc::OneBitPicture logo{image.width(), image.height(), {}};
    logo.bits.reserve(static_cast<std::size_t>(image.width() * image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            logo.bits.push_back(qGray(image.pixel(x, y)) > 127);
    return logo;
}

std::uint32_t clockSeed()
{
    return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

TForm12::TForm12(platform::Host host, DataFolder data, WindowFinder windows, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {"TForm12", QStringLiteral("Таблицы"), kClient, nullptr, false,
                  Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint},
                 parent),
      windows_(std::move(windows)), logo_(loadLogo()), painter_(platform::postTo(this))
{
    buildControls();
}

TForm12::~TForm12() { painter_.cancel(); }

void TForm12::buildControls()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);
    N1 = MainMenu1->addMenu(QStringLiteral("Таблицы"));
    N1->setObjectName(QStringLiteral("N1"));
    const auto item = [this](const char* name, const QString& caption, void (TForm12::*handler)()) {
        QAction* action = N1->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connectGuarded(action, &QAction::triggered, handler);
        return action;
    };
    N2 = item("N2", QStringLiteral("Сокращенное умножение"), &TForm12::N2Click);
    sincostgctg1 = item("sincostgctg1", QStringLiteral("Талица sin cos tg ctg"), &TForm12::sincostgctg1Click);
    N5 = item("N5", QStringLiteral("Знаки sin cos tg ctg"), &TForm12::N5Click);
    N6 = item("N6", QStringLiteral("Логарифмы"), &TForm12::N6Click);
    N7 = item("N7", QStringLiteral("Таблица степеней любого числа"), &TForm12::N7Click);
    N3 = MainMenu1->addAction(QString(kBlankSpaces, QLatin1Char(' ')));
    N3->setObjectName(QStringLiteral("N3"));
    N3->setEnabled(false);
    N4 = MainMenu1->addAction(QStringLiteral("Выход"));
    N4->setObjectName(QStringLiteral("N4"));
    connectGuarded(N4, &QAction::triggered, &TForm12::N4Click);

    // The blank item pushes "Выход" to the right edge; in fonts wider than the
    // designed one it gives up spaces so that "Выход" stays on the bar rather
    // than behind its overflow button.
    for (int spaces = kBlankSpaces; spaces > 0 && MainMenu1->sizeHint().width() > kClient.width(); --spaces)
        N3->setText(QString(spaces - 1, QLatin1Char(' ')));

    const int menuHeight = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, kClient.width(), menuHeight);
    Image1 = place<FirePicture>(this, "Image1", QRect(QPoint(0, menuHeight), kClient));
    setFixedSize(kClient.width(), menuHeight + kClient.height());
}

void TForm12::FormActivate()
{
    // Every return from a table counts as an activation too; the loop that
    // already runs goes on.
    if (painter_.active())
        return;
    framePending_ = false;
    const std::uint32_t seed = clockSeed();
    painter_.start([this, seed](JobControl& control) { paintLoop(control, seed); },
                   {.progress = {}, .finished = [this](std::exception_ptr failure) {
                        guarded([&] {
                            if (failure)
                                std::rethrow_exception(failure);
                        });
                    }});
}

void TForm12::FormClose() { painter_.cancel(); }

void TForm12::paintLoop(JobControl& control, std::uint32_t seed)
{
    calc::FireAnimation fire(logo_, seed);
    QImage canvas(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    std::uint64_t generation = generation_.load();
    do {
        fire.advance();
        std::this_thread::sleep_for(kPause);
        if (const std::uint64_t now = generation_.load(); now != generation) {
            canvas.fill(Qt::black);
            generation = now;
        }
        calc::DrawFire(fire.heat(), reinterpret_cast<std::uint32_t*>(canvas.bits()),
                       static_cast<int>(canvas.bytesPerLine() / 4));
        // One frame at a time on its way: a busy window skips frames instead
        // of queueing them.
        if (!framePending_.exchange(true))
            control.post([this, generation, frame = canvas]() mutable { showFrame(generation, std::move(frame)); });
        std::this_thread::sleep_for(kPause);
    } while (control.proceed());
}

void TForm12::showFrame(std::uint64_t generation, QImage frame)
{
    framePending_ = false;
    // A frame painted before the latest wipe still carries the old red.
    if (generation == generation_.load())
        Image1->show(std::move(frame));
}

void TForm12::wipe()
{
    ++generation_;
    Image1->clear();
}

QImage TForm12::picture() const { return Image1->frame(); }

void TForm12::openTable(const char* name)
{
    QWidget* table = windows_ ? windows_(name) : nullptr;
    if (table == nullptr)
        return;
    if (auto* picture = qobject_cast<PictureWindow*>(table))
        connect(picture, &PictureWindow::repaintOpener, this, &TForm12::wipe, Qt::UniqueConnection);
    platform::ActivationRule::markToolWindow(table, this);
    platform::showModal(*table);
}

void TForm12::N2Click() { openTable("TForm13"); }
void TForm12::sincostgctg1Click() { openTable("TForm14"); }
void TForm12::N5Click() { openTable("TForm15"); }
void TForm12::N6Click() { openTable("TForm16"); }
void TForm12::N7Click() { openTable("TForm18"); }
void TForm12::N4Click() { close(); }

} // namespace vy
