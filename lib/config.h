#ifndef LIB_CONFIG_H
#define LIB_CONFIG_H

#include <string.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>

#include "file/file-op.h"
#include "ustring/ustring.h"

// Reader of small key=value text files (the client's pid file, the logger's
// level file) into a map ordered by key. Self-contained: it neither logs nor
// throws, and reports through result codes.
//
// Line syntax: optional white space, a key of [0-9A-Za-z._-], optional white
// space, "=", optional white space, then a value that is either unquoted
// (ends at the first space or control byte) or enclosed in double or single
// quotes (may hold spaces but no control bytes), then optional white space and
// an optional "#" comment. Blank lines and lines starting with "#" are empty.
//
// Threading: an object is used by one thread at a time.
class Config {
public:
    enum { OK = 0, EMPTY = 1, INVALID = 2 };

    typedef std::map<ustring, ustring>::const_iterator const_iterator;

    Config() {}

    // Adds the entries of the file at `path` to the store; a key already
    // present takes the file's value. Lines are read in pieces of at most
    // 8191 bytes, and each piece is parsed as a line of its own. Returns 0, or
    // -1 when `path` is empty, the file cannot be opened, or a line is
    // INVALID; in the last case the whole store is empty afterwards, entries
    // from earlier reads included. Only a regular file is read, without ever
    // blocking, and only its first kMaxBytes: anything else (a FIFO, a
    // device, a huge file) gives -1 or is cut there.
    int read(const ustring &path) {
        if (path.empty()) return -1;
        const SmallFile file = FSReadSmallFile(path, kMaxBytes);
        if (file.status != SmallFile::kRead) return -1;
        const std::string &text = file.text;
        int result = 0;
        char buf[kPiece + 1];
        for (size_t at = 0; at < text.size();) {
            const size_t eol = text.find('\n', at);
            const size_t n =
                std::min((eol == std::string::npos ? text.size() : eol + 1) - at, kPiece);
            memcpy(buf, text.data() + at, n);
            buf[n] = '\0';
            at += n;
            ustring key, value;
            int r = parse(buf, static_cast<int>(strlen(buf)), key, value);
            if (r == OK) {
                store[key] = value;
            } else if (r == INVALID) {
                store.clear();
                result = -1;
                break;
            }
        }
        return result;
    }

    // The value of `key`; a missing key is inserted with an empty value.
    ustring &operator[](const ustring &key) { return store[key]; }

    // The value of `key` (inserted empty when missing) read as a decimal
    // integer by stream extraction: leading white space and a sign are
    // accepted, digits are read up to the first other byte, and a value that
    // does not start with a number gives 0.
    int get_int(const ustring &key) {
        int v = 0;
        std::stringstream ss;
        ss << (*this)[key].c_str();
        ss >> v;
        return v;
    }

    const_iterator begin() const { return store.begin(); }
    const_iterator end() const { return store.end(); }

    // Parses the NUL-terminated line in `buf`; `n` is its strlen and is not
    // otherwise used. Returns OK with `key` and `value` assigned, EMPTY for a
    // blank or comment line, INVALID for a malformed line; `key` and `value`
    // are left alone unless the result is OK. Writes NUL bytes into `buf`.
    static int parse(char *buf, int n, ustring &key, ustring &value) {
        (void)n;
        char *p = buf;
        while (is_space(*p)) ++p;
        char *key_s = p;
        while (is_key_char(*p)) ++p;
        char *key_e = p;
        if (*p == '#' || *p == '\0') return EMPTY;
        while (is_space(*p)) ++p;
        if (*p != '=') return INVALID;
        ++p;
        while (is_space(*p)) ++p;
        if (*p == '\0') return INVALID;
        char value_delim = ' ';
        bool quoted = false;
        if (*p == '"' || *p == '\'') {
            value_delim = *p;
            quoted = true;
            ++p;
        }
        char *value_s = p;
        while (is_value_char(*p) && *p != value_delim) ++p;
        char *value_e = p;
        if (quoted) {
            if (*p != value_delim) return INVALID;
            ++p;
        }
        while (is_space(*p)) ++p;
        if (*p != '\0' && *p != '#') return INVALID;
        *key_e = '\0';
        *value_e = '\0';
        key = key_s;
        value = value_s;
        return OK;
    }

    static bool is_key_char(unsigned char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               c == '-' || c == '_' || c == '.';
    }
    // Every byte from 0x20 up except DEL, so UTF-8 multi-byte characters are
    // value characters and tab and the other control bytes are not.
    static bool is_value_char(unsigned char c) { return c >= 0x20 && c != 0x7F; }
    static bool is_space(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == ' '; }

    // The most of a file that read() looks at.
    static constexpr size_t kMaxBytes = 64 * 1024;

private:
    static constexpr size_t kPiece = 8191;

    std::map<ustring, ustring> store;
};

#endif
