#pragma once
// The log viewer's window: the protocol, decoded from Windows-1251, kept up to
// date while the program writes it.
#include <QByteArray>
#include <QPlainTextEdit>
#include <QString>

class QFileSystemWatcher;
class QTimer;

namespace vy::logreader {

class LogView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LogView(QString path, QWidget* parent = nullptr);
    // Reads the file again; the view changes only when the bytes did.
    void reload();
    const QString& path() const { return path_; }

private:
    QString path_;
    QByteArray shown_;
    bool missing_ = true;
    QFileSystemWatcher* watcher_;
    QTimer* poll_;
};

} // namespace vy::logreader
