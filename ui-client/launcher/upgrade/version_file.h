#ifndef UI_CLIENT_LAUNCHER_UPGRADE_VERSION_FILE_H
#define UI_CLIENT_LAUNCHER_UPGRADE_VERSION_FILE_H

#include <stddef.h>

#include "file/file-op.h"
#include "ustring/ustring.h"

// Version of an installation, as read from its "INFO" file. Every member
// is empty until a version file has been read.
struct VersionInfo {
    ustring major_version;
    ustring minor_version;
    ustring build_version;
    ustring icon_overlay_version;
};

// Reads the "Version" section of the INI file at `path` into `info` with the
// toolkit's own INI reader (escapes, line continuations, percent-encoded
// keys, lists and all). Keys that are absent leave their member unchanged.
// The file is opened by its bytes, so a home directory whose name is not
// UTF-8 is read where it is; only a regular file is read, without blocking,
// and only its first 64 KiB, which the reader is given from memory.
void ReadVersionFile(const ustring &path, VersionInfo &info);

// A build number as atoi reads it (leading white space, optional sign,
// digits), clamped to the range of int instead of overflowing; 0 for an
// empty text.
int BuildNumber(const ustring &text);

// FSReadSmallFile for the service's own small files (version files, the
// upgrade marker), with a NOTE when `path` names something other than a
// regular file, which then counts as absent. With `follow_link` a link is
// followed only to a regular file: what it leads to is not opened otherwise.
SmallFile ReadSmallFileNoted(const ustring &path, size_t limit, bool follow_link);

#endif
