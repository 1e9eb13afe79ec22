// Stands in for a client that makes itself non-dumpable, as programs that
// hold secrets do: /proc then hides its executable, its working directory
// and its memory from every other process of the user. Sleeps for argv[1]
// seconds (60 by default).
#include <stdlib.h>
#include <sys/prctl.h>
#include <unistd.h>

int main(int argc, char **argv) {
    if (prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) != 0) return 1;
    sleep(argc > 1 ? static_cast<unsigned>(atoi(argv[1])) : 60);
    return 0;
}
