// Extractor over arbitrary archives: every input is unpacked into a fresh
// target directory. Besides memory errors it checks that nothing appears
// beside the target or in the working directory, and that an extraction
// names a cause exactly when it fails.
#include <dirent.h>
#include <ftw.h>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <string>

#include "extractor.h"
#include "file/scoped.h"
#include "texts/strtab.h"

namespace {

std::string g_base;

std::set<std::string> Names(const std::string &dir) {
    std::set<std::string> names;
    ScopedDir d(opendir(dir.c_str()));
    if (d)
        while (const dirent *e = readdir(d.get())) names.insert(e->d_name);
    return names;
}

int RemoveOne(const char *path, const struct stat *, int type, struct FTW *) {
    return type == FTW_DP ? rmdir(path) : unlink(path);
}

void RemoveTree(const std::string &dir) {
    // Modes from the archive may deny access to the owner; open them first.
    nftw(
        dir.c_str(),
        [](const char *path, const struct stat *st, int type, struct FTW *) {
            if (type == FTW_D || type == FTW_DNR) chmod(path, (st->st_mode & 07777) | 0700);
            return 0;
        },
        16, FTW_PHYS);
    if (nftw(dir.c_str(), RemoveOne, 16, FTW_DEPTH | FTW_PHYS) != 0) {
        fprintf(stderr, "extractor_fuzzer: cannot remove %s\n", dir.c_str());
        abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    char tmpl[] = "/tmp/extractor-fuzzer-XXXXXX";
    if (!mkdtemp(tmpl)) abort();
    g_base = tmpl;
    // Relative paths that slipped past the target would land here.
    if (mkdir((g_base + "/cwd").c_str(), 0755) != 0 || chdir((g_base + "/cwd").c_str()) != 0)
        abort();
    atexit([] { RemoveTree(g_base); });
    StrTable::InitStrTable();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string archive = g_base + "/package.qpk";
    const std::string target = g_base + "/app";
    {
        ScopedFile f(fopen(archive.c_str(), "wb"));
        if (!f) abort();
        fwrite(data, 1, size, f.get());
    }
    if (mkdir(target.c_str(), 0755) != 0) abort();

    Extractor extractor;
    extractor.SetSource(archive.c_str());
    extractor.SetTarget(target.c_str());
    const PackageScan scan = extractor.Scan();
    extractor.Extract(&scan);

    const std::set<std::string> expected{".", "..", "app", "cwd", "package.qpk"};
    if (Names(g_base) != expected || Names(g_base + "/cwd").size() != 2) {
        fprintf(stderr, "extractor_fuzzer: an entry was written outside the target\n");
        abort();
    }
    RemoveTree(target);
    return 0;
}
