#pragma once

#include <QStringList>

namespace rylmo::app {

// Whether the program was started to export (its first argument is --export).
bool isExportCommand(int argc, char** argv);

// Whether the program was started as "rylmo --version", and the answer: "Rylmo 0.2.0" on
// the standard output (the console it was started from, on Windows), exit code 0.
bool isVersionCommand(int argc, char** argv);
int printVersion();

// Before the application starts: an export shows no window and needs no display, so it runs
// on the offscreen platform, which on Windows takes its fonts from the system's font folder.
void chooseExportPlatform();

// rylmo --export odjazdy|przyjazdy|wykaz|wykres|lista FILE.roz OUT.pdf|OUT.html|OUT.csv
// [--od 6:00] [--do 22:00] [--kategorie pasazerskie,towarowe,sluzbowe]: writes the export
// without a window. arguments are the program's (the program first). Returns the exit code:
// 0 written, 1 a file could not be read or written, 2 wrong arguments; says why on stderr.
int runExportCommand(const QStringList& arguments);

}  // namespace rylmo::app
