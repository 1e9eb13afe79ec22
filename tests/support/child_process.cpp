#include "child_process.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "file/scoped.h"
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
    : ChildProcess(program, argv, [&] {
          ChildOptions options;
          options.env = env;
          options.out_path = out_path;
          options.err_path = err_path;
          return options;
      }()) {}

ChildProcess::ChildProcess(const std::string &program, const std::vector<std::string> &argv,
                           const ChildOptions &options)
    : out_path_(options.out_path),
      err_path_(options.err_path),
      pid_(-1),
      reaped_(false),
      status_(0) {
    std::vector<std::string> args = argv;
    std::vector<std::string> envs = ChangedEnvironment(options.env);
    std::vector<char *> arg_ptrs = Pointers(args);
    std::vector<char *> env_ptrs = Pointers(envs);
    const std::string out = out_path_.empty() ? "/dev/null" : out_path_;
    const std::string err = err_path_.empty() ? "/dev/null" : err_path_;
    const bool drop = options.unprivileged && geteuid() == 0;

    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error(std::string("fork: ") + strerror(errno));
    if (pid_ == 0) {
        // Only async-signal-safe calls from here on.
        setpgid(0, 0);  // so that the destructor ends the process with its children
        const int out_fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err_fd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in_fd = open("/dev/null", O_RDONLY);
        if (out_fd < 0 || err_fd < 0 || in_fd < 0) _exit(126);
        dup2(in_fd, 0);
        dup2(out_fd, 1);
        dup2(err_fd, 2);
        if (options.ignore_term) signal(SIGTERM, SIG_IGN);
        if (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0) _exit(126);
        if (drop && (setgroups(0, nullptr) != 0 || setgid(kUnprivilegedUid) != 0 ||
                     setuid(kUnprivilegedUid) != 0))
            _exit(126);
        environ = env_ptrs.data();
        if (strchr(program.c_str(), '/'))
            execv(program.c_str(), arg_ptrs.data());
        else
            execvp(program.c_str(), arg_ptrs.data());
        _exit(127);
    }
    if (options.reap_at_once) {
        reaper_ = std::thread([this] {
            waitpid(pid_, &status_, 0);
            ended_at_ = std::chrono::steady_clock::now();
            reaped_ = true;
        });
    }
}

ChildProcess::~ChildProcess() {
    if (!reaped_) kill(-pid_, SIGKILL);
    if (reaper_.joinable()) {
        reaper_.join();
    } else if (!reaped_) {
        waitpid(pid_, &status_, 0);
    }
}

bool ChildProcess::Wait(int timeout_ms) {
    return WaitUntil(
        [this] {
            if (reaped_ || reaper_.joinable()) return reaped_.load();
            const pid_t r = waitpid(pid_, &status_, WNOHANG);
            reaped_ = r == pid_ || (r < 0 && errno == ECHILD);
            return reaped_.load();
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

int ChildProcess::TermSignal() const { return WIFSIGNALED(status_) ? WTERMSIG(status_) : 0; }

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

std::string ThreadStates(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    std::string states;
    DIR *dir = opendir(tasks.c_str());
    if (!dir) return "no " + tasks;
    while (const struct dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        const std::string task = tasks + "/" + entry->d_name;
        const std::string stat = ReadFile(task + "/stat");
        // "<tid> (<name>) <state> ...": the name may hold spaces.
        const size_t open = stat.find('(');
        const size_t close = stat.rfind(')');
        if (open == std::string::npos || close == std::string::npos || close < open) continue;
        states += std::string(entry->d_name) + " " + stat.substr(open, close - open + 3) +
                  " wchan=" + ReadFile(task + "/wchan") + "\n";
    }
    closedir(dir);
    return states;
}

bool WaitProcessGone(pid_t pid, int timeout_ms) {
    return WaitUntil([pid] { return !ProcessAlive(pid); }, timeout_ms);
}

int KillProcessesWithEnvironment(const std::string &entry) {
    std::vector<pid_t> killed;
    ScopedDir proc(opendir("/proc"));
    if (proc) {
        while (const dirent *d = readdir(proc.get())) {
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
    }
    for (pid_t pid : killed) WaitProcessGone(pid, 5000);
    return static_cast<int>(killed.size());
}

}  // namespace testing_support
