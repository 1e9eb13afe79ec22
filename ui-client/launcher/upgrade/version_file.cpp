#include "upgrade/version_file.h"

#include <errno.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <string>

#include <QSettings>
#include <QString>

#include "file/scoped.h"

#include "log.h"

namespace {

const char kComponent[] = "service_debug";

// The most of a version file that is read: it holds a few short lines.
const size_t kMaxVersionFileBytes = 64 * 1024;

// A memory file holding `bytes`, whose modification time no earlier one of
// this process had. The toolkit caches what it parsed of an INI file by the
// file's name and parses it again only when its size or time changed; every
// version file is handed over as /proc/self/fd/<n>, a name that comes back
// with every descriptor numbered alike.
// Returns its descriptor, or -1 with errno.
int MemoryFileOf(const std::string &bytes) {
    static std::atomic<long long> serial{0};
    ScopedFd fd(memfd_create("version-file", MFD_CLOEXEC));
    if (!fd.valid()) return -1;
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return -1;
        done += static_cast<size_t>(n);
    }
    const struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(++serial), 0}};
    if (futimens(fd.get(), times) != 0) return -1;
    return fd.release();
}

// Sets the members of `info` whose keys the "Version" group of `settings` holds.
void SetVersionFields(const QSettings &settings, VersionInfo &info) {
    const struct {
        const char *key;
        ustring VersionInfo::*member;
    } fields[] = {
        {"Version/major_version", &VersionInfo::major_version},
        {"Version/minor_version", &VersionInfo::minor_version},
        {"Version/build_version", &VersionInfo::build_version},
        {"Version/icon_overlay_version", &VersionInfo::icon_overlay_version},
    };
    for (const auto &f : fields) {
        if (settings.contains(f.key))
            info.*f.member = ustring(settings.value(f.key).toString().toUtf8().constData());
    }
}

}  // namespace

SmallFile ReadSmallFileNoted(const ustring &path, size_t limit, bool follow_link) {
    SmallFile file;
    // Where a link leads is looked at before it is opened: a FIFO, a device
    // or a socket it points to is never opened (a FIFO's writer would be let
    // go, a device may act on being opened, a socket cannot be).
    struct stat64 st;
    if (follow_link && stat64(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        file.status = SmallFile::kNotRegular;
    else
        file = FSReadSmallFile(path, limit, follow_link);
    if (file.status == SmallFile::kNotRegular) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] version_file(%d): '%s' is not a regular file, treating it as "
                       "absent\n",
                       __LINE__, path.c_str());
    }
    return file;
}

void ReadVersionFile(const ustring &path, VersionInfo &info) {
    const SmallFile file = ReadSmallFileNoted(path, kMaxVersionFileBytes, true);
    if (file.status != SmallFile::kRead) return;
    // The bytes read are handed to the toolkit's INI reader, so that the
    // file is read as the toolkit reads it, under a name of plain ASCII
    // whatever bytes the home's name holds.
    const ScopedFd memory(MemoryFileOf(file.text));
    if (!memory.valid()) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] version_file(%d): cannot read '%s': %s\n", __LINE__, path.c_str(),
                       strerror(errno));
        return;
    }
    const QSettings settings(QStringLiteral("/proc/self/fd/%1").arg(memory.get()),
                             QSettings::IniFormat);
    SetVersionFields(settings, info);
}

int BuildNumber(const ustring &text) {
    if (text.empty()) return 0;
    errno = 0;
    const long long value = strtoll(text.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}
