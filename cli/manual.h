#pragma once
// kvx-cli's manual page and bash completion, made from the table of commands
// at build time (kvx-cli __generate man|bash-completion), so that neither
// can drift from the options the program takes.

#include <QString>

QString manualPage();
QString bashCompletion();
