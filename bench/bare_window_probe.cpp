// The floor: a bare Qt program that shows one empty window of the start
// window's size (613 x 403), with the same probe. With --text the window
// also shows one line of text, which is the floor for any window that draws
// text: Qt then starts its font system (fontconfig) before the first paint.

#include "first_paint.h"

#include <QLabel>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    bench::first_paint probe(QStringLiteral("bare"));
    application.installEventFilter(&probe);
    QWidget window;
    window.setObjectName(QStringLiteral("bare"));
    window.setFixedSize(613, 403);
    if (application.arguments().contains(QStringLiteral("--text")))
        new QLabel(QStringLiteral("Korvex Quiz 1.3"), &window);
    window.show();
    return QApplication::exec();
}
