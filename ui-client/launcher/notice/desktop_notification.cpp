#include "notice/desktop_notification.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <string.h>
#include <unistd.h>

#include <sys/wait.h>

#include "file/scoped.h"
#include "process/child.h"

namespace {

// How long a killed notifier may take to be reaped.
const std::chrono::milliseconds kReapLimit{1000};
// The notifier says why in one short line.
const size_t kMaxWhy = 512;

NotifyResult NotShown(const std::string &why) {
    NotifyResult result;
    result.why = why;
    return result;
}

// What the ended notifier wrote, without waiting for more.
std::string ReadWhy(int fd) {
    char buf[kMaxWhy];
    ssize_t n;
    do {
        n = read(fd, buf, sizeof buf);
    } while (n < 0 && errno == EINTR);
    std::string why(buf, n > 0 ? static_cast<size_t>(n) : 0);
    while (!why.empty() && why.back() == '\n') why.pop_back();
    return why;
}

// The result of a notifier that ended with `status`, having written `why`.
NotifyResult Ended(int status, const std::string &why) {
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNotifierShown)
        return NotifyResult{NotifyResult::Delivery::kShown, std::string()};
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNotifierNotShown && !why.empty())
        return NotShown(why);
    if (WIFSIGNALED(status))
        return NotShown("the notifier ended by signal " + std::to_string(WTERMSIG(status)));
    return NotShown("the notifier ended with status " + std::to_string(WEXITSTATUS(status)));
}

// Waits at most `limit` for the notifier `pid`; kills it when it outlives
// the limit.
NotifyResult Await(pid_t pid, int report, std::chrono::milliseconds limit) {
    const ChildExit exit = WaitForChild(pid, limit);
    if (exit.ended) return Ended(exit.status, ReadWhy(report));
    // Still our unreaped child: the pid cannot name another process.
    kill(pid, SIGKILL);
    WaitForChild(pid, kReapLimit);
    return NotShown("the session bus did not answer within " + std::to_string(limit.count()) +
                    " ms");
}

}  // namespace

NotifyResult ShowDesktopNotification(const ustring &notifier,
                                     const DesktopNotification &notification,
                                     std::chrono::milliseconds limit) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return NotShown(std::string("cannot make a pipe: ") + strerror(errno));
    const ScopedFd pipe_in(ends[0]);
    ScopedFd report(AboveStandardStreams(ends[1]));
    close(ends[1]);
    if (!report.valid()) return NotShown(std::string("cannot make a pipe: ") + strerror(errno));
    char *const argv[] = {const_cast<char *>(notifier.c_str()),
                          const_cast<char *>(notification.title.c_str()),
                          const_cast<char *>(notification.body.c_str()),
                          const_cast<char *>(notification.icon.c_str()), nullptr};
    ChildStreams streams;
    streams.out = report.get();
    const StartedChild child = StartChild(argv, streams);
    report.Close();
    if (child.pid < 0)
        return NotShown("cannot start '" + std::string(notifier.c_str()) +
                        "': " + strerror(child.error));
    return Await(child.pid, pipe_in.get(), limit);
}
