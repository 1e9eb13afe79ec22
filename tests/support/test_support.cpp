#include "test_support.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_support {

int RunUnprivileged(const std::function<int()> &body) {
    fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kUnprivilegedUid) != 0 ||
                               setuid(kUnprivilegedUid) != 0))
            _exit(77);
        _exit(body());
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

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

void WriteFile(const std::string &path, const std::string &contents) {
    std::string::size_type slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        std::string mk = "mkdir -p '" + path.substr(0, slash) + "'";
        if (system(mk.c_str()) != 0) throw std::runtime_error("cannot create parent of " + path);
    }
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << contents;
    if (!f) throw std::runtime_error("cannot write " + path);
}

std::string ReadFile(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string ReadHead(const std::string &path, size_t limit) {
    std::string text;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return text;
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        text.resize(limit);
        const ssize_t got = read(fd, &text[0], limit);
        text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    }
    close(fd);
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
    DIR *d = opendir("/proc/self/fd");
    if (!d) return -1;
    int n = 0;
    while (readdir(d)) ++n;
    closedir(d);
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
    if (DIR *d = opendir(dir.c_str())) {
        while (const dirent *e = readdir(d)) {
            const std::string name = e->d_name;
            if (name != "." && name != ".." && name != "Tarrowind.app" && name != "log" &&
                name != "ui.pid" && name[0] != '.')
                found.push_back(name);
        }
        closedir(d);
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::string TreeDigest(const std::string &dir) {
    std::string out;
    RunCommand("cd '" + dir +
                   "' && find . -printf '%p %y %m %l\\n' | sort && find . -type f | sort | "
                   "xargs md5sum",
               &out);
    return out;
}

}  // namespace testing_support
