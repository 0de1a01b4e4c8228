#pragma once
// What every fuzz target runs in: an offscreen application, a temporary folder as drive C:,
// a prompt stand-in that says OK (a yes-or-no question keeps its default) and cancels every
// file dialog, and a pseudo-terminal the port opens (so that downloads can start).
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <utility>

class Program;

namespace fuzz {

// Creates the environment on first use; later calls only clear the prompt's records.
void prepare();
// The device every COMn of a program made by a target opens.
QString portDevice();
// Writes bytes as they are to a logical path (folders created); no conversion.
void writeRaw(const QString &logicalPath, const QByteArray &bytes);
void removeFile(const QString &logicalPath);
// The input cut at NUL bytes into the files of the paths, in order: each part is written
// as it is, and the paths beyond the last part are removed (the file is missing).
void placeFiles(const QByteArray &input, const QStringList &logicalPaths);
// Empties drive C: below the root.
void clearRoot();
// One program for every target and input (building one per input would leave a few runs
// a second), its port on the pseudo-terminal; a target starts it again from its load
// steps (MainWindow::startUp) when it needs them. No download is running when it returns.
Program &program();
// The PC clock the targets start the program at.
QDateTime now();

// Splits the input at the first occurrence of `separator`: (before, after); all of it
// before when absent.
std::pair<QByteArray, QByteArray> splitAt(const QByteArray &bytes, char separator);

} // namespace fuzz
