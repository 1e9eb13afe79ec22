#ifndef LIB_FILE_DURABLE_H
#define LIB_FILE_DURABLE_H

#include <string>

#include "ustring/ustring.h"

// Making changes durable: what must survive a power loss once a call
// returns. Each returns 0, or -1 with errno from the failing call.

// Flushes a directory's entries (renames, creations, removals) to disk.
int FSSyncDirectory(const ustring &dir);
// Flushes everything written to the file system that holds `path`.
int FSSyncFileSystem(const ustring &path);
// Writes `text` to `path` as a new file (mode 0644) and makes it and its
// name durable. Whatever stood at the name (a link, a FIFO, a file with
// other names) is removed first, never written through.
int FSReplaceFile(const ustring &path, const std::string &text);

#endif
