#pragma once
// What window tests share: finding a control by its designed name, waiting for
// the event loop, checking captions and hints as designed.
#include "core/inifile.h"
#include "core/settingskeys.h"
#include "tests/support/guitest.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QThread>
#include <QWidget>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace vy::test {

// Runs the event loop until done() holds; false after the limit.
inline bool waitUntil(const std::function<bool()>& done, int limitMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

template <class Control>
Control* control(QWidget& window, const char* name)
{
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found)
        ADD_FAILURE() << "no control " << name;
    return found;
}

// A control's text (label, field or button) and hint, as designed.
struct Caption {
    const char* name;
    const char* text;
    const char* hint;
};

inline void expectCaptions(QWidget& window, std::span<const Caption> rows)
{
    for (const Caption& r : rows) {
        QWidget* w = control<QWidget>(window, r.name);
        if (!w)
            continue;
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            text = e->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        EXPECT_EQ(text.toStdString(), r.text) << r.name;
        EXPECT_EQ(w->toolTip().toStdString(), r.hint) << r.name;
    }
}

// Moves window, closes it and checks that the settings file at settingsPath
// keeps its place under the keys of place, and that the window reopen() makes
// comes up there again.
inline void expectPlaceKept(QWidget& window, const std::string& settingsPath, const ini::WindowPlace& place,
                            const std::function<std::unique_ptr<QWidget>()>& reopen)
{
    window.move(33, 44);
    window.close();
    const IniFile ini(settingsPath);
    EXPECT_EQ(ini.readInteger(place.section, place.left, -1), window.x());
    EXPECT_EQ(ini.readInteger(place.section, place.top, -1), window.y());
    const std::unique_ptr<QWidget> again = reopen();
    EXPECT_EQ(again->pos(), window.pos());
}

// The presenter has shown count things so far, the last of kind with text.
inline void expectShown(const RecordingPresenter& presenter, std::size_t count, Shown::Kind kind,
                        const std::string& text)
{
    ASSERT_EQ(presenter.shown.size(), count);
    EXPECT_EQ(presenter.shown.back().kind, kind);
    EXPECT_EQ(presenter.shown.back().text, text);
}

inline QStringList itemsOf(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

} // namespace vy::test
