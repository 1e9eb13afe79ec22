// Config::parse on the input as one line, and Config::read on the input as a
// file. Besides memory errors it checks what a caller relies on: a parsed key
// holds only key characters and a value only value characters, and a failed
// read leaves the store empty.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "config.h"
#include "file/scoped.h"

namespace {

std::string g_path;

void Check(bool ok, const char *what) {
    if (!ok) {
        fprintf(stderr, "config_fuzzer: %s\n", what);
        abort();
    }
}

bool AllOf(const ustring &s, bool (*cls)(unsigned char)) {
    for (size_t i = 0; i < s.size(); ++i)
        if (!cls(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    char tmpl[] = "/tmp/config-fuzzer-XXXXXX";
    if (!ScopedFd(mkstemp(tmpl)).valid()) abort();
    g_path = tmpl;
    atexit([] { unlink(g_path.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string line(reinterpret_cast<const char *>(data), size);
    line.resize(strlen(line.c_str()));
    ustring key("unset"), value("unset");
    const int r = Config::parse(&line[0], static_cast<int>(line.size()), key, value);
    Check(r == Config::OK || r == Config::EMPTY || r == Config::INVALID, "parse result");
    if (r == Config::OK) {
        Check(AllOf(key, Config::is_key_char), "key character");
        Check(AllOf(value, Config::is_value_char), "value character");
    } else {
        Check(key == ustring("unset") && value == ustring("unset"), "key or value set");
    }

    {
        ScopedFile f(fopen(g_path.c_str(), "wb"));
        if (!f) abort();
        fwrite(data, 1, size, f.get());
    }
    Config config;
    const int read = config.read(ustring(g_path.c_str()));
    Check(read == 0 || read == -1, "read result");
    if (read < 0) Check(config.begin() == config.end(), "store kept after a failed read");
    for (Config::const_iterator it = config.begin(); it != config.end(); ++it) {
        Check(AllOf(it->first, Config::is_key_char), "stored key character");
        Check(AllOf(it->second, Config::is_value_char), "stored value character");
    }
    std::vector<ustring> keys;
    for (Config::const_iterator it = config.begin(); it != config.end(); ++it)
        keys.push_back(it->first);
    for (const ustring &k : keys) config.get_int(k);
    return 0;
}
