#ifndef TESTS_SUPPORT_CLIENT_PACKAGE_H
#define TESTS_SUPPORT_CLIENT_PACKAGE_H

#include <string>

namespace testing_support {

// What WriteClientTree puts into a client tree.
struct ClientTreeSpec {
    std::string build;
    // share/dNN/<prefix>MMM for NN < dirs and MMM < files: small files whose
    // contents name the build and the file.
    int dirs = 0;
    int files = 0;
    char prefix = 'f';
    // Size of share/big.bin; none when 0.
    long big_file_bytes = 0;
    // share/dNN read-only (0555), as some packages ship their folders.
    bool read_only_dirs = false;
};

// Writes a client tree as a package carries it into the new directory
// `dir`: INFO with spec.build, bin/tarrowind-backup-ui (ends at once),
// package/start-stop (appends "start <build>" to $HOME/start-stop.calls and
// starts nothing), lib/libclient.so.1 with the link lib/libclient.so, and the
// files of `spec`. Throws on failure.
void WriteClientTree(const std::string &dir, const ClientTreeSpec &spec);

// Packs `tree` into <root>/package/tarrowind.qpk (tar.gz, entries in name
// order, so that they are extracted in the order of their names) and copies
// its INFO to <root>/INFO. Starts no process. Throws on failure.
void InstallPackage(const std::string &tree, const std::string &root);

// The lines of <home>/start-stop.calls: one per start of the client.
int StartCalls(const std::string &home);
// Its last line, empty when there is none.
std::string LastStartCall(const std::string &home);

}  // namespace testing_support

#endif
