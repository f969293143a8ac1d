#pragma once
// The standard dialogs a tool window runs: picking a colour and naming a file
// to save. A window takes them as this interface, so that its tests answer
// them instead of a user (a real dialog in a test would block).
#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace vy::platform {

struct SaveChoice {
    QString fileName;
    int fileType = 1; // the chosen entry of the filter, from 1
};

class StandardDialogs {
public:
    virtual ~StandardDialogs() = default;
    // The chosen colour, or nothing when the user cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // filter pairs descriptions with patterns, separated by '|' ("Bitmap|*.bmp|JPEG|*.jpg");
    // fileType is the entry chosen at first, from 1; name the file name offered.
    virtual std::optional<SaveChoice> saveFile(QWidget* parent, const QString& filter, int fileType,
                                               const QString& name) = 0;
};

// The dialogs of the desktop, shared by every window.
StandardDialogs& qtDialogs();

} // namespace vy::platform
