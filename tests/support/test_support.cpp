#include "test_support.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "file/scoped.h"

namespace testing_support {

namespace {

int RunForked(const std::function<int()> &body, bool unprivileged) {
    fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (unprivileged && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(kUnprivilegedUid) != 0 ||
             setuid(kUnprivilegedUid) != 0))
            _exit(77);
        _exit(body());
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace

int RunUnprivileged(const std::function<int()> &body) { return RunForked(body, true); }

int RunInChild(const std::function<int()> &body) { return RunForked(body, false); }

TempDir::TempDir() {
    const char *base = getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/tarrowind-test-XXXXXX";
    if (!mkdtemp(&tmpl[0])) throw std::runtime_error(std::string("mkdtemp: ") + strerror(errno));
    path_ = tmpl;
}

TempDir::~TempDir() {
    // Tests may leave read-only directories behind; make them writable first.
    std::string cmd = "chmod -R u+rwx '" + path_ + "' 2>/dev/null; rm -rf '" + path_ + "'";
    if (system(cmd.c_str()) != 0) fprintf(stderr, "TempDir: could not remove %s\n", path_.c_str());
}

ScopedEnv::ScopedEnv(const char *name, const std::string &value) : name_(name), had_old_(false) {
    Save();
    setenv(name, value.c_str(), 1);
}

ScopedEnv::ScopedEnv(const char *name) : name_(name), had_old_(false) {
    Save();
    unsetenv(name);
}

void ScopedEnv::Save() {
    if (const char *old = getenv(name_.c_str())) {
        old_ = old;
        had_old_ = true;
    }
}

ScopedEnv::~ScopedEnv() {
    if (had_old_)
        setenv(name_.c_str(), old_.c_str(), 1);
    else
        unsetenv(name_.c_str());
}

void MakeDirs(const std::string &path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (!prefix.empty() && mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST)
            throw std::runtime_error("mkdir " + prefix + ": " + strerror(errno));
        if (slash == std::string::npos) return;
    }
}

void WriteFile(const std::string &path, const std::string &contents, int mode) {
    const std::string::size_type slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) MakeDirs(path.substr(0, slash));
    ScopedFd fd(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.valid()) throw std::runtime_error("open " + path + ": " + strerror(errno));
    const bool ok = write(fd.get(), contents.data(), contents.size()) ==
                        static_cast<ssize_t>(contents.size()) &&
                    (mode < 0 || fchmod(fd.get(), static_cast<mode_t>(mode)) == 0) &&
                    fd.Close() == 0;
    if (!ok) throw std::runtime_error("write " + path + ": " + strerror(errno));
}

std::string Quote(const std::string &s) {
    std::string quoted = "'";
    for (const char c : s) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

void MustRun(const std::string &command) {
    std::string out;
    if (RunCommand(command + " 2>&1", &out) != 0)
        throw std::runtime_error("failed: " + command + "\n" + out);
}

std::string LinkText(const std::string &path) {
    char buf[4096];
    const ssize_t n = readlink(path.c_str(), buf, sizeof buf);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

bool WaitUntil(const std::function<bool()> &done, int timeout_ms, int poll_us) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        usleep(static_cast<useconds_t>(poll_us));
    }
}

std::string ReadFile(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

int FailingReadDescriptor(const std::string &bytes) {
    ScopedFd master(posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!master.valid() || grantpt(master.get()) != 0 || unlockpt(master.get()) != 0) return -1;
    const char *name = ptsname(master.get());
    const ScopedFd side(name ? open(name, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1);
    struct termios raw;
    if (!side.valid() || tcgetattr(side.get(), &raw) != 0) return -1;
    cfmakeraw(&raw);
    if (tcsetattr(side.get(), TCSANOW, &raw) != 0 ||
        write(side.get(), bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        return -1;
    }
    return master.release();
}

std::string ReadHead(const std::string &path, size_t limit) {
    std::string text;
    const ScopedFd fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st;
    if (fd.valid() && fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode)) {
        text.resize(limit);
        const ssize_t got = read(fd.get(), &text[0], limit);
        text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    }
    return text;
}

int RunCommand(const std::string &command, std::string *out) {
    FILE *p = popen(command.c_str(), "r");
    if (!p) return -1;
    char buf[4096];
    size_t n;
    std::string text;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) text.append(buf, n);
    int status = pclose(p);
    if (out) *out = text;
    if (status == -1 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

int OpenDescriptorCount() {
    ScopedDir d(opendir("/proc/self/fd"));
    if (!d) return -1;
    int n = 0;
    while (readdir(d.get())) ++n;
    return n - 3;  // ".", ".." and the descriptor of d itself
}

bool PathExists(const std::string &path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

int CountOccurrences(const std::string &text, const std::string &what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

std::vector<std::string> Leftovers(const std::string &dir) {
    std::vector<std::string> found;
    ScopedDir d(opendir(dir.c_str()));
    while (const dirent *e = d ? readdir(d.get()) : nullptr) {
        const std::string name = e->d_name;
        if (name != "Tarrowind.app" && name != "log" && name != "ui.pid" && name[0] != '.')
            found.push_back(name);
    }
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace testing_support
