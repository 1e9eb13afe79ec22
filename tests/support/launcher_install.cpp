#include "launcher_install.h"

#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace testing_support {

namespace {

std::string RealPath(const std::string &path) {
    char real[PATH_MAX];
    if (!realpath(path.c_str(), real))
        throw std::runtime_error("realpath " + path + ": " + strerror(errno));
    return real;
}

std::string InfoText(const std::string &build) {
    return "[Version]\nmajor_version=3\nminor_version=1\nbuild_version=" + build +
           "\nicon_overlay_version=8\n";
}

}  // namespace

LauncherInstall::LauncherInstall(const std::string &home_name)
    : root_(RealPath(tmp_.path()) + "/opt/Veltrona/Tarrowind"),
      home_(RealPath(tmp_.path()) + "/" + home_name),
      runtime_(RealPath(tmp_.path()) + "/run"),
      runs_(0) {
    const std::string install =
        Quote(E2E_CMAKE) + " --install " + Quote(E2E_BUILD_DIR) + " --prefix " + Quote(root_);
    MustRun(install);
    MustRun(install + " --component demo");
    if (mkdir(home_.c_str(), 0755) != 0 || mkdir(runtime_.c_str(), 0700) != 0)
        throw std::runtime_error(std::string("mkdir: ") + strerror(errno));
}

LauncherInstall::~LauncherInstall() { KillProcessesWithEnvironment("HOME=" + home_); }

std::string LauncherInstall::Log() const { return ReadFile(user() + "/log/launcher.log"); }

void LauncherInstall::SetLogLevels(const std::string &contents) const {
    WriteFile(root_ + "/log/launcher.debug", contents);
}

std::vector<std::string> LauncherInstall::Environment(const std::vector<std::string> &extra) const {
    std::vector<std::string> env{
        "HOME=" + home_, "XDG_RUNTIME_DIR=" + runtime_, "QT_QPA_PLATFORM=offscreen", "DISPLAY",
        "WAYLAND_DISPLAY",
        // A bus that is not there: without any, the toolkit's accessibility
        // bridge has libdbus fork a "dbus-launch" from the threaded launcher,
        // and under AddressSanitizer that child can hang before it runs.
        "DBUS_SESSION_BUS_ADDRESS=unix:path=" + tmp_.sub("no-bus")};
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

void LauncherInstall::RunUnprivileged() {
    if (geteuid() != 0) return;
    const std::string id = std::to_string(kUnprivilegedUid);
    MustRun("chmod 755 " + Quote(tmp_.path()));
    as_user_ = {"setpriv", "--reuid=" + id, "--regid=" + id, "--clear-groups", "--"};
}

std::unique_ptr<ChildProcess> LauncherInstall::Start(const std::vector<std::string> &extra_env,
                                                     const std::string &program,
                                                     const std::string &argv0) {
    const std::string n = std::to_string(++runs_);
    const std::string exe = program.empty() ? launcher() : program;
    if (!as_user_.empty()) {
        const std::string id = std::to_string(kUnprivilegedUid);
        // Launchers started before may be changing the home meanwhile: a
        // file that vanished under chown is no failure, any other error is.
        MustRun("chown -R " + id + ":" + id + " " + Quote(home_) + " " + Quote(runtime_) +
                " 2>&1 | (! grep -v ': No such file or directory$')");
    }
    std::vector<std::string> argv = wrapper_;
    argv.insert(argv.end(), as_user_.begin(), as_user_.end());
    argv.push_back(argv0.empty() ? exe : argv0);
    return std::unique_ptr<ChildProcess>(
        new ChildProcess(argv.size() > 1 ? argv[0] : exe, argv, Environment(extra_env),
                         tmp_.sub("launcher-" + n + ".out"), tmp_.sub("launcher-" + n + ".err")));
}

LauncherInstall::Result LauncherInstall::Run(const std::vector<std::string> &extra_env,
                                             const std::string &program, const std::string &argv0) {
    std::unique_ptr<ChildProcess> child = Start(extra_env, program, argv0);
    if (child->Wait(60000)) return {child->StatusText(), child->Output(), child->Errors()};
    return {child->StatusText(), child->Output(),
            child->Errors() + "\nstill running after a minute; its threads:\n" +
                ThreadStates(child->pid())};
}

pid_t LauncherInstall::WaitForClient(int timeout_ms, pid_t previous) const {
    pid_t pid = 0;
    const bool found = WaitUntil(
        [&] {
            // The executable's path as /proc shows it: without links.
            char real[PATH_MAX];
            const std::string bin =
                std::string(realpath(app().c_str(), real) ? real : app()) + "/bin/";
            const std::string text = ReadHead(user() + "/ui.pid", 64);
            if (text.compare(0, 4, "pid=") != 0) return false;
            pid = static_cast<pid_t>(atoi(text.c_str() + 4));
            return pid > 1 && pid != previous && ProcessAlive(pid) &&
                   ProcessExecutable(pid).compare(0, bin.size(), bin) == 0;
        },
        timeout_ms);
    return found ? pid : 0;
}

bool LauncherInstall::StopClient(pid_t pid) {
    if (pid <= 1 || kill(pid, SIGTERM) != 0) return false;
    return WaitProcessGone(pid, 10000);
}

void LauncherInstall::Shell(const std::string &script) const {
    MustRun("R=" + Quote(root_) + " H=" + Quote(home_) + " U=" + Quote(user()) +
            " A=" + Quote(app()) + " T=" + Quote(tmp_.path()) + "; " + script);
}

void LauncherInstall::RepackPackage(const std::string &build, const std::string &start_script,
                                    const std::vector<ArchiveEntry> &extra) const {
    const std::string package = root_ + "/package/tarrowind.qpk";
    std::vector<ArchiveEntry> entries;
    for (ArchiveEntry &entry : ReadArchive(package)) {
        if (entry.path == "INFO") entry.body = InfoText(build);
        if (entry.path == "package/start-stop" && !start_script.empty()) {
            entry.body = start_script;
            entry.mode = 0755;
        }
        entries.push_back(entry);
    }
    entries.insert(entries.end(), extra.begin(), extra.end());
    WritePackage(package, entries);
    WriteFile(root_ + "/INFO", InfoText(build));
}

void LauncherInstall::SetUserStartScript(const std::string &text) const {
    const std::string script = app() + "/package/start-stop";
    WriteFile(script + ".new", text, 0755);
    if (rename((script + ".new").c_str(), script.c_str()) != 0)
        throw std::runtime_error("rename to " + script + ": " + strerror(errno));
}

std::string BlockingStartScript() {
    return "#!/bin/sh\n"
           ": > \"$HOME/start-stop.entered\"\n"
           "i=0\n"
           "while [ ! -e \"$HOME/start-stop.release\" ] && [ \"$i\" -lt 600 ]; do\n"
           "    sleep 0.1\n"
           "    i=$((i + 1))\n"
           "done\n"
           "exit 0\n";
}

bool WaitForFile(const std::string &path, int timeout_ms) {
    return WaitUntil([&] { return PathExists(path); }, timeout_ms);
}

bool WaitForText(const std::string &path, const std::string &text, int timeout_ms) {
    return WaitUntil([&] { return ReadFile(path).find(text) != std::string::npos; }, timeout_ms);
}

}  // namespace testing_support
