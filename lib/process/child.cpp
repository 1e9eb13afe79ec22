#include "process/child.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <poll.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>

#include <sys/wait.h>

#include "file/scoped.h"

extern char **environ;

namespace {

const std::chrono::milliseconds kProbeInterval(20);

// posix_spawn's attributes and file actions, destroyed on every path.
class SpawnSettings {
public:
    explicit SpawnSettings(const ChildStreams &streams) {
        posix_spawnattr_init(&attr_);
        posix_spawn_file_actions_init(&actions_);
        sigset_t all, none;
        sigfillset(&all);
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attr_, &all);
        posix_spawnattr_setsigmask(&attr_, &none);
        posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
        if (streams.in >= 0)
            posix_spawn_file_actions_adddup2(&actions_, streams.in, 0);
        else
            posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
        if (streams.out >= 0) posix_spawn_file_actions_adddup2(&actions_, streams.out, 1);
        if (streams.err >= 0) posix_spawn_file_actions_adddup2(&actions_, streams.err, 2);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attr_);
    }
    SpawnSettings(const SpawnSettings &) = delete;
    SpawnSettings &operator=(const SpawnSettings &) = delete;

    const posix_spawnattr_t *attr() const { return &attr_; }
    const posix_spawn_file_actions_t *actions() const { return &actions_; }

private:
    posix_spawnattr_t attr_;
    posix_spawn_file_actions_t actions_;
};

}  // namespace

int AboveStandardStreams(int fd) { return fcntl(fd, F_DUPFD_CLOEXEC, 3); }

StartedChild StartChild(char *const argv[], const ChildStreams &streams) {
    const SpawnSettings settings(streams);
    StartedChild child;
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, argv[0], settings.actions(), settings.attr(), argv, environ);
    if (rc != 0) {
        child.error = rc;
        return child;
    }
    child.pid = pid;
    return child;
}

bool SleepTowards(std::chrono::steady_clock::time_point deadline) {
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    const auto wait = std::min<std::chrono::steady_clock::duration>(kProbeInterval, deadline - now);
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    struct timespec pause = {static_cast<time_t>(ns / 1000000000),
                             static_cast<long>(ns % 1000000000)};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
    return true;
}

namespace {

// Waits until the process that `pidfd` refers to has ended or `deadline` has
// passed: at once when it ends. False when the descriptor cannot be polled.
bool PollPidfd(int pidfd, std::chrono::steady_clock::time_point deadline) {
    struct pollfd entry = {pidfd, POLLIN, 0};
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const int rc = poll(&entry, 1, static_cast<int>(std::max<long long>(0, left.count() + 1)));
        if (rc >= 0) return true;
        if (errno != EINTR) return false;
    }
}

// Whether the process that `pidfd` refers to has ended.
bool HasEnded(int pidfd) {
    struct pollfd entry = {pidfd, POLLIN, 0};
    return poll(&entry, 1, 0) > 0 && (entry.revents & POLLIN) != 0;
}

}  // namespace

int OpenProcessDescriptor(pid_t pid) { return static_cast<int>(syscall(SYS_pidfd_open, pid, 0)); }

bool WaitForProcessEnd(int pidfd, std::chrono::milliseconds limit,
                       const std::function<bool()> &alive) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    if (pidfd >= 0 && PollPidfd(pidfd, deadline)) return HasEnded(pidfd);
    for (;;) {
        if (!alive()) return true;
        if (!SleepTowards(deadline)) return false;
    }
}

ChildExit WaitForChild(pid_t pid, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    // A process descriptor wakes the wait as the child ends; without one
    // (an older kernel) the child is probed every 20 ms.
    const ScopedFd pidfd(OpenProcessDescriptor(pid));
    ChildExit exit;
    for (;;) {
        const pid_t rc = waitpid(pid, &exit.status, WNOHANG);
        if (rc == pid) {
            exit.ended = true;
            return exit;
        }
        // Reaped elsewhere, or not a child of this process: nothing to wait for.
        if (rc < 0 && errno != EINTR) {
            exit.ended = true;
            exit.status = -1;
            return exit;
        }
        if (rc != 0) continue;
        if (std::chrono::steady_clock::now() >= deadline) return exit;
        if (!pidfd.valid() || !PollPidfd(pidfd.get(), deadline)) SleepTowards(deadline);
    }
}
