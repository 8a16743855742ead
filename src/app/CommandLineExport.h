#pragma once

#include <QStringList>

namespace rylmo::app {

// Whether the program was started to export (its first argument is --export).
bool isExportCommand(int argc, char** argv);

// Before the application starts: an export shows no window and needs no display, so it runs
// on the offscreen platform, which on Windows takes its fonts from the system's font folder.
void chooseExportPlatform();

// rylmo --export odjazdy|przyjazdy|wykaz|wykres|lista FILE.roz OUT.pdf|OUT.html|OUT.csv
// [--od 6:00] [--do 22:00] [--kategorie pasazerskie,towarowe,sluzbowe]: writes the export
// without a window. arguments are the program's (the program first). Returns the exit code:
// 0 written, 1 a file could not be read or written, 2 wrong arguments; says why on stderr.
int runExportCommand(const QStringList& arguments);

}  // namespace rylmo::app
