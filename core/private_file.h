#pragma once

#include <string>

// The program's own working files in the temporary folder (the exchange files between the clone
// session and the radio data) are made private and empty at start, then opened again by name. A
// temporary-folder cleaner may remove one meanwhile, and another local user may then put a link or
// a file of their own under its name.

// Opens such a file again: never through a symbolic link, only a regular file of this user, without
// waiting on anything else. `access` is O_RDONLY, or O_WRONLY or O_RDWR with O_TRUNC if wanted. For
// writing, a file that has vanished is made again under its name, exclusively, as mkstemp makes
// one. The file is left at mode 0600. Returns the open descriptor (close-on-exec), or -1.
int ReopenPrivateFile(const std::string& path, int access);
