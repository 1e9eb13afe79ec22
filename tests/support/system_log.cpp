#include "system_log.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "test_support.h"

namespace testing_support {

std::string SystemLogSocket::Missing() {
    if (geteuid() != 0) return "root, for a mount namespace";
    if (RunCommand("unshare --mount true 2>/dev/null") != 0) return "a mount namespace (unshare)";
    return "";
}

SystemLogSocket::SystemLogSocket(const std::string &dir) : dir_(dir), fd_(-1) {
    MakeDirs(dir_ + "/dev");
    chmod(dir_.c_str(), 0755);
    struct sockaddr_un addr;
    memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    const std::string path = dir_ + "/log";
    if (path.size() >= sizeof addr.sun_path) throw std::runtime_error("too long: " + path);
    memcpy(addr.sun_path, path.c_str(), path.size());
    fd_ = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 ||
        chmod(path.c_str(), 0666) != 0)
        throw std::runtime_error("syslog socket " + path + ": " + strerror(errno));
}

SystemLogSocket::~SystemLogSocket() {
    if (fd_ >= 0) close(fd_);
}

std::vector<std::string> SystemLogSocket::Wrapper(const std::string &inside) const {
    const std::string script =
        "mount --rbind /dev \"$0/dev\" && mount -t tmpfs tmpfs /dev && "
        "for e in \"$0\"/dev/*; do ln -s \"$e\" /dev/; done && ln -s \"$0/log\" /dev/log && " +
        (inside.empty() ? "" : inside + " && ") + "exec \"$@\"";
    return {"unshare", "--mount", "--", "sh", "-c", script, dir_};
}

size_t SystemLogSocket::Fill() {
    struct sockaddr_un addr;
    memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    memcpy(addr.sun_path, (dir_ + "/log").c_str(), dir_.size() + 4);
    // A sender's own buffer may fill before the queue does: each sender
    // sends until it can no more, and the first that sends nothing ends it.
    size_t sent = 0;
    for (size_t by_this = 1; by_this > 0 && sent < 1000000;) {
        const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (fd < 0) throw std::runtime_error(std::string("socket: ") + strerror(errno));
        for (by_this = 0; sendto(fd, "x", 1, MSG_DONTWAIT, reinterpret_cast<sockaddr *>(&addr),
                                 sizeof addr) == 1;)
            ++by_this;
        close(fd);
        sent += by_this;
    }
    return sent;
}

std::vector<std::string> SystemLogSocket::Messages() {
    std::vector<std::string> messages;
    char buf[4096];
    for (;;) {
        const ssize_t n = recv(fd_, buf, sizeof buf, MSG_DONTWAIT);
        if (n < 0) break;
        messages.emplace_back(buf, static_cast<size_t>(n));
    }
    return messages;
}

}  // namespace testing_support
