// The per-user version file ("INFO") as the service reads it, and the upgrade
// decision made from it. The input is the whole file: the service reads its
// first 64 KiB by their bytes and hands a memory copy to the toolkit's INI
// reader (escapes, continuations, percent-encoded keys, lists, quotes,
// comments), the build number is parsed from its build_version, and
// IsNeedUpgrade decides
// for a home that holds no client. The system-wide version file and package
// are those of the build directory above this program; scripts/run-fuzzers
// builds only the fuzz targets there, so the decision ends at the missing
// package. Each input gets a fresh home directory, which the service takes
// from HOME when it is made.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <QCoreApplication>

#include "file/scoped.h"
#include "linux/linux-service.h"

namespace {

std::string g_base;
unsigned long g_inputs = 0;

void MustMkdir(const std::string &path) {
    if (mkdir(path.c_str(), 0755) != 0) abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    char tmpl[] = "/tmp/version-file-fuzzer-XXXXXX";
    if (!mkdtemp(tmpl)) abort();
    g_base = tmpl;
    atexit([] { rmdir(g_base.c_str()); });
    // The service finds the system-wide files relative to the executable.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string home = g_base + "/h" + std::to_string(g_inputs++);
    const std::string user = home + "/.TarrowindBackup";
    const std::string app = user + "/Tarrowind.app";
    MustMkdir(home);
    MustMkdir(user);
    MustMkdir(app);
    {
        ScopedFile f(fopen((app + "/INFO").c_str(), "wb"));
        if (!f) abort();
        fwrite(data, 1, size, f.get());
    }

    setenv("HOME", home.c_str(), 1);
    {
        LinuxService service;
        service.PreUpgrade();
        service.IsNeedUpgrade();
    }

    unlink((app + "/INFO").c_str());
    if (rmdir(app.c_str()) != 0 || rmdir(user.c_str()) != 0 || rmdir(home.c_str()) != 0) abort();
    return 0;
}
