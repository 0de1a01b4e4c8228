#pragma once
// "unitdesk download": the headless download from the command line to the exit status.
#include <QDateTime>
#include <QStringList>
#include <cstdio>

// Runs the download the arguments (those after "download") describe, reporting on err;
// returns the exit status: 0 when every unit was fetched whole, 1 when a unit failed or
// the port or the store could not be used, 2 for a bad command line.
int RunDownloadCommand(const QStringList &arguments, std::FILE *err = stderr,
                       const QDateTime &now = QDateTime::currentDateTime());
