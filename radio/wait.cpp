#include "radio/wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>

void waitWithEvents(int ms)
{
    // A monotonic clock: a pause must last its full time also across midnight
    // or a change of the system clock.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
