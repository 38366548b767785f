#pragma once

// Output line speed in baud that the serial side of the pseudo-terminal is
// set to, read through its master `fd`; 0 when it cannot be read.
int ptyLineSpeed(int fd);
