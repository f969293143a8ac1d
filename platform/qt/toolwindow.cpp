#include "platform/qt/toolwindow.h"

#include "core/inifile.h"
#include "core/protocol.h"
#include "platform/qt/activation.h"
#include "platform/qt/placement.h"
#include "platform/qt/report.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QShowEvent>
#include <QWindow>

namespace vy {

namespace {
constexpr Qt::WindowFlags kToolFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                       Qt::WindowCloseButtonHint;
} // namespace

ToolWindow::ToolWindow(platform::Host host, DataFolder data, const Design& design, QWidget* parent)
    : QWidget(parent), host_(host), data_(std::move(data)), place_(design.place), resizable_(design.resizable)
{
    setObjectName(QString::fromLatin1(design.name));
    Qt::WindowFlags flags = design.flags ? design.flags : kToolFlags;
    if (!design.resizable && !design.flags)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    setWindowFlags(flags);
    setWindowTitle(design.caption);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    if (design.resizable)
        resize(design.client);
    else
        setFixedSize(design.client);
    if (design.position)
        move(*design.position);
    activation_ = new platform::ActivationRule(this);
    connect(activation_, &platform::ActivationRule::activated, this, [this] { guarded([this] { FormActivate(); }); });
    guarded([this] { readPlace(); });
}

void ToolWindow::readPlace()
{
    if (place_ == nullptr)
        return;
    platform::restorePlace(*this, IniFile(data_.settingsPath()), *place_, resizable_);
}

void ToolWindow::writePlace() const
{
    if (place_ == nullptr)
        return;
    IniFile ini(data_.settingsPath());
    platform::storePlace(ini, *place_, QRect(pos(), size()));
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    bool close = true;
    guarded([&] { close = FormCloseQuery(); });
    if (!close) {
        event->ignore();
        return;
    }
    guarded([this] { FormClose(); });
    guarded([this] { writePlace(); });
    event->accept();
}

void ToolWindow::showEvent(QShowEvent* event)
{
    // A spontaneous show is the desktop restoring the window: it stays put.
    if (centredOn_ && !event->spontaneous())
        platform::centreOn(*this, *centredOn_);
    QWidget::showEvent(event);
}

void ToolWindow::mousePressEvent(QMouseEvent* event)
{
    if (!dragByBackground_ || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (QWindow* window = windowHandle(); window != nullptr && window->startSystemMove())
        return;
    dragging_ = true;
    dragStart_ = event->position().toPoint();
}

void ToolWindow::mouseMoveEvent(QMouseEvent* event)
{
    // The window has moved with the mouse: the next position is relative to
    // where it is now.
    if (dragging_)
        move(pos() + event->position().toPoint() - dragStart_);
    else
        QWidget::mouseMoveEvent(event);
}

void ToolWindow::mouseReleaseEvent(QMouseEvent* event)
{
    dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

void ToolWindow::report(const Report& report, const QWidget* field)
{
    platform::present(host_, report, this, field);
}

std::string ToolWindow::userSection() const { return ini::userSection(host_.environment.loginName()); }

bool ToolWindow::balloonWanted() const
{
    return IniFile(data_.settingsPath()).readByte(userSection(), ini::kBalloon, ini::kBalloonDefault) != 0;
}

void ToolWindow::appendProtocol(const std::vector<std::string>& lines) const
{
    ProtocolLog(data_.protocolPath()).append(lines);
}

} // namespace vy
