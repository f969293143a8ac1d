#include "ui/skins.h"

#include "platform/qt/opacity.h"
#include "ui/skindialog.h"
#include "ui/skinlist.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace vy {

namespace {

// Dynamic properties on windows: a picture of the engine's own, and a window
// that looks after its own outer area.
constexpr const char* kGhostProperty = "vySkinGhost";
constexpr const char* kOwnFrameProperty = "vySkinOwnFrame";

} // namespace

SkinEngine::SkinEngine(QObject* parent)
    : QObject(parent), name_(skins::kBuiltin), originalSheet_(qApp->styleSheet()), ticker_(new QTimer(this))
{
    // Without this Qt puts back, at every change of skin, the colours and fonts
    // widgets had when the skin before was applied: the program's own changes
    // since then (the result labels' font, window colours) would be lost.
    keptPropagation_ = QCoreApplication::testAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles);
    QCoreApplication::setAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles);
    ticker_->setInterval(kFadeStepMs);
    connect(ticker_, &QTimer::timeout, this, &SkinEngine::stepFades);
    qApp->installEventFilter(this);
}

SkinEngine::~SkinEngine()
{
    qApp->removeEventFilter(this);
    for (Fade& fade : fades_) {
        if (!fade.window)
            continue;
        if (fade.ghost)
            delete fade.window.data();
        else
            platform::setOpacityNow(*fade.window, fade.to);
    }
    qApp->setStyleSheet(originalSheet_);
    QCoreApplication::setAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles, keptPropagation_);
}

void SkinEngine::setFolder(std::string folder) { folder_ = std::move(folder); }

std::vector<std::string> SkinEngine::skinNames() const { return skins::skinNames(folder_); }

bool SkinEngine::select(const std::string& name)
{
    const std::optional<std::string> sheet = skins::skinSheet(folder_, name);
    if (!sheet)
        return false;
    name_ = name;
    sheet_ = *sheet;
    apply(sheet_);
    return true;
}

bool SkinEngine::preview(const std::string& folder, const std::string& name)
{
    const std::optional<std::string> sheet = skins::skinSheet(folder, name);
    if (!sheet)
        return false;
    apply(*sheet);
    return true;
}

void SkinEngine::endPreview() { apply(sheet_); }

void SkinEngine::apply(const std::string& sheet)
{
    const QString text = QString::fromUtf8(sheet.data(), static_cast<qsizetype>(sheet.size()));
    // Setting the same sheet again would still polish every widget anew.
    if (qApp->styleSheet() != text)
        qApp->setStyleSheet(text);
}

std::optional<SkinChoice> SkinEngine::chooseSkin(QWidget* parent, const std::string& name, const std::string& folder)
{
    SkinDialog dialog(*this, name, folder, parent);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    endPreview();
    if (!confirmed)
        return std::nullopt;
    return dialog.choice();
}

void SkinEngine::stopNonClient(QWidget& window)
{
    endFade(window);
    window.setProperty(kOwnFrameProperty, true);
    if (closing_ == &window) {
        closing_ = nullptr;
        closingPicture_ = QPixmap();
    }
}

bool SkinEngine::animated(const QWidget& window) const
{
    if (!window.isWindow() || window.property(kGhostProperty).toBool() || window.property(kOwnFrameProperty).toBool())
        return false;
    // Windows and dialogs; menus, hints, balloons and splash pictures come and go as they are.
    const Qt::WindowType type = window.windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

bool SkinEngine::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide && type != QEvent::Close)
        return false;
    if (!watched->isWidgetType())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!animated(*window))
        return false;
    if (type == QEvent::Show) {
        // A spontaneous show is the desktop restoring a minimised window.
        if (showAnimation_ && !event->spontaneous())
            fadeIn(*window);
    } else if (type == QEvent::Close) {
        // The picture is taken while the window is whole; it is used only if
        // the window really hides now (the close may still be refused).
        if (hideAnimation_ && window->isVisible()) {
            closing_ = window;
            closingPicture_ = window->grab();
            QTimer::singleShot(0, this, [this] {
                closing_ = nullptr;
                closingPicture_ = QPixmap();
            });
        }
    } else {
        endFade(*window);
        if (hideAnimation_ && !event->spontaneous() && closing_ == window && !closingPicture_.isNull())
            fadeOut(*window);
        if (closing_ == window) {
            closing_ = nullptr;
            closingPicture_ = QPixmap();
        }
    }
    return false;
}

void SkinEngine::fadeIn(QWidget& window)
{
    double target = window.windowOpacity();
    const auto running = std::find_if(fades_.begin(), fades_.end(), [&](const Fade& f) { return f.window == &window; });
    if (running != fades_.end()) {
        target = running->to;
        fades_.erase(running);
    }
    // Shown before it is put on the screen, so it never flashes at full strength.
    platform::setOpacityNow(window, 0.0);
    fades_.push_back({&window, 0.0, target, 0, false});
    ticker_->start();
}

void SkinEngine::fadeOut(QWidget& window)
{
    // A picture of the window, where the window was, fading away: the window
    // itself is already hidden, so nothing waits for the fade.
    auto* ghost = new QLabel(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                          Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                                          Qt::X11BypassWindowManagerHint);
    ghost->setObjectName(QString::fromLatin1(kGhostName));
    ghost->setProperty(kGhostProperty, true);
    ghost->setAttribute(Qt::WA_ShowWithoutActivating);
    ghost->setAttribute(Qt::WA_QuitOnClose, false);
    ghost->setPixmap(closingPicture_);
    ghost->setGeometry(window.geometry());
    const double from = window.windowOpacity();
    platform::setOpacityNow(*ghost, from);
    ghost->show();
    fades_.push_back({ghost, from, 0.0, 0, true});
    ticker_->start();
}

void SkinEngine::endFade(QWidget& window)
{
    const auto running = std::find_if(fades_.begin(), fades_.end(), [&](const Fade& f) { return f.window == &window; });
    if (running == fades_.end())
        return;
    platform::setOpacityNow(window, running->to);
    fades_.erase(running);
}

void SkinEngine::stepFades()
{
    for (Fade& fade : fades_) {
        if (!fade.window)
            continue;
        ++fade.step;
        const double level = fade.from + (fade.to - fade.from) * fade.step / kFadeSteps;
        platform::setOpacityNow(*fade.window, fade.step >= kFadeSteps ? fade.to : level);
        if (fade.step >= kFadeSteps && fade.ghost)
            delete fade.window.data();
    }
    std::erase_if(fades_, [](const Fade& f) { return !f.window || f.step >= kFadeSteps; });
    if (fades_.empty())
        ticker_->stop();
}

} // namespace vy
