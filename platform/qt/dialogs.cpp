#include "platform/qt/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QStringList>

namespace vy::platform {

namespace {

class QtDialogs final : public StandardDialogs {
public:
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override
    {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    }

    std::optional<SaveChoice> saveFile(QWidget* parent, const QString& filter, int fileType,
                                       const QString& name) override
    {
        // "Bitmap|*.bmp" becomes Qt's "Bitmap (*.bmp)", one entry per pair.
        const QStringList parts = filter.split(QLatin1Char('|'));
        QStringList entries;
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
            entries << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
        QString selected = entries.value(fileType - 1);
        const QString fileName =
            QFileDialog::getSaveFileName(parent, QString(), name, entries.join(QStringLiteral(";;")), &selected);
        if (fileName.isEmpty())
            return std::nullopt;
        return SaveChoice{fileName, static_cast<int>(entries.indexOf(selected)) + 1};
    }
};

} // namespace

StandardDialogs& qtDialogs()
{
    static QtDialogs dialogs;
    return dialogs;
}

} // namespace vy::platform
