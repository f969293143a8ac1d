#include "platform/qt/keyfilter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace vy::platform {

namespace {
constexpr char32_t kEscape = 27;

QLineEdit* editorOf(QObject* watched)
{
    if (auto* edit = qobject_cast<QLineEdit*>(watched))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(watched))
        return combo->lineEdit();
    return nullptr;
}
} // namespace

KeyFilter::KeyFilter(QWidget* field, Filter filter, Sounds& sounds)
    : QObject(field), filter_(std::move(filter)), sounds_(sounds)
{
    // An editable combo box types into its own line editor; watching only that
    // one keeps a key that the editor passes on from being filtered twice.
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
    else
        field->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QList<uint> typed = key->text().toUcs4();
    const bool typedCharacter = typed.size() == 1 && (typed[0] >= 32 || typed[0] == keys::kBackspace ||
                                                      typed[0] == keys::kEnter || typed[0] == kEscape);
    if (!typedCharacter)
        return false;
    const keys::KeyVerdict verdict = filter_(static_cast<char32_t>(typed[0]));
    if (!verdict.pass) {
        if (verdict.exclamation)
            sounds_.exclamation();
        return true;
    }
    if (*verdict.pass == typed[0])
        return false;
    if (QLineEdit* edit = editorOf(watched)) {
        const char32_t replaced = *verdict.pass;
        edit->insert(QString::fromUcs4(&replaced, 1));
    }
    return true;
}

KeyDownWatch::KeyDownWatch(QWidget* control, Handler handler) : QObject(control), handler_(std::move(handler))
{
    control->installEventFilter(this);
}

bool KeyDownWatch::eventFilter(QObject*, QEvent* event)
{
    return event->type() == QEvent::KeyPress && handler_(static_cast<QKeyEvent*>(event)->key());
}

} // namespace vy::platform
