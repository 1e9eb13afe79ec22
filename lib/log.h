#ifndef LIB_LOG_H
#define LIB_LOG_H

#include <pthread.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>

#include <map>

#include "ustring/ustring.h"

// Process-wide logging. All state is static; the class is never instantiated.
//
// Callers compose the whole message: a level word ("[ERROR]", "[WARNING]",
// "[NOTE]", "[INFO]", "[DEBUG]"), a blank, the source file name, "(%d)", ": ",
// the text and "\n", with the source line number as the first value. The
// logger only puts the local time in front.
//
// After every logging call (LogMsg, LogMsg2, LogMSG_c) errno is as the caller
// left it, whatever writing or rotating the log file met (a full disk, a
// failed rename), so a caller may log a failure and then read errno.
//
// Threading: LogMsg may be called from any thread once Initialize has run;
// Initialize and Destroy must run while only one thread logs.
class Logger {
public:
    enum Type {
        ANDROID_LOGGER = 0,
        SYSLOG_LOGGER = 1,
        STDOUT_LOGGER = 2,
        STDERR_LOGGER = 3,
        FILE_LOGGER = 4,
    };

    // syslog severities: a smaller number is more severe.
    enum Level {
        L_EMERG = 0,
        L_ALERT = 1,
        L_CRIT = 2,
        L_ERR = 3,
        L_WARNING = 4,
        L_NOTICE = 5,
        L_INFO = 6,
        L_DEBUG = 7,
    };

    typedef char xchar;

    // Sets the destination and reads per-component thresholds from the
    // key-value file `level_path` (may be empty or missing). For FILE_LOGGER
    // the file at `log_path` is opened for appending and rotated above 1 MiB
    // written by this process, keeping `rotate_cnt` - 1 rotated files.
    // Returns 0, or -1 when the counters cannot be allocated, a file type has
    // an empty path, or the file cannot be opened.
    static int Initialize(Type type, const ustring &log_path, const ustring &level_path,
                          int rotate_cnt);
    // Closes the log file; every later message is dropped until Initialize.
    static void Destroy();

    // Writes the message when `level` is at most the threshold of `comp`
    // (4 when the level file does not name it).
    static void LogMsg(Level level, const ustring &comp, const xchar *fmt, ...)
        __attribute__((format(printf, 3, 4)));
    static void LogMsg2(Level level, const ustring &comp, const xchar *fmt, va_list args)
        __attribute__((format(printf, 3, 0)));

    // Moves the log file to "<log_path>_0" (older ones one index up) and opens
    // a new one. REQUIRES: the lock is held. Returns 0 / -1; after a failure
    // the logger has no stream and drops every message.
    static int Rotate();
    // Reopens log_path after another party rotated it.
    static void ReloadLogFile();

    static void InitializeLock();
    static void DestroyLock();
    static void InitializeFileLock();
    static void DestroyFileLock();
    static void Lock();
    static void Unlock();
    static void InitializeSharedData();
    static void DestroySharedData();

private:
    static std::map<ustring, int> log_level;
    static Type log_type;
    static FILE *log_fp;
    static int *log_size;
    static int rotate_cnt;
    static ustring log_path;
    static pthread_mutex_t *log_lock;
    static int log_flock;
    static bool inter_process_safe;
    static uint64_t *log_rotated_count_shared;
    static uint64_t log_rotated_count_private;
    static bool log_initialized;
};

// C-style entry point: LogMsg2 with the component given as a C string.
void LogMSG_c(int level, const char *comp, const Logger::xchar *fmt, va_list args);

#endif
