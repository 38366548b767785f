#pragma once

// Pumps the event loop for at least `ms` milliseconds (monotonic clock), so
// the port and the window stay alive while a command sequence pauses.
// Returns at once when the application is quitting.
void waitWithEvents(int ms);
