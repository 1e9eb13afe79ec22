#include "package/package_memo.h"

#include <errno.h>
#include <string.h>

#include "file/durable.h"
#include "file/file-op.h"
#include "log.h"

namespace {

const char kComponent[] = "service_debug";
// A memo holds one line.
const size_t kMaxMemoBytes = 4096;

ustring MemoPath(const ustring &user) { return user + "/.failed-package"; }

}  // namespace

std::string ReadPackageMemo(const ustring &user) {
    const SmallFile memo = FSReadSmallFile(MemoPath(user), kMaxMemoBytes, false);
    return memo.status == SmallFile::kRead ? memo.text : std::string();
}

void ChangePackageMemo(const ustring &user, MemoChange change, const std::string &identity) {
    int rc = 0;
    if (change == MemoChange::kRemember && !identity.empty())
        rc = FSReplaceFile(MemoPath(user), identity);
    else if (change == MemoChange::kForget)
        rc = FSRemove(MemoPath(user), false);
    if (rc != 0) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] package_memo(%d): cannot change '%s': %s\n", __LINE__,
                       MemoPath(user).c_str(), strerror(errno));
    }
}
