#include "platform/qt/report.h"

#include "core/errortext.h"

#include <QWidget>

namespace vy::platform {

ScreenPoint balloonStem(const QWidget& field)
{
    const QPoint stem = field.mapToGlobal(QPoint(10, field.height()));
    return {stem.x(), stem.y()};
}

void present(const Host& host, const Report& report, QWidget* owner, const QWidget* field)
{
    ScreenPoint stem{};
    if (field != nullptr)
        stem = balloonStem(*field);
    else if (owner != nullptr)
        stem = {owner->frameGeometry().x(), owner->frameGeometry().y()};
    presentAt(host, report, owner, stem);
}

void presentAt(const Host& host, const Report& report, QWidget* owner, ScreenPoint stem)
{
    if (report.stopSoundFirst)
        host.sounds.criticalStop();
    switch (report.presentation) {
    case Presentation::PlainMessage:
        host.presenter.plainMessage(report.text);
        break;
    case Presentation::InformationDialog:
        host.presenter.informationDialog(report.text);
        break;
    case Presentation::MessageBox:
        host.presenter.messageBox(report.text, report.caption, report.icon);
        break;
    case Presentation::Balloon:
        host.presenter.balloon(report.text, stem, owner);
        break;
    case Presentation::GeneralError:
        host.presenter.generalError(generalErrorText(report.text));
        break;
    }
}

} // namespace vy::platform
