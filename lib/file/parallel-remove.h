#ifndef LIB_FILE_PARALLEL_REMOVE_H
#define LIB_FILE_PARALLEL_REMOVE_H

#include "ustring/ustring.h"

// FSRemove, with the files of a directory tree unlinked by `threads` threads
// side by side first (file systems unlink in different directories at
// once), never on another mount than `path`'s. Same results as FSRemove. Any thread may call it;
// the threads it starts are joined before it returns, and they share nothing with callers.
int FSRemoveParallel(const ustring &path, unsigned threads);

#endif
