#ifndef TESTS_SUPPORT_LAUNCHER_INSTALL_H
#define TESTS_SUPPORT_LAUNCHER_INSTALL_H

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

#include "archive_builder.h"
#include "child_process.h"
#include "test_support.h"

namespace testing_support {

// A system-wide installation made from the build tree by `cmake --install`,
// a home directory and a private (0700) runtime directory for the
// single-instance lock, all inside one TempDir. Every process whose
// environment names that home directory (clients, start scripts, launchers)
// is killed when the object goes away.
class LauncherInstall {
public:
    // Throws when the installation fails. `home_name` is the home
    // directory's name (any bytes but "/").
    explicit LauncherInstall(const std::string &home_name = "home");
    ~LauncherInstall();
    LauncherInstall(const LauncherInstall &) = delete;
    LauncherInstall &operator=(const LauncherInstall &) = delete;

    // All paths are free of symbolic links.
    const std::string &root() const { return root_; }
    std::string launcher() const { return root_ + "/bin/tarrowind-launcher"; }
    const std::string &home() const { return home_; }
    const std::string &runtime() const { return runtime_; }
    // <home>/.TarrowindBackup
    std::string user() const { return home_ + "/.TarrowindBackup"; }
    // <home>/.TarrowindBackup/Tarrowind.app
    std::string app() const { return user() + "/Tarrowind.app"; }
    std::string scratch(const std::string &rel) const { return tmp_.sub(rel); }

    // The launcher's log file, empty when there is none.
    std::string Log() const;
    // Writes <root>/log/launcher.debug.
    void SetLogLevels(const std::string &contents) const;

    // The environment of a launcher run: HOME, XDG_RUNTIME_DIR, the Qt
    // platform "offscreen", no display and a session bus that is not there,
    // with `extra` changes after them (ChildProcess syntax).
    std::vector<std::string> Environment(const std::vector<std::string> &extra = {}) const;
    // From now on the launcher runs as kUnprivilegedUid when this process is
    // root (CI is; users are not): the home and runtime directories are
    // handed to that user before every start.
    void RunUnprivileged();
    // From now on the launcher runs under `command` (its words, the
    // launcher's path follows them), for example {"prlimit", "--fsize=1",
    // "--"}; empty: directly.
    void SetWrapper(const std::vector<std::string> &command) { wrapper_ = command; }

    // Starts the launcher: `program` and argv[0] default to launcher().
    std::unique_ptr<ChildProcess> Start(const std::vector<std::string> &extra_env = {},
                                        const std::string &program = "",
                                        const std::string &argv0 = "");
    struct Result {
        std::string status;  // ChildProcess::StatusText(), "exit 0" on success
        std::string out;     // standard output
        std::string err;     // standard error
    };
    // Starts the launcher and waits for it (at most a minute; then `err`
    // ends with the state of its threads).
    Result Run(const std::vector<std::string> &extra_env = {}, const std::string &program = "",
               const std::string &argv0 = "");

    // Waits until <user>/ui.pid names a live process, other than `previous`,
    // whose executable lies in <app>/bin. Returns its pid, or 0 after
    // `timeout_ms`.
    pid_t WaitForClient(int timeout_ms = 10000, pid_t previous = 0) const;
    // Ends the client `pid` with SIGTERM and waits until it is gone.
    static bool StopClient(pid_t pid);

    // Rebuilds <root>/package/tarrowind.qpk from the package's own entries
    // with INFO carrying `build`, and writes <root>/INFO to match. A
    // non-empty `start_script` replaces the package's package/start-stop;
    // `extra` entries are added. Entries go in name order.
    void RepackPackage(const std::string &build, const std::string &start_script = "",
                       const std::vector<ArchiveEntry> &extra = {}) const;
    // Runs `script` with sh as this process's user, with $R, $H, $U and $A
    // set to root(), home(), user() and app(), and $T to the scratch folder.
    // Throws when it fails.
    void Shell(const std::string &script) const;
    // Replaces <app>/package/start-stop (a new file: a shell still reading
    // the old one is not disturbed).
    void SetUserStartScript(const std::string &text) const;

private:
    TempDir tmp_;
    std::string root_;
    std::string home_;
    std::string runtime_;
    int runs_;
    std::vector<std::string> as_user_;  // setpriv and its options, or empty
    std::vector<std::string> wrapper_;
};

// Text of a start script that records its start in $HOME/start-stop.entered
// and then waits (at most a minute) until $HOME/start-stop.release exists.
std::string BlockingStartScript();
// Waits until `path` exists; false after `timeout_ms`.
bool WaitForFile(const std::string &path, int timeout_ms);
// Waits until the file `path` contains `text`; false after `timeout_ms`.
bool WaitForText(const std::string &path, const std::string &text, int timeout_ms);

}  // namespace testing_support

#endif
