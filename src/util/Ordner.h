#pragma once

#include <QString>

// The special folders the program works with. Every folder path returned here ends with "/".

// The user's personal documents folder, or an empty text when the platform cannot tell it. The folder
// need not exist yet.
QString EigeneDateien();

// The folder of the program's executable.
QString ProgrammOrdner();

// Where the read-only file AName that ships with the program (the week sound, the change list) is:
// beside the program first, then in the installed share folder (<prefix>/share/stundolog/, found
// from the executable's <prefix>/bin/), then in the resources folder of the source tree the program
// was built from, so that a program run from its build folder finds them too. When none of these
// holds the file, the path beside the program: the place where it belongs, for a message about it.
QString RessourcePfad(const QString &AName);

// Whether a file can be created in the existing folder AOrdner. Tried with a real file, which is
// removed again: permission bits alone do not tell a read-only volume or a foreign owner.
bool OrdnerBeschreibbar(const QString &AOrdner);

// Removes the folder AOrdner when it is empty (a hidden file counts as content). True when the folder
// was removed; false when it holds anything, does not exist or cannot be removed.
bool OrdnerEntfernenWennLeer(const QString &AOrdner);
