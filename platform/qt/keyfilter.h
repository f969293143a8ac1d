#pragma once
// A key filter of core/keyfilters.h on a field: each typed character goes
// through the filter before the field sees it, is replaced or swallowed (with
// the exclamation sound when the filter says so). KeyDownWatch is the other
// half: a handler for the keys themselves. Enter, Escape and Backspace
// are typed characters like any other; keys without text (arrows, Delete) and
// the editing shortcuts (copy, paste, undo) are left to the field.
#include "core/keyfilters.h"
#include "platform/host.h"

#include <QObject>
#include <functional>

class QWidget;

namespace vy::platform {

class KeyFilter : public QObject {
public:
    using Filter = std::function<keys::KeyVerdict(char32_t)>;

    // field is a QLineEdit or an editable QComboBox; the filter becomes its child.
    KeyFilter(QWidget* field, Filter filter, Sounds& sounds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Filter filter_;
    Sounds& sounds_;
};

// Installs filter on field (the filter object is owned by the field).
inline KeyFilter* filterKeys(QWidget* field, KeyFilter::Filter filter, Sounds& sounds)
{
    return new KeyFilter(field, std::move(filter), sounds);
}

// A key-down handler on a control: it sees every key pressed there, arrows
// included, before the control does. The control still gets the key (so an
// arrow that moves the focus also does what it would have done) unless the
// handler returns true.
class KeyDownWatch : public QObject {
public:
    using Handler = std::function<bool(int key)>; // the Qt::Key; true: consumed

    // The watch becomes the control's child.
    KeyDownWatch(QWidget* control, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler_;
};

} // namespace vy::platform
