#ifndef TESTS_SUPPORT_TEST_SUPPORT_H
#define TESTS_SUPPORT_TEST_SUPPORT_H

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// The unprivileged user ("nobody") that tests drop to, as real users run
// without root's power over permissions.
const uid_t kUnprivilegedUid = 65534;

// Runs `body` in a forked child as kUnprivilegedUid when this process is
// root, else as the current user. Returns the child's exit status (body's
// result), 77 when the uid could not be dropped, -1 when the child failed.
int RunUnprivileged(const std::function<int()> &body);
// Runs `body` in a forked child as the current user: its exit status, -1
// when the child did not exit (a body may end it with _exit at any point).
int RunInChild(const std::function<int()> &body);

// A fresh directory under $TMPDIR (or /tmp), removed with everything in it
// when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    // path() + "/" + rel
    std::string sub(const std::string &rel) const { return path_ + "/" + rel; }

private:
    std::string path_;
};

// Sets one environment variable (or, given only its name, removes it) and
// puts the old value back when it goes away.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const std::string &value);
    explicit ScopedEnv(const char *name);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    void Save();
    std::string name_;
    std::string old_;
    bool had_old_;
};

// Writes `contents` to `path`, creating missing parent directories; with
// `mode` the file gets exactly those permission bits. Starts no process, so
// it serves for trees of thousands of files. Throws on failure.
void WriteFile(const std::string &path, const std::string &contents, int mode = -1);
// mkdir -p without a shell. Throws on failure.
void MakeDirs(const std::string &path);
// `s` as one word for /bin/sh.
std::string Quote(const std::string &s);
// Runs a command through /bin/sh; throws, with its output, when it fails.
void MustRun(const std::string &command);
// The target of the symbolic link `path`; empty when it is none.
std::string LinkText(const std::string &path);
// Calls `done` every `poll_us` microseconds until it is true; false when
// `timeout_ms` went by first. `done` is called at least once.
bool WaitUntil(const std::function<bool()> &done, int timeout_ms, int poll_us = 10000);
// The whole contents of `path`; empty when it cannot be read.
std::string ReadFile(const std::string &path);
// At most `limit` bytes of the regular file `path`, read without blocking;
// empty for anything else (a FIFO, a device) or when it cannot be read.
std::string ReadHead(const std::string &path, size_t limit);
// A descriptor (the caller's to close) whose reads yield `bytes` and then
// fail with EIO, as a file on failing storage does: the master of a
// terminal whose other side wrote them raw and closed. It cannot seek.
// -1 when no terminal can be made; `bytes` must fit its buffer (4 KiB).
int FailingReadDescriptor(const std::string &bytes);
// Runs a command through /bin/sh and returns its exit status (-1 if it could
// not be run); standard output is stored in *out when out is not null.
int RunCommand(const std::string &command, std::string *out = nullptr);
// Number of open file descriptors of this process.
int OpenDescriptorCount();
// Whether the entry exists (a dangling link does).
bool PathExists(const std::string &path);
// How often `what` occurs in `text` (overlapping occurrences count).
int CountOccurrences(const std::string &text, const std::string &what);
// Entries of the per-user install directory `dir` besides the application
// directory, the log folder, the pid file and the launcher's hidden records
// (its lock files, a failed package): backups, markers, debris.
// Sorted.
std::vector<std::string> Leftovers(const std::string &dir);

}  // namespace testing_support

#endif
