#include "sim/ptyspeed.h"

#if defined(__linux__)

// termios2 carries the speed as a number, also for rates set with BOTHER.
// Its kernel header clashes with <termios.h>, hence this file of its own.
#include <asm/ioctls.h>
#include <asm/termbits.h>

extern "C" int ioctl(int fd, unsigned long request, ...);

int ptyLineSpeed(int fd)
{
    // On a master, the terminal ioctls reach the slave's settings.
    struct termios2 settings {};
    if (ioctl(fd, TCGETS2, &settings) != 0)
        return 0;
    return int(settings.c_ospeed);
}

#else

#include <termios.h>

int ptyLineSpeed(int fd)
{
    struct termios settings {};
    if (tcgetattr(fd, &settings) != 0)
        return 0;
    switch (cfgetospeed(&settings)) {
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    case B230400: return 230400;
    default: return 0;
    }
}

#endif
