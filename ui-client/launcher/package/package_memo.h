#ifndef UI_CLIENT_LAUNCHER_PACKAGE_PACKAGE_MEMO_H
#define UI_CLIENT_LAUNCHER_PACKAGE_PACKAGE_MEMO_H

#include <string>

#include "ustring/ustring.h"

// The memo of a package that failed on its own, "<user>/.failed-package":
// one line naming the package's file and the build the system's version file
// announced (OpenedPackage::identity), so that the package is not tried again
// at every login until it, or the announced build, changes. A second line,
// "boot=<boot id> written=<seconds since the epoch>", says when it was
// written: a misjudged failure (a machine that misbehaved while the package
// was read) must not block upgrades for good, so a memo holds only within the
// boot that wrote it and for a day. A run reads it once and changes it at
// most once.

// How long a memo holds within the boot that wrote it.
const long long kPackageMemoSeconds = 24 * 60 * 60;

// The memo's line naming the package; empty when there is none, it cannot be
// read, or it no longer holds: written in another boot (or without the boot
// line), more than kPackageMemoSeconds ago, or later than now.
std::string ReadPackageMemo(const ustring &user);

// What a run does with the memo.
enum class MemoChange {
    kKeep,      // leave it as it is
    kRemember,  // the package failed on its own: name it
    kForget,    // the package installed as announced: drop it
};

// Applies `change` to the memo of the per-user folder `user`; `identity` is
// the line that kRemember writes. A memo that cannot be written or removed
// costs nothing but a WARNING.
void ChangePackageMemo(const ustring &user, MemoChange change, const std::string &identity);

#endif
