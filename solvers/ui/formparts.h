#pragma once
// Pieces the equation and integral windows share: controls placed at their
// designed spots under their designed names, the window's place in the
// settings file, and the signed-decimal key filter of a field.
#include "core/datafolder.h"
#include "core/settingskeys.h"
#include "platform/host.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QWidget>

class QLineEdit;

namespace vy::solversui {

template <class Control, class... Args>
Control* place(QWidget* parent, const char* name, QRect geometry, Args&&... args)
{
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

// A fixed-size tool window with a system menu and a minimise button.
void setUpToolWindow(QWidget& window, const QString& caption, QSize client);

// Left and top from the settings file, the current position as the default.
void readPlace(QWidget& window, const DataFolder& data, const ini::WindowPlace& place);
void writePlace(const QWidget& window, const DataFolder& data, const ini::WindowPlace& place);

// Signed decimal filter of a limit field: "б" and "ю" become ",", Backspace,
// ",", "-" and digits pass, anything else typed is swallowed with the
// exclamation sound, Enter and Escape included. Keys without text (arrows,
// Delete) and the editing shortcuts are left alone.
class SignedDecimalKeys : public QObject {
public:
    SignedDecimalKeys(QLineEdit* field, platform::Sounds& sounds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    platform::Sounds& sounds_;
};

} // namespace vy::solversui
