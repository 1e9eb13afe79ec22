#include "package/package_memo.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <time.h>

#include "file/durable.h"
#include "file/file-op.h"
#include "log.h"

namespace {

const char kComponent[] = "service_debug";
// A memo holds one line.
const size_t kMaxMemoBytes = 4096;

ustring MemoPath(const ustring &user) { return user + "/.failed-package"; }

// This boot's identity; empty where the kernel does not tell it.
std::string BootId() {
    const SmallFile id = FSReadSmallFile("/proc/sys/kernel/random/boot_id", 64);
    if (id.status != SmallFile::kRead) return std::string();
    return id.text.substr(0, id.text.find('\n'));
}

// The line that dates a memo written now.
std::string WhenLine() {
    return "boot=" + BootId() +
           " written=" + std::to_string(static_cast<long long>(time(nullptr))) + "\n";
}

// Whether the date line `when` says the memo was written in this boot and
// within the last kPackageMemoSeconds.
bool StillHolds(const std::string &when) {
    char boot[64] = "";
    long long written = 0;
    int consumed = 0;
    if (sscanf(when.c_str(), "boot=%63[^ \n] written=%lld\n%n", boot, &written, &consumed) != 2 &&
        sscanf(when.c_str(), "boot= written=%lld\n%n", &written, &consumed) != 1) {
        return false;
    }
    const long long age = static_cast<long long>(time(nullptr)) - written;
    return consumed == static_cast<int>(when.size()) && boot == BootId() && age >= 0 &&
           age < kPackageMemoSeconds;
}

}  // namespace

std::string ReadPackageMemo(const ustring &user) {
    const SmallFile memo = FSReadSmallFile(MemoPath(user), kMaxMemoBytes, false);
    if (memo.status != SmallFile::kRead) return std::string();
    const size_t end = memo.text.find('\n');
    if (end == std::string::npos || !StillHolds(memo.text.substr(end + 1))) return std::string();
    return memo.text.substr(0, end + 1);
}

void ChangePackageMemo(const ustring &user, MemoChange change, const std::string &identity) {
    int rc = 0;
    if (change == MemoChange::kRemember && !identity.empty())
        rc = FSReplaceFile(MemoPath(user), identity + WhenLine());
    else if (change == MemoChange::kForget)
        rc = FSRemove(MemoPath(user), false);
    if (rc != 0) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] package_memo(%d): cannot change '%s': %s\n", __LINE__,
                       MemoPath(user).c_str(), strerror(errno));
    }
}
