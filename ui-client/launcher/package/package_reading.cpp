#include "package/package_reading.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <memory>

#include <archive.h>
#include <archive_entry.h>

#include "file/scoped.h"
#include "process/child.h"
#include "package/utf8_names.h"

namespace {

const unsigned long long kMiB = 1024 * 1024;
// The most of a report that is read: one short line.
const size_t kMaxReport = 4096;

// A close-on-exec copy of `fd` numbered above the standard streams, so that
// handing it to a child as one of them never overwrites another.
ScopedFd AboveStandardStreams(int fd) { return ScopedFd(fcntl(fd, F_DUPFD_CLOEXEC, 3)); }

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

// Why a reader that ended with `status` and printed no report is over its
// limits.
std::string WhyEnded(int status, const ReadLimits &limits) {
    char text[160];
    if (WIFSIGNALED(status) && (WTERMSIG(status) == SIGXCPU || WTERMSIG(status) == SIGKILL)) {
        snprintf(text, sizeof text, "reading it took more than %lld seconds of processor time",
                 static_cast<long long>(limits.cpu.count()));
    } else if (WIFSIGNALED(status)) {
        snprintf(text, sizeof text, "reading it ended by signal %d (%s)", WTERMSIG(status),
                 strsignal(WTERMSIG(status)));
    } else {
        snprintf(text, sizeof text, "reading it ended without a result (status %d)", status);
    }
    return text;
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

// Kills the reader that outlived its time and reaps it.
void KillReader(pid_t pid) {
    kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

// What a reader that ended with `status` and printed `report` found.
BoundedRead Judge(int status, const std::string &report, const ReadLimits &limits) {
    BoundedRead result;
    result.outcome = BoundedRead::kOverLimits;
    const std::optional<HeaderRead> parsed =
        WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ParseReport(report) : std::nullopt;
    if (!parsed) {
        result.why = WhyEnded(status, limits);
        return result;
    }
    result.read = *parsed;
    if (result.read.stop_error == ENOMEM || result.read.open_error == ENOMEM) {
        result.why = "reading it needed more than " + std::to_string(limits.memory / kMiB) +
                     " MiB of memory";
        return result;
    }
    result.outcome = BoundedRead::kRead;
    return result;
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

HeaderRead ReadHeaders(int fd) {
    const ScopedUtf8Names names;
    HeaderRead read;
    const PackageReader reader = NewPackageReader();
    if (!reader) {
        read.open_error = ENOMEM;
        read.open_text = "cannot allocate a reader";
        return read;
    }
    if (lseek(fd, 0, SEEK_SET) != 0 ||
        archive_read_open_fd(reader.get(), fd, kPackageBlockSize) != ARCHIVE_OK) {
        read.open_error = archive_errno(reader.get()) ? archive_errno(reader.get()) : errno;
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
    if (r != ARCHIVE_EOF) read.stop_error = archive_errno(reader.get());
    return read;
}

std::string FormatReport(const HeaderRead &read) {
    std::string text = "read " + std::to_string(read.scan.entries) + " " +
                       std::to_string(read.scan.bytes) + " " + std::to_string(read.stop_error) +
                       " " + std::to_string(read.open_error) + " ";
    for (const char c : read.open_text) text += c == '\n' || c == '\r' ? ' ' : c;
    return text + "\n";
}

std::optional<HeaderRead> ParseReport(const std::string &text) {
    int consumed = 0;
    HeaderRead parsed;
    if (sscanf(text.c_str(), "read %d %lld %d %d %n", &parsed.scan.entries, &parsed.scan.bytes,
               &parsed.stop_error, &parsed.open_error, &consumed) != 4 ||
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
    const ChildExit exit = WaitForChild(child.pid, limits.wall);
    if (!exit.ended) {
        KillReader(child.pid);
        result.outcome = BoundedRead::kOverLimits;
        result.why = "reading it did not end within " +
                     std::to_string((limits.wall.count() + 999) / 1000) + " seconds";
        return result;
    }
    return Judge(exit.status, ReadAll(pipe_in.get()), limits);
}

int RunPackageReader(const ReadLimits &limits) {
    LimitSelf(limits);
    const std::string report = FormatReport(ReadHeaders(0));
    if (fputs(report.c_str(), stdout) == EOF || fflush(stdout) != 0) return 1;
    return 0;
}

FailureCause CauseOfOpenError(int error) {
    // libarchive's own code for bytes that are no format it knows.
    if (error > 0 && error != EILSEQ) return FailureCause::kEnvironment;
    return FailureCause::kPackage;
}
