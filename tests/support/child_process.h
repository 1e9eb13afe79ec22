#ifndef TESTS_SUPPORT_CHILD_PROCESS_H
#define TESTS_SUPPORT_CHILD_PROCESS_H

#include <sys/types.h>

#include <string>
#include <vector>

namespace testing_support {

// A program started by a test, with standard output and standard error sent
// to files. The destructor kills and reaps it if it still runs.
class ChildProcess {
public:
    // Starts `program` with arguments `argv` (argv[0] included) and this
    // process's environment changed by `env`: "NAME=value" sets a variable,
    // a bare "NAME" removes it. A `program` without a slash is looked up in
    // the PATH of the changed environment, as a shell would. Throws when the
    // process cannot be created; a program that cannot be executed exits
    // with status 127.
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
    bool reaped_;
    int status_;
};

// Whether `pid` names a process that has not ended (zombies count as ended).
bool ProcessAlive(pid_t pid);
// The target of /proc/<pid>/exe; empty when it cannot be read.
std::string ProcessExecutable(pid_t pid);
// Waits up to `timeout_ms` until ProcessAlive(pid) is false.
bool WaitProcessGone(pid_t pid, int timeout_ms);
// SIGKILLs every process (but this one) whose initial environment holds the
// entry `entry` ("HOME=/tmp/x"), and waits until they are gone. Returns how
// many it killed.
int KillProcessesWithEnvironment(const std::string &entry);

}  // namespace testing_support

#endif
