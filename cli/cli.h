#pragma once

// kvx-cli: parses the command line, runs the command, returns the exit status.
int runCli(int argc, char *argv[]);
