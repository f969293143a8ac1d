#pragma once
// The standard dialogs as a test answers them: every request is noted and
// gets the answer the test put in the script (none: the dialog is cancelled).
#include "platform/qt/dialogs.h"

#include <QPrinter>
#include <QStringList>
#include <functional>
#include <optional>

namespace vy::test {

class ScriptedDialogs final : public platform::Dialogs {
public:
    struct Script {
        std::optional<QColor> color;
        std::optional<SaveChoice> save;
        std::function<void(QPrinter&)> printer; // sets the printer up as a user would
        QStringList asked;                      // "color #rrggbb", "save <filter> <type> <name>", "printer"
    };
    explicit ScriptedDialogs(Script& script) : script_(script) {}

    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override
    {
        script_.asked << QStringLiteral("color ") + initial.name();
        return script_.color;
    }
    std::optional<SaveChoice> chooseSaveFile(QWidget*, const QString& filter, int type, const QString& name) override
    {
        script_.asked << QStringLiteral("save %1 %2 %3").arg(filter).arg(type).arg(name);
        return script_.save;
    }
    bool choosePrinter(QWidget*, QPrinter& printer) override
    {
        script_.asked << QStringLiteral("printer");
        if (!script_.printer)
            return false;
        script_.printer(printer);
        return true;
    }

private:
    Script& script_;
};

} // namespace vy::test
