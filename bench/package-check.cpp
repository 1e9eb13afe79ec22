// bench-package-check: one checking pass over a package, timed by bench/run.
//
//   bench-package-check in-process PACKAGE         the headers read in this
//                                                  process, as the launcher
//                                                  read them before
//   bench-package-check reader PACKAGE READER      read by READER (the
//                                                  installed
//                                                  tarrowind-package-reader)
//                                                  under the launcher's limits
//
// Prints the entries found; exits 1 when the package was not read.
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

#include "file/scoped.h"
#include "package/package_reading.h"

int main(int argc, char **argv) {
    if (argc < 3 || (strcmp(argv[1], "reader") == 0 && argc < 4)) {
        fprintf(stderr, "usage: %s in-process|reader PACKAGE [READER]\n", argv[0]);
        return 2;
    }
    const ScopedFd fd(open(argv[2], O_RDONLY | O_CLOEXEC));
    struct stat st;
    if (!fd.valid() || fstat(fd.get(), &st) != 0) {
        perror(argv[2]);
        return 1;
    }
    PackageScan scan;
    if (strcmp(argv[1], "in-process") == 0) {
        scan = ReadHeaders(fd.get()).scan;
    } else {
        const BoundedRead read = ReadHeadersInChild(argv[3], fd.get(), LimitsFor(st.st_size));
        if (read.outcome != BoundedRead::kRead) return 1;
        scan = read.read.scan;
    }
    printf("%d entries\n", scan.entries);
    return scan.entries > 0 ? 0 : 1;
}
