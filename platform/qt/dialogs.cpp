#include "platform/qt/dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace vy::platform {

QStringList qtFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

std::optional<QColor> QtDialogs::chooseColor(QWidget* owner, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, owner);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<Dialogs::SaveChoice> QtDialogs::chooseSaveFile(QWidget* owner, const QString& filter, int type,
                                                             const QString& fileName)
{
    if (folder_.isEmpty()) {
        folder_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (folder_.isEmpty() || !QDir(folder_).exists())
            folder_ = QDir::homePath();
    }
    const QStringList filters = qtFilters(filter);
    QString selected = filters.value(type - 1);
    const QString name = QFileDialog::getSaveFileName(owner, QString(), QDir(folder_).filePath(fileName),
                                                      filters.join(QStringLiteral(";;")), &selected);
    if (name.isEmpty())
        return std::nullopt;
    folder_ = QFileInfo(name).absolutePath();
    const qsizetype index = filters.indexOf(selected);
    return SaveChoice{name, index < 0 ? type : static_cast<int>(index) + 1};
}

bool QtDialogs::choosePrinter(QWidget* owner, QPrinter& printer)
{
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

Dialogs& qtDialogs()
{
    static QtDialogs dialogs;
    return dialogs;
}

} // namespace vy::platform
