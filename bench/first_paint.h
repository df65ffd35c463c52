#pragma once

// Reports the moment a window is first painted: the microseconds since the
// process started (CLOCK_MONOTONIC against the start time in /proc) and the
// peak resident memory so far, then ends the process.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace bench {

inline double process_age_microseconds()
{
    // Field 22 of /proc/self/stat: start time in clock ticks after boot.
    std::FILE* f = std::fopen("/proc/self/stat", "r");
    unsigned long long start_ticks = 0;
    if (f) {
        char buffer[1024];
        const size_t n = std::fread(buffer, 1, sizeof buffer - 1, f);
        buffer[n] = 0;
        std::fclose(f);
        const char* p = std::strrchr(buffer, ')');
        for (int field = 2; p && field < 22; ++field)
            p = std::strchr(p + 1, ' ');
        if (p)
            start_ticks = std::strtoull(p + 1, nullptr, 10);
    }
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double now_us = now.tv_sec * 1e6 + now.tv_nsec / 1e3;
    return now_us - start_ticks * 1e6 / sysconf(_SC_CLK_TCK);
}

class first_paint : public QObject {
  public:
    explicit first_paint(QString window_name) : name_(std::move(window_name)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!done_ && event->type() == QEvent::Paint) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->window()->objectName() == name_) {
                done_ = true;
                // Report once this paint is over.
                QTimer::singleShot(0, [] {
                    rusage usage{};
                    getrusage(RUSAGE_SELF, &usage);
                    std::printf("first_paint_us %.0f peak_rss_kib %ld\n",
                                process_age_microseconds(), usage.ru_maxrss);
                    std::fflush(stdout);
                    _exit(0);
                });
            }
        }
        return false;
    }

  private:
    QString name_;
    bool done_ = false;
};

} // namespace bench
