#ifndef LIB_PROCESS_CHILD_H
#define LIB_PROCESS_CHILD_H

#include <sys/types.h>

#include <chrono>
#include <functional>

// Programs the launcher starts, and bounded waits for them to end.

// Where a started program's standard streams go.
struct ChildStreams {
    int in = -1;   // a descriptor of the caller's; -1: /dev/null
    int out = -1;  // a descriptor of the caller's; -1: the caller's own
    int err = -1;  // a descriptor of the caller's; -1: the caller's own
};

// A started program, or why it could not be started.
struct StartedChild {
    pid_t pid = -1;  // -1 when not started
    int error = 0;   // posix_spawn's error when not started
};

// A close-on-exec copy of the descriptor `fd` numbered 3 or above, for a
// child's standard stream: a descriptor that is itself 0, 1 or 2 (the
// caller's own streams were closed) would be overwritten while the child's
// are set up. -1 with errno when it cannot be copied.
int AboveStandardStreams(int fd);

// Starts the program `argv[0]` by its bytes (no search, no shell), with the
// caller's environment, the default action of every signal and no signal
// blocked (the launcher catches some that its children must not inherit
// caught). Other descriptors reach the program only if they lack
// close-on-exec.
StartedChild StartChild(char *const argv[], const ChildStreams &streams);

// How waiting for a child ended.
struct ChildExit {
    bool ended = false;  // false: still running when the time was up
    int status = 0;      // waitpid's status once ended; -1 when another reaped it
};

// Waits at most `limit` for the child `pid` to end and reaps it, noticing its
// end at once (within about 20 ms where the kernel lacks process
// descriptors). A child that outlives the limit is left running
// and unreaped.
ChildExit WaitForChild(pid_t pid, std::chrono::milliseconds limit);

// Sleeps one probe interval (20 ms) or until `deadline`, whichever is sooner;
// false once the deadline has passed.
bool SleepTowards(std::chrono::steady_clock::time_point deadline);

// A process descriptor (pidfd_open) of `pid`, which need not be a child of
// this process: it refers to that process and no other, even once the
// process id is reused. -1 where the kernel has none or the process is gone.
int OpenProcessDescriptor(pid_t pid);

// Waits at most `limit` for a process that need not be a child of this one to
// end: through its descriptor `pidfd`, which wakes the wait as it ends, or,
// when `pidfd` is -1, by asking `alive` every 20 ms. True once it has ended.
bool WaitForProcessEnd(int pidfd, std::chrono::milliseconds limit,
                       const std::function<bool()> &alive);

#endif
