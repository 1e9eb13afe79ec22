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
// Removes the file `path` (a link itself, never what it points to) and makes
// the removal durable. 0 also when nothing was there.
int FSRemoveDurably(const ustring &path);

// What reached the disk, in order: each call above that succeeds reports
// itself ("sync-dir", "sync-fs", "replace", "remove") with its path to the
// recorder, if one is set. For tests that check the order of durable steps;
// none is set in the launcher. Not thread-safe: set it while no other thread
// makes changes durable.
typedef void (*DurableStepRecorder)(const char *step, const ustring &path);
void SetDurableStepRecorder(DurableStepRecorder recorder);

#endif
