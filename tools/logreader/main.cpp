// logreader: shows the program's protocol and follows it as it changes. Without
// an argument it reads the protocol the program beside it writes; a path given
// on the command line is read instead.
#include "core/datafolder.h"
#include "tools/logreader/logview.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString path;
    if (argc > 1) {
        path = QString::fromLocal8Bit(argv[1]);
    } else {
        const std::string folder = (QCoreApplication::applicationDirPath() + QChar('/')).toStdString();
        path = QString::fromStdString(vy::chooseDataFolder(folder, vy::userHomeFolder()).protocolPath());
    }
    vy::logreader::LogView view(path);
    const QFontMetrics metrics(view.font());
    view.resize(metrics.horizontalAdvance(QLatin1Char('0')) * 96, metrics.height() * 32);
    view.show();
    return QApplication::exec();
}
