#include "linux/linux-service.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "file/file-op.h"
#include "file/scoped.h"
#include "log.h"
#include "process/child.h"
#include "upgrade/upgrade_marker.h"
#include "upgrade/version_file.h"

namespace {

const char kComponent[] = "service_debug";

// How long the client's start script may take. It only starts the client in
// the background: ten seconds is far more than it needs on a loaded machine,
// and short enough that a login still ends within seconds when it hangs.
const std::chrono::milliseconds kStartScriptLimit(10000);

// How long a client has to end after SIGTERM before it gets SIGKILL.
const std::chrono::milliseconds kGracePeriod(5000);

// The process id in the pid file's "pid" value as atol reads it (leading
// white space, an optional "+", digits), or 0 when the value is not a usable
// id of an ordinary process: missing, empty, not a number, 0 or negative
// (process groups), 1 (init) or out of range.
pid_t PidFromText(const ustring &text) {
    const char *s = text.c_str();
    while (*s == ' ' || (*s >= '\t' && *s <= '\r')) ++s;
    if (*s == '+') ++s;
    if (*s < '0' || *s > '9') return 0;
    errno = 0;
    long long value = strtoll(s, nullptr, 10);
    if (errno == ERANGE || value <= 1 || value > INT_MAX) return 0;
    return static_cast<pid_t>(value);
}

// Reads a /proc file of at most 64 KiB; empty when it cannot be read.
std::string ReadProcFile(const std::string &path) {
    return FSReadSmallFile(path.c_str(), 64 * 1024).text;
}

std::string LinkTarget(const std::string &path) {
    char buf[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

bool IsInside(const std::string &path, const std::vector<ustring> &dirs) {
    for (const ustring &dir : dirs)
        if (FSIsParentFolder(dir, ustring(path.c_str()))) return true;
    return false;
}

// Where the client's program may lie: the copy `app_dir` and its backup
// names (an upgrade moves the running copy aside and then deletes it), each
// also through the real path of the folder that holds them.
std::vector<ustring> CopyPlaces(const ustring &app_dir) {
    std::vector<ustring> bases{app_dir};
    char real[PATH_MAX];
    if (realpath(app_dir.c_str(), real) && ustring(real) != app_dir) bases.push_back(ustring(real));
    const ustring parent = FSParentPath(app_dir);
    if (realpath(parent.c_str(), real) && ustring(real) != parent)
        bases.push_back(ustring(real) + "/" + FSBaseName(app_dir));
    std::vector<ustring> places;
    for (const ustring &base : bases) {
        places.push_back(base);
        for (int n = 0; n < kBackupNames; ++n) places.push_back(GetAppBackupDir(base, n));
    }
    return places;
}

// /proc names a program whose file was removed by its last path followed by
// this mark.
std::string WithoutDeletedMark(const std::string &exe) {
    static const std::string kMark = " (deleted)";
    if (exe.size() > kMark.size() &&
        exe.compare(exe.size() - kMark.size(), kMark.size(), kMark) == 0)
        return exe.substr(0, exe.size() - kMark.size());
    return exe;
}

// Whether the process of /proc entry `proc` has ended but was not reaped yet
// (a zombie, or one being torn down): it still answers signal 0.
bool HasEndedUnreaped(const std::string &proc) {
    // "pid (comm) state ...": the state follows the parenthesis that ends
    // the command name, which may hold anything.
    const std::string stat = ReadProcFile(proc + "/stat");
    const size_t paren = stat.rfind(')');
    if (paren == std::string::npos || paren + 2 >= stat.size()) return false;
    return stat[paren + 2] == 'Z' || stat[paren + 2] == 'X';
}

enum class ProcessCheck { kGone, kNotClient, kUnknown, kClient };

struct ClientCheck {
    ProcessCheck check;
    const char *reason;
};

// Whether `pid`, named by a pid file, is this user's client of `app_dir`: a
// process whose program lies, or lay before it was deleted, in the copy or
// one of its backups (CopyPlaces), or an interpreter whose script (its first
// argument that is not an option) is an executable file of the copy. A pid
// file can outlive the client, and its number then belongs to an unrelated
// program, which must never be signalled. When the process started plays no
// part: start times and file times are told in the wall clock, which steps
// (a time server, a resume), and a running client set forward that way
// would look newer than its pid file and be replaced under it. Whatever
// runs from the copy is its client, and the process descriptor, opened
// before the check, makes the signalled process the checked one.
ClientCheck CheckClientProcess(pid_t pid, const ustring &app_dir) {
    const std::string proc = "/proc/" + std::to_string(pid);
    struct stat64 st;
    if (stat64(proc.c_str(), &st) != 0) {
        // Where /proc is not mounted (some sandboxes), nothing tells what the
        // process is, or whether it is there at all.
        if (errno == ENOENT && access("/proc/self/stat", F_OK) == 0)
            return {ProcessCheck::kGone, "no such process"};
        return {ProcessCheck::kUnknown, "/proc does not show it: is /proc mounted?"};
    }
    if (st.st_uid != getuid()) return {ProcessCheck::kNotClient, "it belongs to another user"};

    const std::vector<ustring> dirs = CopyPlaces(app_dir);
    char real[PATH_MAX];

    // Arguments relative to the process's working directory.
    const std::string cwd = LinkTarget(proc + "/cwd");
    auto resolve = [&](const std::string &arg) -> std::string {
        if (arg.empty() || arg[0] == '/') return arg;
        return cwd.empty() ? std::string() : cwd + "/" + arg;
    };
    std::vector<std::string> args;
    const std::string cmdline = ReadProcFile(proc + "/cmdline");
    for (size_t at = 0; at < cmdline.size();) {
        size_t end = cmdline.find('\0', at);
        if (end == std::string::npos) end = cmdline.size();
        args.push_back(cmdline.substr(at, end - at));
        at = end + 1;
    }

    const std::string exe = WithoutDeletedMark(LinkTarget(proc + "/exe"));
    if (!exe.empty()) {
        if (IsInside(exe, dirs)) return {ProcessCheck::kClient, ""};
    } else if (errno == EACCES) {
        // A program that made itself non-dumpable hides its executable;
        // the name it was started by still shows.
        const std::string program = args.empty() ? std::string() : resolve(args[0]);
        if (program.empty()) return {ProcessCheck::kUnknown, "its program cannot be read"};
        if (IsInside(program, dirs)) return {ProcessCheck::kClient, ""};
    }
    for (size_t i = 1; i < args.size(); ++i) {
        if (!args[i].empty() && args[i][0] == '-') continue;
        const std::string script = resolve(args[i]);
        if (!script.empty() && realpath(script.c_str(), real) && IsInside(real, dirs) &&
            stat64(real, &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0111))
            return {ProcessCheck::kClient, ""};
        break;
    }
    return {ProcessCheck::kNotClient, "neither its program nor its script lies in the copy"};
}

}  // namespace

LinuxService::LinuxService(const Setup &setup)
    : Service(setup), kill_(setup.kill), watch_(setup.watch) {
    timeout = 10000;
    per_user_install_path = GetUserTarrowindAppInstallPath();
}

LinuxService::~LinuxService() {}

LinuxService &LinuxService::GetInstace() {
    static LinuxService instance;
    return instance;
}

int LinuxService::SendSignal(pid_t pid, int pidfd, int sig) const {
    if (kill_) return kill_(pid, sig);
    if (pidfd < 0) return kill(pid, sig);
    return static_cast<int>(syscall(SYS_pidfd_send_signal, pidfd, sig, nullptr, 0));
}

void LinuxService::LoadTargetVerInfo() { Service::LoadTargetVersion(); }

void LinuxService::LoadSourceVerInfo() { Service::LoadSourceVersion(); }

void LinuxService::PreUpgrade() {
    LoadTargetVerInfo();
    LoadSourceVerInfo();
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] linux/linux-service(%d): Source version: ('%s', '%s')\n", __LINE__,
                   source_version.build_version.c_str(),
                   source_version.icon_overlay_version.c_str());
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] linux/linux-service(%d): Target version: ('%s', '%s')\n", __LINE__,
                   target_version.build_version.c_str(),
                   target_version.icon_overlay_version.c_str());
}

bool LinuxService::PerUserBinPathExist() {
    const ustring bin = per_user_install_path + "/" + "bin" + "/" + "tarrowind-backup-ui";
    return access(bin.c_str(), F_OK) == 0;
}

bool LinuxService::IsNeedUpgrade() {
    int src_ver = 0;
    int tgt_ver = 0;
    bool need_upgrade = false;
    if (!source_version.build_version.empty()) src_ver = BuildNumber(source_version.build_version);
    if (!target_version.build_version.empty()) tgt_ver = BuildNumber(target_version.build_version);
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] linux/linux-service(%d): source version = %d, target version = %d\n",
                   __LINE__, src_ver, tgt_ver);
    need_upgrade = tgt_ver > src_ver;
    if (!PerUserBinPathExist()) need_upgrade = true;
    if (IsAppIncomplete()) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] linux/linux-service(%d): an earlier upgrade of '%s' did not "
                       "finish, installing again\n",
                       __LINE__, per_user_install_path.c_str());
        need_upgrade = true;
    }
    return need_upgrade;
}

FailureCause LinuxService::HandlePackageUpgrade(const PackageVerdict &verdict) {
    if (PerUserBinPathExist()) {
        Logger::LogMsg(Logger::L_DEBUG, kComponent,
                       "[DEBUG] linux/linux-service(%d): local appdata exist\n", __LINE__);
        StopService();
    }
    return PrepareUserEnv(verdict);
}

namespace {

// The client's process id as the pid file at `path` names it; pid 0
// (logged) when there is nothing to signal.
struct PidFile {
    pid_t pid = 0;
};

PidFile ReadPidFile(const ustring &path) {
    PidFile file;
    Config config;
    if (!IsFileExist(path, false)) {
        Logger::LogMsg(Logger::L_DEBUG, kComponent,
                       "[DEBUG] linux/linux-service(%d): pid file '%s' does not exist, no need to "
                       "terminate\n",
                       __LINE__, path.c_str());
        return file;
    }
    struct stat64 st;
    if (stat64(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): pid file '%s' is not a regular file, "
                       "treating it as absent\n",
                       __LINE__, path.c_str());
        return file;
    }
    if (config.read(path) < 0) {
        Logger::LogMsg(
            Logger::L_NOTICE, kComponent,
            "[NOTE] linux/linux-service(%d): Failed to read pid file '%s', not exist ?\n", __LINE__,
            path.c_str());
        return file;
    }
    file.pid = PidFromText(config["pid"]);
    if (file.pid == 0) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] linux/linux-service(%d): pid file '%s' holds no usable pid, no need "
                       "to terminate\n",
                       __LINE__, path.c_str());
    }
    return file;
}

// Whether the process that `file` names is the client of `app_dir`; when
// not, a NOTE says why.
bool NamesTheClient(const PidFile &file, const ustring &path, const ustring &app_dir) {
    const int pid = static_cast<int>(file.pid);
    const ClientCheck verdict = CheckClientProcess(file.pid, app_dir);
    switch (verdict.check) {
        case ProcessCheck::kClient:
            return true;
        case ProcessCheck::kGone:
            Logger::LogMsg(Logger::L_NOTICE, kComponent,
                           "[NOTE] linux/linux-service(%d): process %d named by pid file '%s' does "
                           "not exist, nothing to stop\n",
                           __LINE__, pid, path.c_str());
            break;
        case ProcessCheck::kNotClient:
            Logger::LogMsg(Logger::L_NOTICE, kComponent,
                           "[NOTE] linux/linux-service(%d): pid file '%s' is stale: process %d is "
                           "not the client (%s), not terminating it\n",
                           __LINE__, path.c_str(), pid, verdict.reason);
            break;
        case ProcessCheck::kUnknown:
            // A client that may be running is not stopped: the user should
            // hear of it at the default level.
            Logger::LogMsg(
                Logger::L_WARNING, kComponent,
                "[WARNING] linux/linux-service(%d): cannot tell whether process %d named "
                "by pid file '%s' is the client (%s), not terminating it\n",
                __LINE__, pid, path.c_str(), verdict.reason);
            break;
    }
    return false;
}

}  // namespace

void LinuxService::StopService() {
    const ustring ui_pid_file = GetUserTarrowindInstallPath() + "/ui.pid";
    const PidFile file = ReadPidFile(ui_pid_file);
    if (file.pid == 0) return;
    const pid_t pid = file.pid;
    // Opened before the process is checked: the signals then reach the
    // process that was checked, or none.
    const ScopedFd pidfd(watch_ == ProcessWatch::kDescriptors ? OpenProcessDescriptor(pid) : -1);
    if (!NamesTheClient(file, ui_pid_file, per_user_install_path)) return;
    if (SendSignal(pid, pidfd.get(), SIGTERM) != 0) {
        if (errno == ESRCH) return;
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] linux/linux-service(%d): kill: %s (%d)\n", __LINE__,
                       strerror(errno), errno);
    }
    // Without a descriptor: a zombie still answers signal 0, but has ended.
    const std::string proc = "/proc/" + std::to_string(pid);
    const auto alive = [&] {
        if (SendSignal(pid, -1, 0) != 0) return errno != ESRCH;
        return !HasEndedUnreaped(proc);
    };
    if (WaitForProcessEnd(pidfd.get(), kGracePeriod, alive)) return;
    SendSignal(pid, pidfd.get(), SIGKILL);
}

ClientStart LinuxService::PostUpgrade() { return LaunchPerUserBin(); }

namespace {

// Why a program of the copy `app_dir` could not be run, in plain words: its
// file system forbids running programs, or else `reason`, the system's.
std::string CannotRunReason(const ustring &app_dir, const std::string &reason) {
    struct statvfs fs;
    if (statvfs(app_dir.c_str(), &fs) == 0 && (fs.f_flag & ST_NOEXEC) != 0)
        return "the file system of '" + std::string(app_dir.c_str()) +
               "' does not let programs run (it is mounted noexec)";
    return reason;
}

// How the start script `script` of `app_dir` ended, once it ended: the
// shell's statuses 126 (found but not executable) and 127 (not found) say
// that it could not run a program, the client's, so nothing started; any
// other status is the script's own word, and the client may well run.
ClientStart ScriptEnded(const ustring &app_dir, const ustring &script, int status) {
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return ClientStart::kStarted;
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (code != 126 && code != 127) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] linux/linux-service(%d): '%s start' failed (status %d)\n",
                       __LINE__, script.c_str(), status);
        return ClientStart::kStarted;
    }
    const std::string reason =
        CannotRunReason(app_dir, code == 126 ? "a program it runs cannot be executed (status 126)"
                                             : "a program it runs was not found (status 127)");
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] linux/linux-service(%d): '%s start' could not start the client: "
                   "%s\n",
                   __LINE__, script.c_str(), reason.c_str());
    return ClientStart::kNotStarted;
}

}  // namespace

ClientStart LinuxService::LaunchPerUserBin() {
    // Started by its bytes, program and argument apart, so that a home whose
    // name is not UTF-8 or holds spaces works.
    const ustring script = per_user_install_path + "/package/start-stop";
    char *const argv[] = {const_cast<char *>(script.c_str()), const_cast<char *>("start"), nullptr};
    const StartedChild child = StartChild(argv, ChildStreams());
    if (child.pid < 0) {
        const std::string reason = CannotRunReason(per_user_install_path, strerror(child.error));
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] linux/linux-service(%d): failed to run '%s': %s\n", __LINE__,
                       script.c_str(), reason.c_str());
        return ClientStart::kNotStarted;
    }
    // The script starts the client in the background and returns; one that
    // does not return within the bound is left running, so that the
    // launcher still ends and gives the single-instance lock back.
    const ChildExit exit = WaitForChild(child.pid, kStartScriptLimit);
    if (exit.ended) return ScriptEnded(per_user_install_path, script, exit.status);
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] linux/linux-service(%d): '%s start' has not returned after %d "
                   "seconds; leaving it running\n",
                   __LINE__, script.c_str(), static_cast<int>(kStartScriptLimit.count() / 1000));
    return ClientStart::kStarted;
}
