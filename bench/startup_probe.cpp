// The program's own start-up, with a probe that reports the first paint of
// the start window.

#include "app/app.h"
#include "first_paint.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    bench::first_paint probe(QStringLiteral("Welcome"));
    application.installEventFilter(&probe);
    examdeck::prepare_application();
    examdeck::app app;
    app.start();
    return QApplication::exec();
}
