#include "support/wait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void waitWithEvents(int ms)
{
    // A monotonic clock: a pause must last its full time also across midnight
    // or a change of the system clock. The nested loop sleeps until an event
    // or the deadline comes, instead of spinning a core for the whole pause.
    QElapsedTimer clock;
    clock.start();
    for (qint64 left = ms; left > 0; left = ms - clock.elapsed()) {
        QEventLoop loop;
        QTimer::singleShot(int(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        // Once the application is quitting, every event loop returns at once
        // (with -1); waiting on would only spin until the deadline.
        if (loop.exec() < 0)
            return;
    }
}
