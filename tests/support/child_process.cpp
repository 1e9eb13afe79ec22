#include "child_process.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "test_support.h"

extern char **environ;

namespace testing_support {

namespace {

// This process's environment with `changes` applied.
std::vector<std::string> ChangedEnvironment(const std::vector<std::string> &changes) {
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) env.push_back(*e);
    for (const std::string &change : changes) {
        const std::string name = change.substr(0, change.find('='));
        for (auto it = env.begin(); it != env.end();) {
            if (it->compare(0, name.size() + 1, name + "=") == 0)
                it = env.erase(it);
            else
                ++it;
        }
        if (change.find('=') != std::string::npos) env.push_back(change);
    }
    return env;
}

std::vector<char *> Pointers(std::vector<std::string> &strings) {
    std::vector<char *> p;
    for (std::string &s : strings) p.push_back(&s[0]);
    p.push_back(nullptr);
    return p;
}

}  // namespace

ChildProcess::ChildProcess(const std::string &program, const std::vector<std::string> &argv,
                           const std::vector<std::string> &env, const std::string &out_path,
                           const std::string &err_path)
    : out_path_(out_path), err_path_(err_path), pid_(-1), reaped_(false), status_(0) {
    std::vector<std::string> args = argv;
    std::vector<std::string> envs = ChangedEnvironment(env);
    std::vector<char *> arg_ptrs = Pointers(args);
    std::vector<char *> env_ptrs = Pointers(envs);

    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error(std::string("fork: ") + strerror(errno));
    if (pid_ == 0) {
        // Only async-signal-safe calls from here on.
        const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in = open("/dev/null", O_RDONLY);
        if (out < 0 || err < 0 || in < 0) _exit(126);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        environ = env_ptrs.data();
        if (strchr(program.c_str(), '/'))
            execv(program.c_str(), arg_ptrs.data());
        else
            execvp(program.c_str(), arg_ptrs.data());
        _exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (!reaped_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status_, 0);
    }
}

bool ChildProcess::Wait(int timeout_ms) {
    return WaitUntil(
        [this] {
            if (reaped_) return true;
            const pid_t r = waitpid(pid_, &status_, WNOHANG);
            reaped_ = r == pid_ || (r < 0 && errno == ECHILD);
            return reaped_;
        },
        timeout_ms);
}

bool ChildProcess::Running() { return !Wait(0); }

std::string ChildProcess::StatusText() const {
    if (!reaped_) return "still running";
    if (WIFEXITED(status_)) return "exit " + std::to_string(WEXITSTATUS(status_));
    if (WIFSIGNALED(status_)) return "signal " + std::to_string(WTERMSIG(status_));
    return "status " + std::to_string(status_);
}

void ChildProcess::Signal(int sig) {
    if (!reaped_) kill(pid_, sig);
}

std::string ChildProcess::Output() const { return ReadFile(out_path_); }

std::string ChildProcess::Errors() const { return ReadFile(err_path_); }

bool ProcessAlive(pid_t pid) {
    if (pid <= 0) return false;
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    // "pid (comm) S ...": the state follows the last parenthesis.
    const std::string::size_type paren = stat.rfind(')');
    if (paren == std::string::npos || paren + 2 >= stat.size()) return false;
    const char state = stat[paren + 2];
    return state != 'Z' && state != 'X';
}

std::string ProcessExecutable(pid_t pid) {
    char buf[4096];
    const std::string link = "/proc/" + std::to_string(pid) + "/exe";
    const ssize_t n = readlink(link.c_str(), buf, sizeof buf - 1);
    if (n <= 0) return std::string();
    return std::string(buf, static_cast<size_t>(n));
}

bool WaitProcessGone(pid_t pid, int timeout_ms) {
    return WaitUntil([pid] { return !ProcessAlive(pid); }, timeout_ms);
}

int KillProcessesWithEnvironment(const std::string &entry) {
    std::vector<pid_t> killed;
    if (DIR *proc = opendir("/proc")) {
        while (const dirent *d = readdir(proc)) {
            char *end;
            const long pid = strtol(d->d_name, &end, 10);
            if (*end != '\0' || pid <= 0 || pid == getpid()) continue;
            const std::string env = ReadFile("/proc/" + std::string(d->d_name) + "/environ");
            for (std::string::size_type at = 0; at < env.size();) {
                std::string::size_type nul = env.find('\0', at);
                if (nul == std::string::npos) nul = env.size();
                if (env.compare(at, nul - at, entry) == 0) {
                    kill(static_cast<pid_t>(pid), SIGKILL);
                    killed.push_back(static_cast<pid_t>(pid));
                    break;
                }
                at = nul + 1;
            }
        }
        closedir(proc);
    }
    for (pid_t pid : killed) WaitProcessGone(pid, 5000);
    return static_cast<int>(killed.size());
}

}  // namespace testing_support
