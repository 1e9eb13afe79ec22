#include "package/package_reading.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <memory>
#include <new>

#include <archive.h>
#include <archive_entry.h>

#include "file/scoped.h"
#include "process/child.h"
#include "package/utf8_names.h"

namespace {

const unsigned long long kMiB = 1024 * 1024;
// The most of a report that is read: one short line.
const size_t kMaxReport = 4096;
// How far short of its processor-time limit a reader killed by SIGXCPU or
// SIGKILL may be accounted and still count as ended on it: the kernel
// samples the time it checks the limit against, and the processor time
// reported at the end runs up to a tenth of a second behind on a busy
// machine. A tenth of the limit, at least a quarter of a second.
const double kCpuSlackShare = 0.1;
const double kCpuSlackFloor = 0.25;
// A reader that was busy for at least this share of its processor time when
// the clock ran out was looping on the package, whatever else the machine
// ran meanwhile; one that got far less was held up by the machine or by the
// file's storage (a paused machine, a stalled network file system), which
// leaves it nearly idle.
const double kLoopingShare = 0.5;

// Sets the reader program's limits on itself: processor time (SIGXCPU, and
// SIGKILL a second later), data, and no core file of a killed reading.
void LimitSelf(const ReadLimits &limits) {
    const rlim_t cpu = static_cast<rlim_t>(limits.cpu.count());
    const struct rlimit cpu_limit = {cpu, cpu + 1};
    const struct rlimit no_core = {0, 0};
    setrlimit(RLIMIT_CPU, &cpu_limit);
    setrlimit(RLIMIT_CORE, &no_core);
#if !defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer maps terabytes of shadow memory that count as data.
    const struct rlimit data = {limits.memory, limits.memory};
    setrlimit(RLIMIT_DATA, &data);
#endif
}

// What the reader printed on the pipe `fd`, whose other end is closed.
std::string ReadAll(int fd) {
    std::string text;
    char buf[512];
    while (text.size() < kMaxReport) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buf, static_cast<size_t>(n));
    }
    return text;
}

// A reader's end: its status and the processor time it used.
struct ReaderEnd {
    bool ended = false;  // false: still running when its time on the clock was up
    int status = 0;
    double cpu_seconds = 0;
};

// Whether the child `pid` is still running (or stopped): it has not ended.
bool StillRunning(pid_t pid) {
    siginfo_t info;
    info.si_pid = 0;
    return waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

// The processor time the running process `pid` has used so far; 0 when it
// cannot be told.
double CpuSecondsOf(pid_t pid) {
    clockid_t clock;
    struct timespec used;
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0) return 0;
    return static_cast<double>(used.tv_sec) + static_cast<double>(used.tv_nsec) / 1e9;
}

// Waits at most `wall` for the reader `pid` to end and reaps it with the
// processor time it used. One that outlives `wall` is measured, killed and
// reaped when it ends within a second more; otherwise (stuck in the kernel)
// it is left unreaped rather than waited for.
ReaderEnd AwaitReader(pid_t pid, std::chrono::milliseconds wall) {
    ReaderEnd end;
    const ScopedFd pidfd(OpenProcessDescriptor(pid));
    const auto running = [pid] { return StillRunning(pid); };
    end.ended = WaitForProcessEnd(pidfd.get(), wall, running);
    if (!end.ended) {
        end.cpu_seconds = CpuSecondsOf(pid);
        kill(pid, SIGKILL);
        if (!WaitForProcessEnd(pidfd.get(), std::chrono::seconds(1), running)) return end;
    }
    struct rusage usage = {};
    while (wait4(pid, &end.status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (end.ended) {
        end.cpu_seconds =
            static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return end;
}

BoundedRead Ended(BoundedRead::Outcome outcome, const std::string &why) {
    BoundedRead result;
    result.outcome = outcome;
    result.why = why;
    return result;
}

std::string MemoryWhy(const ReadLimits &limits) {
    return "reading it needed more than " + std::to_string(limits.memory / kMiB) + " MiB of memory";
}

// Why a reader that ended by itself, as `end` says, printed no report.
BoundedRead JudgeUnreported(const ReaderEnd &end, const ReadLimits &limits) {
    char text[200];
    const long long cpu = static_cast<long long>(limits.cpu.count());
    if (WIFEXITED(end.status) && WEXITSTATUS(end.status) == kReaderOutOfMemory)
        return Ended(BoundedRead::kOverLimits, MemoryWhy(limits));
    if (!WIFSIGNALED(end.status)) {
        snprintf(text, sizeof text, "reading it ended without a result (status %d)", end.status);
        return Ended(BoundedRead::kInterrupted, text);
    }
    const int signal = WTERMSIG(end.status);
    // The kernel sends SIGXCPU at the limit and SIGKILL a second later; a
    // signal from outside is told apart by the processor time used.
    const double slack = std::max(kCpuSlackFloor, kCpuSlackShare * static_cast<double>(cpu));
    if ((signal == SIGXCPU || signal == SIGKILL) && end.cpu_seconds >= cpu - slack) {
        snprintf(text, sizeof text, "reading it took more than %lld seconds of processor time",
                 cpu);
        return Ended(BoundedRead::kOverLimits, text);
    }
    snprintf(text, sizeof text,
             "reading it was ended by signal %d (%s) from outside after %.1f of its %lld "
             "seconds of processor time",
             signal, strsignal(signal), end.cpu_seconds, cpu);
    return Ended(BoundedRead::kInterrupted, text);
}

// What a reader that ended as `end` says and printed `report` found.
BoundedRead Judge(const ReaderEnd &end, const std::string &report, const ReadLimits &limits) {
    const long long cpu = static_cast<long long>(limits.cpu.count());
    if (!end.ended && end.cpu_seconds >= kLoopingShare * static_cast<double>(cpu)) {
        char text[200];
        snprintf(text, sizeof text,
                 "reading it did not end within %lld seconds, busy for %.1f seconds of them",
                 static_cast<long long>((limits.wall.count() + 999) / 1000), end.cpu_seconds);
        return Ended(BoundedRead::kOverLimits, text);
    }
    if (!end.ended) {
        char text[240];
        snprintf(text, sizeof text,
                 "reading it did not end within %lld seconds, while it got only %.1f of its "
                 "%lld seconds of processor time: the machine or the storage of the file stalled",
                 static_cast<long long>((limits.wall.count() + 999) / 1000), end.cpu_seconds, cpu);
        return Ended(BoundedRead::kStalled, text);
    }
    const std::optional<HeaderRead> parsed =
        WIFEXITED(end.status) && WEXITSTATUS(end.status) == 0 ? ParseReport(report) : std::nullopt;
    if (!parsed) return JudgeUnreported(end, limits);
    BoundedRead result;
    result.read = *parsed;
    if (result.read.stop_error == ENOMEM || result.read.open_error == ENOMEM) {
        result.outcome = BoundedRead::kOverLimits;
        result.why = MemoryWhy(limits);
        return result;
    }
    result.outcome = BoundedRead::kRead;
    return result;
}

// libarchive's read callback over a PackageSource.
la_ssize_t ReadPackage(struct archive *reader, void *data, const void **buffer) {
    PackageSource *source = static_cast<PackageSource *>(data);
    *buffer = source->buffer;
    for (;;) {
        const ssize_t n = read(source->fd, source->buffer, sizeof source->buffer);
        if (n >= 0) return n;
        const int error = errno;
        if (error == EINTR) continue;
        source->read_error = error;
        archive_set_error(reader, error, "cannot read the package: %s", strerror(error));
        return -1;
    }
}

// libarchive's skip callback over a PackageSource of a regular file: skips
// whole blocks by seeking; 0 (read instead) when it cannot seek.
la_int64_t SkipPackage(struct archive *, void *data, la_int64_t request) {
    const PackageSource *source = static_cast<const PackageSource *>(data);
    const la_int64_t blocks = request / static_cast<la_int64_t>(kPackageBlockSize);
    const la_int64_t skip = blocks * static_cast<la_int64_t>(kPackageBlockSize);
    if (skip <= 0 || lseek(source->fd, skip, SEEK_CUR) < 0) return 0;
    return skip;
}

// libarchive's seek callback over a PackageSource of a regular file (zip
// reads its central directory at the end). A seek that fails is not noted as
// a failed read: damaged bytes can ask for an offset that does not exist.
la_int64_t SeekPackage(struct archive *reader, void *data, la_int64_t offset, int whence) {
    const PackageSource *source = static_cast<const PackageSource *>(data);
    const off_t to = lseek(source->fd, offset, whence);
    if (to >= 0) return to;
    archive_set_error(reader, errno, "cannot seek in the package: %s", strerror(errno));
    return ARCHIVE_FATAL;
}

}  // namespace

void PackageReaderFree::operator()(struct archive *reader) const { archive_read_free(reader); }

PackageReader NewPackageReader() {
    PackageReader reader(archive_read_new());
    if (!reader) return nullptr;
    archive_read_support_filter_all(reader.get());
    archive_read_support_format_all(reader.get());
    return reader;
}

int OpenPackageSource(struct archive *reader, PackageSource *source) {
    struct stat st;
    if (fstat(source->fd, &st) != 0 || (lseek(source->fd, 0, SEEK_SET) != 0 && errno != ESPIPE)) {
        archive_set_error(reader, errno, "cannot read from the start: %s", strerror(errno));
        return ARCHIVE_FATAL;
    }
    // As archive_read_open_fd: the package is never extracted over itself.
    if (S_ISREG(st.st_mode)) {
        archive_read_extract_set_skip_file(reader, st.st_dev, st.st_ino);
        archive_read_set_skip_callback(reader, SkipPackage);
        archive_read_set_seek_callback(reader, SeekPackage);
    }
    archive_read_set_read_callback(reader, ReadPackage);
    archive_read_set_callback_data(reader, source);
    return archive_read_open1(reader);
}

FailureCause CauseOfReadError(int read_error) {
    return read_error > 0 ? FailureCause::kEnvironment : FailureCause::kPackage;
}

HeaderRead ReadHeaders(int fd) {
    const ScopedUtf8Names names;
    HeaderRead read;
    const PackageReader reader = NewPackageReader();
    if (!reader) {
        read.open_error = ENOMEM;
        read.open_text = "cannot allocate a reader";
        return read;
    }
    PackageSource source(fd);
    if (OpenPackageSource(reader.get(), &source) != ARCHIVE_OK) {
        read.open_error = archive_errno(reader.get()) ? archive_errno(reader.get()) : errno;
        read.read_error = source.read_error;
        const char *text = archive_error_string(reader.get());
        read.open_text = text ? text : strerror(read.open_error);
        return read;
    }
    read.scan.entries = 0;
    struct archive_entry *entry = nullptr;
    int r;
    while ((r = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        ++read.scan.entries;
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0)
            read.scan.bytes += archive_entry_size(entry);
        archive_read_data_skip(reader.get());
    }
    if (r != ARCHIVE_EOF) {
        read.stop_error = archive_errno(reader.get());
        read.read_error = source.read_error;
    }
    return read;
}

std::string FormatReport(const HeaderRead &read) {
    std::string text = "read " + std::to_string(read.scan.entries) + " " +
                       std::to_string(read.scan.bytes) + " " + std::to_string(read.stop_error) +
                       " " + std::to_string(read.read_error) + " " +
                       std::to_string(read.open_error) + " ";
    for (const char c : read.open_text) text += c == '\n' || c == '\r' ? ' ' : c;
    return text + "\n";
}

std::optional<HeaderRead> ParseReport(const std::string &text) {
    int consumed = 0;
    HeaderRead parsed;
    if (sscanf(text.c_str(), "read %d %lld %d %d %d %n", &parsed.scan.entries, &parsed.scan.bytes,
               &parsed.stop_error, &parsed.read_error, &parsed.open_error, &consumed) != 5 ||
        consumed == 0 || text.back() != '\n' || parsed.scan.entries < -1) {
        return std::nullopt;
    }
    parsed.open_text = text.substr(static_cast<size_t>(consumed), text.size() - consumed - 1);
    return parsed;
}

ReadLimits LimitsFor(long long package_bytes) {
    ReadLimits limits;
    const long long mib = package_bytes > 0 ? package_bytes / static_cast<long long>(kMiB) : 0;
    limits.cpu = std::chrono::seconds(8 + mib / 2);
    limits.wall =
        std::chrono::duration_cast<std::chrono::milliseconds>(limits.cpu) + std::chrono::seconds(4);
    limits.memory = 96 * kMiB;
    return limits;
}

BoundedRead ReadHeadersInChild(const std::string &reader, int fd, const ReadLimits &limits) {
    BoundedRead result;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        result.error = errno;
        return result;
    }
    const ScopedFd pipe_in(ends[0]);
    ScopedFd pipe_out(ends[1]);
    const ScopedFd package(AboveStandardStreams(fd));
    ScopedFd report(AboveStandardStreams(pipe_out.get()));
    pipe_out.Close();
    if (!package.valid() || !report.valid()) {
        result.error = errno;
        return result;
    }
    const std::string cpu = std::to_string(limits.cpu.count());
    const std::string memory = std::to_string(limits.memory);
    char *const argv[] = {const_cast<char *>(reader.c_str()), const_cast<char *>("--cpu-seconds"),
                          const_cast<char *>(cpu.c_str()),    const_cast<char *>("--memory-bytes"),
                          const_cast<char *>(memory.c_str()), nullptr};
    ChildStreams streams;
    streams.in = package.get();
    streams.out = report.get();
    const StartedChild child = StartChild(argv, streams);
    // Only the reader holds the pipe's writing end now: its end is the pipe's.
    report.Close();
    if (child.pid < 0) {
        result.error = child.error;
        return result;
    }
    const ReaderEnd end = AwaitReader(child.pid, limits.wall);
    return Judge(end, end.ended ? ReadAll(pipe_in.get()) : std::string(), limits);
}

int RunPackageReader(const ReadLimits &limits) {
    LimitSelf(limits);
    try {
        const std::string report = FormatReport(ReadHeaders(0));
        if (fputs(report.c_str(), stdout) == EOF || fflush(stdout) != 0) return 1;
    } catch (const std::bad_alloc &) {
        return kReaderOutOfMemory;
    }
    return 0;
}

FailureCause CauseOfOpenError(int error) {
    // libarchive's own code for bytes that are no format it knows.
    if (error > 0 && error != EILSEQ) return FailureCause::kEnvironment;
    return FailureCause::kPackage;
}
