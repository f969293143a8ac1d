// helpviewer: shows the program's help pages. The program starts it with one
// argument, "<program folder>Help.chm::/<page>"; the help file stands for the
// folder "Help" beside it (see helpview.h). Without an argument it opens the
// first page of the help beside the viewer itself.
#include "tools/helpviewer/helpview.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Справка"));
    // A path with blanks typed by hand without quotation marks arrives in pieces.
    const QString argument = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    const QString programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    vy::helpviewer::HelpView view(vy::helpviewer::locateHelp(argument, programFolder));
    view.resize(860, 600);
    view.show();
    return QApplication::exec();
}
