#pragma once
// kvx-cli's help: the overview, each command's options with the values
// each module offers, and an example.

#include <QString>
#include <QStringList>

const QStringList &cliCommands();

QString generalHelp();
// Empty for a command that does not exist.
QString commandHelp(const QString &command);
// The overview and every command's help.
QString allHelp();
