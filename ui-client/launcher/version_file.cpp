#include "version_file.h"

#include <errno.h>
#include <limits.h>
#include <stdlib.h>

#include <string>

#include "log.h"

namespace {

const char kComponent[] = "service_debug";

// The most of a version file that is read: it holds a few short lines.
const size_t kMaxVersionFileBytes = 64 * 1024;

std::string Trimmed(const std::string &s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// A value of an INI line as the toolkit's INI reader gives a plain value:
// trimmed, without its double quotes, and ending at a ";" comment outside
// them.
std::string IniValue(const std::string &raw) {
    std::string value;
    bool quoted = false;
    for (const char c : raw) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ';' && !quoted) {
            break;
        } else {
            value += c;
        }
    }
    return raw.find('"') == std::string::npos ? Trimmed(value) : value;
}

// Sets the member of `info` that `key` names, if any.
void SetVersionField(const std::string &key, const std::string &raw, Service::VersionInfo &info) {
    const struct {
        const char *key;
        ustring Service::VersionInfo::*member;
    } fields[] = {
        {"major_version", &Service::VersionInfo::major_version},
        {"minor_version", &Service::VersionInfo::minor_version},
        {"build_version", &Service::VersionInfo::build_version},
        {"icon_overlay_version", &Service::VersionInfo::icon_overlay_version},
    };
    for (const auto &f : fields)
        if (key == f.key) info.*f.member = ustring(IniValue(raw).c_str());
}

}  // namespace

SmallFile ReadSmallFileNoted(const ustring &path, size_t limit, bool follow_link) {
    SmallFile file = FSReadSmallFile(path, limit, follow_link);
    if (file.status == SmallFile::kNotRegular) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] tarrowind-service(%d): '%s' is not a regular file, treating it as "
                       "absent\n",
                       __LINE__, path.c_str());
    }
    return file;
}

void ReadVersionFile(const ustring &path, Service::VersionInfo &info) {
    SmallFile file = ReadSmallFileNoted(path, kMaxVersionFileBytes, true);
    if (file.status != SmallFile::kRead) return;
    std::string &text = file.text;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    bool in_section = false;
    for (size_t at = 0; at < text.size();) {
        size_t eol = text.find_first_of("\r\n", at);
        if (eol == std::string::npos) eol = text.size();
        const std::string line = Trimmed(text.substr(at, eol - at));
        at = eol + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            in_section = line == "[Version]";
            continue;
        }
        const size_t eq = line.find('=');
        if (in_section && eq != std::string::npos)
            SetVersionField(Trimmed(line.substr(0, eq)), line.substr(eq + 1), info);
    }
}

int BuildNumber(const ustring &text) {
    if (text.empty()) return 0;
    errno = 0;
    const long long value = strtoll(text.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}
