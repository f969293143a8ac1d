#include "tools/logreader/logview.h"

#include "tools/logreader/logtext.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFontDatabase>
#include <QScrollBar>
#include <QTimer>

namespace vy::logreader {

LogView::LogView(QString path, QWidget* parent)
    : QPlainTextEdit(parent), path_(std::move(path)), watcher_(new QFileSystemWatcher(this)),
      poll_(new QTimer(this)) {
    setObjectName("LogView");
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setWindowTitle(QFileInfo(path_).fileName());
    // The program recreates the file at every activation, which a watcher on the
    // file alone would lose; the folder watch and a slow poll catch that.
    watcher_->addPath(QFileInfo(path_).absolutePath());
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &LogView::reload);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &LogView::reload);
    connect(poll_, &QTimer::timeout, this, &LogView::reload);
    poll_->start(1000);
    reload();
}

void LogView::reload() {
    QFile file(path_);
    QByteArray bytes;
    const bool missing = !file.open(QIODevice::ReadOnly);
    if (!missing) bytes = file.readAll();
    if (!missing && !watcher_->files().contains(path_)) watcher_->addPath(path_);
    if (missing == missing_ && bytes == shown_) return;
    missing_ = missing;
    shown_ = bytes;

    QScrollBar* bar = verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    const int position = bar->value();
    setPlainText(QString::fromStdString(decodeProtocol(std::string_view(bytes.constData(), bytes.size()))));
    // Follow the end while the reader is there; otherwise keep the place.
    bar->setValue(atEnd ? bar->maximum() : position);
}

} // namespace vy::logreader
