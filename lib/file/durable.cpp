#include "file/durable.h"

#include <fcntl.h>
#include <unistd.h>

#include "file/file-op.h"
#include "file/scoped.h"

int FSSyncDirectory(const ustring &dir) {
    ScopedFd fd(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.valid() ? fd.Sync() : -1;
}

int FSSyncFileSystem(const ustring &path) {
    ScopedFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    return fd.valid() ? syncfs(fd.get()) : -1;
}

int FSReplaceFile(const ustring &path, const std::string &text) {
    if (FSRemove(path, false) != 0) return -1;
    ScopedFd fd(open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!fd.valid()) return -1;
    if (write(fd.get(), text.data(), text.size()) != static_cast<ssize_t>(text.size()) ||
        fd.Sync() != 0 || fd.Close() != 0)
        return -1;
    return FSSyncDirectory(FSParentPath(path));
}
