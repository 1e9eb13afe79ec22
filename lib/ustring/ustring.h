#ifndef LIB_USTRING_USTRING_H
#define LIB_USTRING_USTRING_H

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

// A NUL-terminated UTF-8 string with a lazily built UTF-16 form beside it.
// All positions and lengths are byte counts in the UTF-8 form.
//
// Both buffers come from malloc and are resized to exactly the size an
// operation needs (a buffer is kept when the need lies between half its
// capacity and its capacity). Allocation failure throws std::bad_alloc and
// leaves the old buffer in place.
//
// Not synchronised: even const members (c_str_utf16, normalize) may rebuild
// the UTF-16 form, so one object must not be shared between threads without
// outside locking.
class ustring {
public:
    typedef uint16_t uchar16_t;
    enum normalization_form { NFC = 0, NFD = 1 };
    static const size_t npos = static_cast<size_t>(-1);

    ustring();
    ustring(const char *s);
    ustring(const std::string &s);
    ustring(const ustring &x);
    ustring(char c);
    ustring(const uchar16_t *s);
    ~ustring();

    // Appends the bytes of `s` up to its NUL. `s` may point into this string.
    ustring &append(const char *s);
    // Appends at most `len` bytes of `s`, stopping earlier at a NUL.
    ustring &append(const char *s, size_t len);
    // Appends x.substr(pos, len); throws std::out_of_range when pos > x.size().
    ustring &append(const std::string &x, size_t pos = 0, size_t len = npos);
    // Appends x.substr(pos, len); throws std::out_of_range("substr") when
    // pos > x.length().
    ustring &append(const ustring &x, size_t pos = 0, size_t len = npos);
    // Appends `n` copies of `c`; NUL bytes are never stored before the
    // terminator, so c == '\0' appends nothing.
    ustring &append(char c, size_t n);
    // The UTF-16 forms append to the UTF-16 text and rebuild the UTF-8 bytes.
    // Ill-formed UTF-16 input (a lone surrogate) is rejected with a warning on
    // standard error and leaves the string unchanged.
    ustring &append(const uchar16_t *s);
    ustring &append(const uchar16_t *s, size_t len);
    ustring &append(uchar16_t c, size_t n);

    // Each assign clears the string, then appends. Assigning (part of) the
    // string's own buffer keeps that text in place.
    ustring &assign(const char *s);
    ustring &assign(const char *s, size_t len);
    ustring &assign(const std::string &x, size_t pos = 0, size_t len = npos);
    ustring &assign(const ustring &x, size_t pos = 0, size_t len = npos);
    ustring &assign(char c, size_t n);
    ustring &assign(const uchar16_t *s);
    ustring &assign(const uchar16_t *s, size_t len);
    ustring &assign(uchar16_t c, size_t n);

    ustring &operator=(const ustring &x) { return assign(x); }
    ustring &operator=(const char *s) { return assign(s); }
    ustring &operator=(const std::string &x) { return assign(x); }
    ustring &operator=(char c) { return assign(c, 1); }
    ustring &operator=(const uchar16_t *s) { return assign(s); }
    ustring &operator=(uchar16_t c) { return assign(c, 1); }

    ustring &operator+=(const ustring &x) { return append(x); }
    ustring &operator+=(const char *s) { return append(s); }
    ustring &operator+=(const std::string &x) { return append(x); }
    ustring &operator+=(char c) { return append(c, 1); }
    ustring &operator+=(const uchar16_t *s) { return append(s); }
    ustring &operator+=(uchar16_t c) { return append(c, 1); }

    // Never null.
    const char *c_str() const { return data; }
    const char *c_str_utf8() const { return data; }
    // Never null; empty (with a warning on standard error) when the UTF-8
    // bytes are not well-formed.
    const uchar16_t *c_str_utf16() const;

    size_t length() const { return data_len; }
    size_t size() const { return data_len; }
    bool empty() const { return data_len == 0; }
    // Bytes allocated for the UTF-8 form, terminator included.
    size_t capacity() const { return data_cap; }

    // No range check. Writing through the reference changes only the UTF-8
    // bytes; the UTF-16 form is not refreshed.
    char &operator[](size_t pos) { return data[pos]; }
    const char &operator[](size_t pos) const { return data[pos]; }

    void clear();
    void swap(ustring &x) noexcept;

    // Searches work on bytes, stop at the first NUL and return a byte offset
    // or npos. The std::string and ustring patterns are used up to their
    // first NUL; a '\0' char pattern is an empty pattern.
    size_t find(const char *s, size_t pos = 0) const;
    size_t find(const std::string &s, size_t pos = 0) const { return find(s.c_str(), pos); }
    size_t find(const ustring &s, size_t pos = 0) const { return find(s.c_str(), pos); }
    size_t find(char c, size_t pos = 0) const;

    size_t rfind(const char *s, size_t pos = npos) const;
    size_t rfind(const std::string &s, size_t pos = npos) const { return rfind(s.c_str(), pos); }
    size_t rfind(const ustring &s, size_t pos = npos) const { return rfind(s.c_str(), pos); }
    size_t rfind(char c, size_t pos = npos) const;

    size_t find_first_of(const char *s, size_t pos = 0) const;
    size_t find_first_of(const std::string &s, size_t pos = 0) const {
        return find_first_of(s.c_str(), pos);
    }
    size_t find_first_of(const ustring &s, size_t pos = 0) const {
        return find_first_of(s.c_str(), pos);
    }
    size_t find_first_of(char c, size_t pos = 0) const;

    size_t find_first_not_of(const char *s, size_t pos = 0) const;
    size_t find_first_not_of(const std::string &s, size_t pos = 0) const {
        return find_first_not_of(s.c_str(), pos);
    }
    size_t find_first_not_of(const ustring &s, size_t pos = 0) const {
        return find_first_not_of(s.c_str(), pos);
    }
    size_t find_first_not_of(char c, size_t pos = 0) const;

    size_t find_last_of(const char *s, size_t pos = npos) const;
    size_t find_last_of(const std::string &s, size_t pos = npos) const {
        return find_last_of(s.c_str(), pos);
    }
    size_t find_last_of(const ustring &s, size_t pos = npos) const {
        return find_last_of(s.c_str(), pos);
    }
    size_t find_last_of(char c, size_t pos = npos) const;

    size_t find_last_not_of(const char *s, size_t pos = npos) const;
    size_t find_last_not_of(const std::string &s, size_t pos = npos) const {
        return find_last_not_of(s.c_str(), pos);
    }
    size_t find_last_not_of(const ustring &s, size_t pos = npos) const {
        return find_last_not_of(s.c_str(), pos);
    }
    size_t find_last_not_of(char c, size_t pos = npos) const;

    // Throws std::out_of_range("substr") when start > length(); len == npos
    // or len > length() means "to the end".
    ustring substr(size_t start, size_t len = npos) const;

    // Every byte equal to c1 becomes c2. Replacing by '\0' cuts the string
    // at the first replaced byte.
    ustring &replace(char c1, char c2);

    // Remove the longest prefix / suffix / both whose bytes all occur in
    // `list` (a NUL-terminated byte set; empty removes nothing).
    ustring &ltrim(const char *list);
    ustring &ltrim(const ustring &list);
    ustring &rtrim(const char *list);
    ustring &rtrim(const ustring &list);
    ustring &trim(const char *list);
    ustring &trim(const ustring &list);

    // Byte-wise comparison as unsigned values: the difference of the first
    // differing pair (a's byte minus b's byte), 0 when equal. `caseless`
    // folds only 'A'-'Z'.
    static int compare(const ustring &a, const ustring &b, bool caseless);
    int compare(const ustring &str) const { return compare(*this, str, false); }
    // As compare(str), over at most `n` bytes.
    int compare(const ustring &str, size_t n) const;

    // Unicode normal form of x; empty (with a warning on standard error) when
    // ICU fails.
    static ustring normalize(const ustring &x, normalization_form n);
    ustring normalize(normalization_form n) const { return normalize(*this, n); }

    // False only when the bytes are not well-formed UTF-8.
    static bool is_valid(const ustring &x);

private:
    void init();
    // Make room for `n` bytes / code units (terminator included).
    void realloc_data(size_t n);
    void realloc_wdata(size_t n) const;
    void invalidate_wdata() const;
    // Builds the UTF-16 form when it is not built yet.
    void ensure_wdata() const;
    // Rebuild one form from the other; 0 on success, -1 (with a warning on
    // standard error) on failure.
    int convert_from_wdata();
    int convert_from_data() const;
    ustring &append_utf16(const uchar16_t *s, size_t n);
    ustring &assign_utf16(const uchar16_t *s, size_t n);
    // Shared search kernels; `s` is a NUL-terminated pattern.
    size_t first_of(const char *s, size_t pos, bool in_set) const;
    size_t last_of(const char *s, size_t pos, bool in_set) const;
    // Start position of backward searches, npos for an empty string.
    size_t backward_start(size_t pos) const;

    char *data;
    size_t data_len;
    size_t data_cap;
    mutable uchar16_t *wdata;
    mutable size_t wdata_len;
    mutable size_t wdata_cap;
};

void swap(ustring &a, ustring &b) noexcept;

ustring operator+(const ustring &a, const ustring &b);
ustring operator+(const ustring &a, const char *b);
ustring operator+(const ustring &a, char b);
ustring operator+(const ustring &a, const ustring::uchar16_t *b);
ustring operator+(const ustring &a, ustring::uchar16_t b);

bool operator<(const ustring &a, const ustring &b);
bool operator>(const ustring &a, const ustring &b);
bool operator==(const ustring &a, const ustring &b);
bool operator!=(const ustring &a, const ustring &b);

std::ostream &operator<<(std::ostream &os, const ustring &s);
// Reads one whitespace-delimited word and assigns it.
std::istream &operator>>(std::istream &is, ustring &s);

#endif  // LIB_USTRING_USTRING_H
