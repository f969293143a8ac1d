#include "solvers/ui/formparts.h"

#include "core/inifile.h"
#include "core/keyfilters.h"
#include "platform/qt/placement.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vy::solversui {

namespace {
constexpr char32_t kEscape = 27;
}

void setUpToolWindow(QWidget& window, const QString& caption, QSize client)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    window.setWindowTitle(caption);
    window.setFixedSize(client);
}

void readPlace(QWidget& window, const DataFolder& data, const ini::WindowPlace& place)
{
    const IniFile ini(data.settingsPath());
    platform::moveOnScreen(window, QPoint(ini.readInteger(place.section, place.left, window.x()),
                                          ini.readInteger(place.section, place.top, window.y())));
}

void writePlace(const QWidget& window, const DataFolder& data, const ini::WindowPlace& place)
{
    IniFile ini(data.settingsPath());
    ini.writeInteger(place.section, place.left, window.x());
    ini.writeInteger(place.section, place.top, window.y());
}

SignedDecimalKeys::SignedDecimalKeys(QLineEdit* field, platform::Sounds& sounds) : QObject(field), sounds_(sounds)
{
    field->installEventFilter(this);
}

bool SignedDecimalKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QList<uint> typed = key->text().toUcs4();
    // Enter and Escape are typed characters like any other and the filter
    // swallows them; the other control characters are the field's editing
    // shortcuts (copy, paste, undo), left to it.
    const bool typedCharacter = typed.size() == 1 && (typed[0] >= 32 || typed[0] == keys::kBackspace ||
                                                      typed[0] == keys::kEnter || typed[0] == kEscape);
    if (!typedCharacter)
        return false;
    const auto verdict = keys::signedDecimalFilter(static_cast<char32_t>(typed[0]), keys::CommaLetters::BAndYu);
    if (!verdict.pass) {
        if (verdict.exclamation)
            sounds_.exclamation();
        return true;
    }
    if (*verdict.pass == typed[0])
        return false;
    const char32_t replaced = *verdict.pass;
    static_cast<QLineEdit*>(watched)->insert(QString::fromUcs4(&replaced, 1));
    return true;
}

} // namespace vy::solversui
