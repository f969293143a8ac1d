#pragma once
// The standard dialogs a window runs: a colour, a file to save to, a printer.
// A window is handed them as an object, so that a test answers them itself
// and no real dialog ever opens there.
#include <QColor>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace vy::platform {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The colour dialog, starting at initial; nothing when it is cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* owner, const QColor& initial) = 0;

    struct SaveChoice {
        QString fileName; // as the user gave it: no extension is added
        int type = 1;     // the chosen entry of the filter, from 1
    };
    // The save dialog. filter is written as the windows are designed, names
    // and patterns alternating: "BMP|*.bmp|JPEG|*.jpg". type is the entry
    // shown first (from 1), fileName the proposed name.
    virtual std::optional<SaveChoice> chooseSaveFile(QWidget* owner, const QString& filter, int type,
                                                     const QString& fileName) = 0;

    // The print dialog; the printer is set up as the user chose. False when
    // it is cancelled.
    virtual bool choosePrinter(QWidget* owner, QPrinter& printer) = 0;
};

// The filter of the save dialog in Qt's form: "BMP (*.bmp);;JPEG (*.jpg)".
QStringList qtFilters(const QString& filter);

// Qt's dialogs. The save dialog starts in the folder of the last file saved
// through it, at first the user's pictures folder.
class QtDialogs final : public Dialogs {
public:
    std::optional<QColor> chooseColor(QWidget* owner, const QColor& initial) override;
    std::optional<SaveChoice> chooseSaveFile(QWidget* owner, const QString& filter, int type,
                                             const QString& fileName) override;
    bool choosePrinter(QWidget* owner, QPrinter& printer) override;

private:
    QString folder_;
};

// One set of Qt's dialogs that windows may share (the save dialog's last folder with it).
Dialogs& qtDialogs();

} // namespace vy::platform
