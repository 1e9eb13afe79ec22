#include "log.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <syslog.h>
#include <time.h>

#include <new>

#include "config.h"

namespace {

// Rotation happens once this process has written more than this many bytes
// to the open log file.
const int kRotateSize = 1048576;

// Large-file append: the log may outgrow 2 GiB on a 32-bit build. Opened
// close-on-exec, so that the start script and the client never inherit it.
FILE *OpenForAppend(const ustring &path) { return fopen64(path.c_str(), "ae"); }

// Puts errno back as it was when the object was made: a caller may log
// between a failing call and its look at errno, so writing, flushing or
// rotating the log must not replace the caller's errno with its own.
class ErrnoKeeper {
public:
    ErrnoKeeper() : saved_(errno) {}
    ~ErrnoKeeper() { errno = saved_; }
    ErrnoKeeper(const ErrnoKeeper &) = delete;
    ErrnoKeeper &operator=(const ErrnoKeeper &) = delete;

private:
    const int saved_;
};

// Holds the logger's lock while it lives. REQUIRES: the lock exists.
class HeldLock {
public:
    HeldLock() { Logger::Lock(); }
    ~HeldLock() { Logger::Unlock(); }
    HeldLock(const HeldLock &) = delete;
    HeldLock &operator=(const HeldLock &) = delete;
};

// Writes the local time and the message to `fp` and flushes it. Returns the
// bytes written, or -1 when a write failed.
int WriteStamped(FILE *fp, const char *fmt, va_list args) {
    char stamp[512];
    const time_t now = time(nullptr);
    struct tm local;
    stamp[0] = '\0';
    if (localtime_r(&now, &local)) strftime(stamp, sizeof stamp, "%b %d %H:%M:%S ", &local);
    const int a = fputs(stamp, fp) < 0 ? -1 : static_cast<int>(strlen(stamp));
    const int b = vfprintf(fp, fmt, args);
    fflush(fp);
    return a < 0 || b < 0 ? -1 : a + b;
}

// Writes the message where `type` sends it: to syslog, to `fp` with the time
// in front, or (any other type) to standard error. Returns the bytes written
// to `fp` (0 for the others), or -1 when a write failed.
int WriteMessage(Logger::Type type, FILE *fp, const char *fmt, va_list args) {
    switch (type) {
        case Logger::SYSLOG_LOGGER:
            vsyslog(LOG_ERR, fmt, args);
            return 0;
        case Logger::STDOUT_LOGGER:
        case Logger::STDERR_LOGGER:
        case Logger::FILE_LOGGER:
            return fp ? WriteStamped(fp, fmt, args) : 0;
        default:
            vfprintf(stderr, fmt, args);
            return 0;
    }
}

// The logger closes only streams it opened itself, never a standard stream.
void CloseOwnStream(FILE *fp) {
    if (fp && fp != stdout && fp != stderr && fp != stdin) fclose(fp);
}

}  // namespace

std::map<ustring, int> Logger::log_level;
Logger::Type Logger::log_type = Logger::STDOUT_LOGGER;
FILE *Logger::log_fp = stderr;
int *Logger::log_size = nullptr;
int Logger::rotate_cnt = 50;
ustring Logger::log_path;
pthread_mutex_t *Logger::log_lock = nullptr;
int Logger::log_flock = -1;
bool Logger::inter_process_safe = false;
uint64_t *Logger::log_rotated_count_shared = nullptr;
uint64_t Logger::log_rotated_count_private = 0;
bool Logger::log_initialized = true;

int Logger::Initialize(Type type, const ustring &path, const ustring &level_path, int count) {
    DestroySharedData();
    DestroyLock();
    InitializeLock();
    InitializeSharedData();
    if (!log_size || !log_rotated_count_shared || !log_lock) return -1;

    log_level[ustring("default_component")] = 4;
    if (!level_path.empty()) {
        Config levels;
        levels.read(level_path);
        for (Config::const_iterator it = levels.begin(); it != levels.end(); ++it)
            log_level[it->first] = levels.get_int(it->first);
    }

    log_type = type;
    switch (type) {
        case SYSLOG_LOGGER:
        case STDOUT_LOGGER:
        case STDERR_LOGGER:
            CloseOwnStream(log_fp);
            log_fp = type == SYSLOG_LOGGER ? nullptr : type == STDOUT_LOGGER ? stdout : stderr;
            log_path.clear();
            *log_size = -1;
            break;
        default: {
            if (path.empty()) return -1;
            FILE *fp = OpenForAppend(path);
            if (!fp) return -1;
            // A stream opened by an earlier Initialize is replaced, not leaked.
            CloseOwnStream(log_fp);
            log_fp = fp;
            *log_size = 0;
            log_path = path;
            rotate_cnt = count;
            break;
        }
    }

    *log_rotated_count_shared = 0;
    log_rotated_count_private = 0;
    log_initialized = true;
    return 0;
}

void Logger::Destroy() {
    log_initialized = false;
    if (log_type == FILE_LOGGER || log_type == ANDROID_LOGGER) {
        CloseOwnStream(log_fp);
        log_fp = nullptr;
        log_path.clear();
    }
    DestroySharedData();
    DestroyLock();
}

void Logger::LogMsg(Level level, const ustring &comp, const xchar *fmt, ...) {
    va_list args;
    va_start(args, fmt);
    LogMsg2(level, comp, fmt, args);
    va_end(args);
}

void Logger::LogMsg2(Level level, const ustring &comp, const xchar *fmt, va_list args) {
    const ErrnoKeeper keep;
    if (!log_initialized) return;
    InitializeLock();
    InitializeSharedData();
    if (!log_lock || !log_size || !log_rotated_count_shared) return;

    const HeldLock held;
    // The stream is checked under the lock because Rotate, running on
    // another thread, may be replacing it.
    if (log_type != SYSLOG_LOGGER && !log_fp) return;
    if (*log_rotated_count_shared != log_rotated_count_private) {
        ReloadLogFile();
        log_rotated_count_private = *log_rotated_count_shared;
    }

    std::map<ustring, int>::const_iterator it = log_level.find(comp);
    const int threshold = it == log_level.end() ? L_WARNING : it->second;
    if (static_cast<int>(level) > threshold) return;
    const int counted = WriteMessage(log_type, log_fp, fmt, args);
    if (log_type != FILE_LOGGER || *log_size < 0 || counted < 0) return;
    *log_size += counted;
    if (*log_size > kRotateSize) {
        Rotate();
        *log_size = 0;
    }
}

int Logger::Rotate() {
    char from[1024] = {0};
    char to[1024] = {0};
    for (int i = rotate_cnt - 2; i >= 0; --i) {
        snprintf(from, sizeof from, "%s_%d", log_path.c_str(), i);
        snprintf(to, sizeof to, "%s_%d", log_path.c_str(), i + 1);
        rename(from, to);
    }
    // The file just moved to the last index goes, so indexes 0 to
    // rotate_cnt - 2 remain.
    snprintf(to, sizeof to, "%s_%d", log_path.c_str(), rotate_cnt - 1);
    remove(to);

    CloseOwnStream(log_fp);
    log_fp = nullptr;
    snprintf(to, sizeof to, "%s_%d", log_path.c_str(), 0);
    if (rename(log_path.c_str(), to) != 0) return -1;
    FILE *fp = OpenForAppend(log_path);
    if (!fp) return -1;
    log_fp = fp;
    ++*log_rotated_count_shared;
    ++log_rotated_count_private;
    return 0;
}

void Logger::ReloadLogFile() {
    if (log_type == SYSLOG_LOGGER || log_type == STDOUT_LOGGER || log_type == STDERR_LOGGER) return;
    CloseOwnStream(log_fp);
    log_fp = nullptr;
    FILE *fp = OpenForAppend(log_path);
    if (fp) {
        log_fp = fp;
        *log_size = 0;
    }
}

void Logger::InitializeLock() {
    InitializeFileLock();
    if (log_lock) return;
    pthread_mutex_t *m = static_cast<pthread_mutex_t *>(malloc(sizeof(pthread_mutex_t)));
    if (!m) return;
    if (pthread_mutex_init(m, nullptr) != 0) {
        free(m);
        return;
    }
    log_lock = m;
}

void Logger::DestroyLock() {
    if (log_lock) {
        pthread_mutex_destroy(log_lock);
        free(log_lock);
        log_lock = nullptr;
    }
    DestroyFileLock();
}

void Logger::InitializeFileLock() {}

void Logger::DestroyFileLock() {}

void Logger::Lock() { pthread_mutex_lock(log_lock); }

void Logger::Unlock() { pthread_mutex_unlock(log_lock); }

void Logger::InitializeSharedData() {
    if (log_size && log_rotated_count_shared) return;
    DestroySharedData();
    log_size = new (std::nothrow) int(-1);
    log_rotated_count_shared = new (std::nothrow) uint64_t(0);
}

void Logger::DestroySharedData() {
    delete log_size;
    log_size = nullptr;
    delete log_rotated_count_shared;
    log_rotated_count_shared = nullptr;
}

void LogMSG_c(int level, const char *comp, const Logger::xchar *fmt, va_list args) {
    // The component's conversion runs before LogMsg2 keeps errno.
    const ErrnoKeeper keep;
    Logger::LogMsg2(static_cast<Logger::Level>(level), ustring(comp ? comp : ""), fmt, args);
}
