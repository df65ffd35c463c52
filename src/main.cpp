// The program starts here: it brings up the start window and runs on events
// until the last window is gone or "Exit" is pressed.

#include "app/app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("examdeck"));
    application.setDesktopFileName(QStringLiteral("org.example.examdeck"));
    examdeck::prepare_application();
    int status = 0;
    {
        examdeck::app app;
        QObject::connect(&app.program, &examdeck::forms::program::ended, &application,
                         [] { QApplication::exit(0); });
        app.start();
        if (!app.program.has_ended())
            status = QApplication::exec();
    }
    // The windows closed last are deleted now that no handler runs.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
