#include "app_windows.h"

namespace examdeck {

app_windows& windows()
{
    static app_windows current;
    return current;
}

} // namespace examdeck
