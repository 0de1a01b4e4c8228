#pragma once
// "unitdesk report": the month report from the command line to the exit status.
#include <QDateTime>
#include <QStringList>
#include <cstdio>

// Writes the report the arguments (those after "report") describe, reporting on err;
// returns the exit status: 0 when written, 1 when the month has no data or a file could
// not be written, 2 for a bad command line. Needs a QGuiApplication for the PDF.
int RunReportCommand(const QStringList &arguments, std::FILE *err = stderr,
                     const QDateTime &now = QDateTime::currentDateTime());
