// The program's arguments as the user gave them, on Linux and on Windows.
#pragma once

#include <QStringList>

namespace kaldoventri {

// On Windows argv holds the arguments in the ANSI code page, which loses every
// letter outside it, so they are read from the UTF-16 command line instead, and
// cmd.exe and PowerShell leave "*.vkf" for the program to expand. Elsewhere the
// shell has done both and argv is taken as it stands.
QStringList ProgramArguments(int argc, char** argv);

// Every argument after the program's name that is no option and holds * or ?
// becomes the files it matches in its folder, in name order and without regard
// to case, as on Windows; a pattern that matches nothing stays as it is, so
// that reading it reports the missing file.
QStringList ExpandFilePatterns(const QStringList& arguments);

}  // namespace kaldoventri
