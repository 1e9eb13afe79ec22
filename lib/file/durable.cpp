#include "file/durable.h"

#include <fcntl.h>
#include <unistd.h>

#include "file/file-op.h"
#include "file/scoped.h"

namespace {

DurableStepRecorder g_recorder = nullptr;

// `rc`, after reporting `step` to the recorder when it succeeded.
int Reported(int rc, const char *step, const ustring &path) {
    if (rc == 0 && g_recorder) g_recorder(step, path);
    return rc;
}

}  // namespace

void SetDurableStepRecorder(DurableStepRecorder recorder) { g_recorder = recorder; }

int FSSyncDirectory(const ustring &dir) {
    ScopedFd fd(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return Reported(fd.valid() ? fd.Sync() : -1, "sync-dir", dir);
}

int FSSyncFileSystem(const ustring &path) {
    ScopedFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    return Reported(fd.valid() ? syncfs(fd.get()) : -1, "sync-fs", path);
}

int FSRemoveDurably(const ustring &path) {
    if (FSRemove(path, false) != 0) return -1;
    return Reported(FSSyncDirectory(FSParentPath(path)), "remove", path);
}

int FSReplaceFile(const ustring &path, const std::string &text) {
    if (FSRemove(path, false) != 0) return -1;
    ScopedFd fd(open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!fd.valid()) return -1;
    if (write(fd.get(), text.data(), text.size()) != static_cast<ssize_t>(text.size()) ||
        fd.Sync() != 0 || fd.Close() != 0)
        return -1;
    return Reported(FSSyncDirectory(FSParentPath(path)), "replace", path);
}
