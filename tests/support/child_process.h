#ifndef TESTS_SUPPORT_CHILD_PROCESS_H
#define TESTS_SUPPORT_CHILD_PROCESS_H

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// How a ChildProcess starts.
struct ChildOptions {
    // Changes to this process's environment: "NAME=value" sets a variable, a
    // bare "NAME" removes it.
    std::vector<std::string> env;
    // Where standard output and standard error go; empty: /dev/null.
    std::string out_path;
    std::string err_path;
    // The working directory; empty: this process's.
    std::string cwd;
    // The process ignores SIGTERM.
    bool ignore_term = false;
    // The process runs as kUnprivilegedUid when this process is root.
    bool unprivileged = false;
    // A thread reaps the process the moment it ends, so that it never
    // lingers as a zombie, which still answers signal 0 to other processes.
    bool reap_at_once = false;
};

// A program started by a test, in a process group of its own. The destructor
// kills the group and reaps the process if it still runs.
class ChildProcess {
public:
    // Starts `program` with arguments `argv` (argv[0] included). A `program`
    // without a slash is looked up in the PATH of the changed environment,
    // as a shell would. Throws when the process cannot be created; a program
    // that cannot be executed exits with status 127.
    ChildProcess(const std::string &program, const std::vector<std::string> &argv,
                 const ChildOptions &options);
    // The same with `env` changes and output files.
    ChildProcess(const std::string &program, const std::vector<std::string> &argv,
                 const std::vector<std::string> &env, const std::string &out_path,
                 const std::string &err_path);
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    pid_t pid() const { return pid_; }
    // Waits up to `timeout_ms` for the process to end. True when it has
    // ended; its wait status is then in status().
    bool Wait(int timeout_ms);
    // True until Wait() has seen the process end.
    bool Running();
    int status() const { return status_; }
    // When the process ended. REQUIRES: reap_at_once, and Wait() returned true.
    std::chrono::steady_clock::time_point EndedAt() const { return ended_at_; }
    // The signal that ended the process, or 0. REQUIRES: Wait() returned true.
    int TermSignal() const;
    // "exit 0", "signal 9": the wait status in words, for messages.
    std::string StatusText() const;
    void Signal(int sig);
    // What the process wrote to standard output and standard error so far.
    std::string Output() const;
    std::string Errors() const;

private:
    std::string out_path_;
    std::string err_path_;
    pid_t pid_;
    std::atomic<bool> reaped_;
    int status_;
    std::chrono::steady_clock::time_point ended_at_;
    std::thread reaper_;
};

// Whether `pid` names a process that has not ended (zombies count as ended).
bool ProcessAlive(pid_t pid);
// The target of /proc/<pid>/exe; empty when it cannot be read.
std::string ProcessExecutable(pid_t pid);
// One line for each thread of `pid`: its id, name, state and the kernel
// function it waits in, for the message of a test whose process hung.
std::string ThreadStates(pid_t pid);
// Waits up to `timeout_ms` until ProcessAlive(pid) is false.
bool WaitProcessGone(pid_t pid, int timeout_ms);
// SIGKILLs every process (but this one) whose initial environment holds the
// entry `entry` ("HOME=/tmp/x"), and waits until they are gone. Returns how
// many it killed.
int KillProcessesWithEnvironment(const std::string &entry);

}  // namespace testing_support

#endif
