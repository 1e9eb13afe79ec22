#include "client_package.h"

#include <sys/stat.h>

#include <stdio.h>
#include <unistd.h>

#include <stdexcept>

#include "archive_builder.h"
#include "disk_state.h"
#include "test_support.h"

namespace testing_support {

namespace {

std::string Lines(const std::string &home) { return ReadFile(home + "/start-stop.calls"); }

}  // namespace

void WriteClientTree(const std::string &dir, const ClientTreeSpec &spec) {
    MakeDirs(dir + "/bin");
    MakeDirs(dir + "/package");
    MakeDirs(dir + "/lib");
    WriteFile(dir + "/INFO", "[Version]\nmajor_version=3\nminor_version=1\nbuild_version=" +
                                 spec.build + "\nicon_overlay_version=8\n");
    WriteFile(dir + "/bin/tarrowind-backup-ui", "#!/bin/sh\nexit 0\n", 0755);
    WriteFile(dir + "/package/start-stop",
              "#!/bin/sh\necho \"$1 " + spec.build + "\" >> \"$HOME/start-stop.calls\"\n", 0755);
    WriteFile(dir + "/lib/libclient.so.1", "client library " + spec.build + "\n");
    if (symlink("libclient.so.1", (dir + "/lib/libclient.so").c_str()) != 0)
        throw std::runtime_error("symlink in " + dir);
    for (int d = 0; d < spec.dirs; ++d) {
        char sub[32];
        snprintf(sub, sizeof sub, "/share/d%02d", d);
        MakeDirs(dir + sub);
        for (int f = 0; f < spec.files; ++f) {
            char name[64];
            snprintf(name, sizeof name, "%s/%c%03d", sub, spec.prefix, f);
            std::string text;
            for (int i = 0; i < 8; ++i) text += "build " + spec.build + " file" + name + "\n";
            WriteFile(dir + name, text);
        }
        if (spec.read_only_dirs && chmod((dir + sub).c_str(), 0555) != 0)
            throw std::runtime_error("chmod in " + dir);
    }
    if (spec.big_file_bytes > 0) {
        MakeDirs(dir + "/share");
        std::string big;
        big.reserve(static_cast<size_t>(spec.big_file_bytes));
        for (long i = 0; static_cast<long>(big.size()) < spec.big_file_bytes; ++i)
            big += std::to_string(i) + "\n";
        big.resize(static_cast<size_t>(spec.big_file_bytes));
        WriteFile(dir + "/share/big.bin", big);
    }
}

void InstallPackage(const std::string &tree, const std::string &root) {
    WritePackage(root + "/package/tarrowind.qpk", TreeEntries(tree));
    WriteFile(root + "/INFO", ReadFile(tree + "/INFO"));
}

int StartCalls(const std::string &home) {
    int n = 0;
    for (char c : Lines(home)) n += c == '\n';
    return n;
}

std::string LastStartCall(const std::string &home) {
    std::string text = Lines(home);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    const size_t nl = text.rfind('\n');
    return nl == std::string::npos ? text : text.substr(nl + 1);
}

}  // namespace testing_support
