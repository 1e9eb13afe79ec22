// tarrowind-package-reader: reads the headers of the package on its standard
// input under the limits its arguments give, and prints what it found. The
// launcher runs it so that a package whose reading does not end can be
// stopped.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "package/package_reading.h"

int main(int argc, char **argv) {
    ReadLimits limits;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--cpu-seconds") == 0)
            limits.cpu = std::chrono::seconds(strtoll(argv[i + 1], nullptr, 10));
        else if (strcmp(argv[i], "--memory-bytes") == 0)
            limits.memory = strtoull(argv[i + 1], nullptr, 10);
    }
    if (limits.cpu.count() <= 0 || limits.memory == 0) {
        fprintf(stderr, "usage: %s --cpu-seconds N --memory-bytes N < package\n", argv[0]);
        return 2;
    }
    return RunPackageReader(limits);
}
