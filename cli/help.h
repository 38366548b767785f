#pragma once
// kvx-cli's help, made from the table of commands: the overview, each
// command's options with the values each module offers, and an example.

#include <QString>

QString generalHelp();
// Empty for a command that does not exist.
QString commandHelp(const QString &command);
// The overview and every command's help.
QString allHelp();
// The values each module offers, by setting.
QString valueListsText();
