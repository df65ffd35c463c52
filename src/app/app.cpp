#include "app.h"

#include "centre_form.h"
#include "design.h"
#include "shell/app_windows.h"

#include <QApplication>
#include <QIcon>

namespace examdeck {

app::app()
{
    windows() = {&Welcome, &pick_a_quiz, &quest, &Diagram, &Exhibit, &theanswer};
}

app::~app()
{
    // The windows go without running any unload procedure.
    program.end_now();
    windows() = {};
}

void app::start()
{
    // The first use of the start window loads it; its load procedure shows
    // it centred, so centring again finds the same place.
    centre_form(Welcome);
    Welcome.load();
}

void prepare_application()
{
    forms::map_design_fonts();
    QIcon icon;
    for (const char* size : {"16x16", "32x32", "48x48"})
        icon.addFile(QStringLiteral(":/examdeck/icons/%1/org.example.examdeck.png")
                         .arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace examdeck
