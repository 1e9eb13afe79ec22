#include "ustring/ustring.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <new>
#include <stdexcept>
#include <vector>

#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utypes.h>

namespace {

typedef ustring::uchar16_t uchar16_t;

// uchar16_t and ICU's UChar (char16_t) have the same size and representation.
static_assert(sizeof(uchar16_t) == sizeof(UChar), "UTF-16 code unit size");

UChar *as_uchar(uchar16_t *p) { return reinterpret_cast<UChar *>(p); }
const UChar *as_uchar(const uchar16_t *p) { return reinterpret_cast<const UChar *>(p); }

int32_t icu_len(size_t n) { return n > INT32_MAX ? INT32_MAX : static_cast<int32_t>(n); }

void warn(const char *function, UErrorCode code, int line) {
    std::cerr << "Warning: " << function << ": error code " << static_cast<int>(code) << " at line "
              << line << "\n"
              << std::flush;
}

size_t utf16_len(const uchar16_t *s, size_t max) {
    size_t n = 0;
    while (n < max && s[n] != 0) ++n;
    return n;
}

bool points_into(const void *p, const void *buf, size_t bytes) {
    const char *c = static_cast<const char *>(p);
    const char *b = static_cast<const char *>(buf);
    return c >= b && c < b + bytes;
}

// Folds 'A'-'Z' to 'a'-'z' and maps every other byte to itself.
constexpr std::array<unsigned char, 256> make_fold_table() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) {
        t[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i - 'A' + 'a' : i);
    }
    return t;
}
constexpr std::array<unsigned char, 256> kFold = make_fold_table();

size_t checked_sum(size_t a, size_t b) {
    if (b > SIZE_MAX - a) throw std::bad_alloc();
    return a + b;
}

}  // namespace

const size_t ustring::npos;

void ustring::init() {
    data = nullptr;
    data_len = data_cap = 0;
    wdata = nullptr;
    wdata_len = wdata_cap = 0;
    realloc_data(4);
    try {
        realloc_wdata(4);
    } catch (...) {
        std::free(data);
        throw;
    }
    data[0] = '\0';
    wdata[0] = 0;
}

ustring::ustring() { init(); }

// The constructors below delegate to the default one, so the destructor
// frees the buffers should the append throw.
ustring::ustring(const char *s) : ustring() { append(s); }

ustring::ustring(const std::string &s) : ustring(s.c_str()) {}

ustring::ustring(const ustring &x) : ustring(x.data) {}

ustring::ustring(char c) : ustring() { append(c, 1); }

ustring::ustring(const uchar16_t *s) : ustring() { append(s); }

ustring::~ustring() {
    std::free(data);
    std::free(wdata);
}

void ustring::realloc_data(size_t n) {
    if (n <= data_cap && n >= data_cap / 2) return;
    char *p = static_cast<char *>(std::realloc(data, n));
    if (p == nullptr) throw std::bad_alloc();
    data = p;
    data_cap = n;
}

void ustring::realloc_wdata(size_t n) const {
    if (n <= wdata_cap && n >= wdata_cap / 2) return;
    if (n > SIZE_MAX / sizeof(uchar16_t)) throw std::bad_alloc();
    uchar16_t *p = static_cast<uchar16_t *>(std::realloc(wdata, n * sizeof(uchar16_t)));
    if (p == nullptr) throw std::bad_alloc();
    wdata = p;
    wdata_cap = n;
}

void ustring::invalidate_wdata() const {
    wdata_len = 0;
    wdata[0] = 0;
}

void ustring::ensure_wdata() const {
    if (wdata_len == 0 && data_len != 0) convert_from_data();
}

int ustring::convert_from_wdata() {
    UErrorCode status = U_ZERO_ERROR;
    int32_t needed = 0;
    u_strToUTF8(nullptr, 0, &needed, as_uchar(wdata), -1, &status);
    realloc_data(static_cast<size_t>(needed) + 1);
    status = U_ZERO_ERROR;
    u_strToUTF8(data, icu_len(data_cap), &needed, as_uchar(wdata), -1, &status);
    if (U_FAILURE(status)) {
        warn("u_strToUTF8", status, __LINE__);
        clear();
        return -1;
    }
    data_len = static_cast<size_t>(needed);
    data[data_len] = '\0';
    return 0;
}

int ustring::convert_from_data() const {
    UErrorCode status = U_ZERO_ERROR;
    int32_t needed = 0;
    u_strFromUTF8(nullptr, 0, &needed, data, -1, &status);
    realloc_wdata(static_cast<size_t>(needed) + 1);
    status = U_ZERO_ERROR;
    u_strFromUTF8(as_uchar(wdata), icu_len(wdata_cap), &needed, data, -1, &status);
    if (U_FAILURE(status)) {
        warn("u_strFromUTF8", status, __LINE__);
        invalidate_wdata();
        return -1;
    }
    wdata_len = static_cast<size_t>(needed);
    wdata[wdata_len] = 0;
    return 0;
}

const uchar16_t *ustring::c_str_utf16() const {
    ensure_wdata();
    return wdata;
}

void ustring::clear() {
    data_len = 0;
    data[0] = '\0';
    invalidate_wdata();
}

void ustring::swap(ustring &x) noexcept {
    std::swap(data, x.data);
    std::swap(data_len, x.data_len);
    std::swap(data_cap, x.data_cap);
    std::swap(wdata, x.wdata);
    std::swap(wdata_len, x.wdata_len);
    std::swap(wdata_cap, x.wdata_cap);
}

void swap(ustring &a, ustring &b) noexcept { a.swap(b); }

ustring &ustring::append(const char *s) { return append(s, npos); }

ustring &ustring::append(const char *s, size_t len) {
    const size_t n = strnlen(s, len);
    if (n == 0) return *this;
    // `s` may lie in our own buffer, which realloc can move.
    const bool own = points_into(s, data, data_cap);
    const size_t offset = own ? static_cast<size_t>(s - data) : 0;
    realloc_data(checked_sum(checked_sum(data_len, n), 1));
    std::memcpy(data + data_len, own ? data + offset : s, n);
    data_len += n;
    data[data_len] = '\0';
    invalidate_wdata();
    return *this;
}

ustring &ustring::append(const std::string &x, size_t pos, size_t len) {
    const std::string part = x.substr(pos, len);
    return append(part.c_str());
}

ustring &ustring::append(const ustring &x, size_t pos, size_t len) {
    if (pos > x.data_len) throw std::out_of_range("substr");
    return append(x.data + pos, len);
}

ustring &ustring::append(char c, size_t n) {
    if (c == '\0' || n == 0) return *this;
    realloc_data(checked_sum(checked_sum(data_len, n), 1));
    std::memset(data + data_len, c, n);
    data_len += n;
    data[data_len] = '\0';
    invalidate_wdata();
    return *this;
}

ustring &ustring::append(const uchar16_t *s) { return append(s, npos); }

ustring &ustring::append(const uchar16_t *s, size_t len) {
    const size_t n = utf16_len(s, len);
    if (!points_into(s, wdata, wdata_cap * sizeof(uchar16_t))) return append_utf16(s, n);
    // Our own UTF-16 buffer moves when it grows.
    const std::vector<uchar16_t> copy(s, s + n);
    return append_utf16(copy.data(), n);
}

ustring &ustring::append(uchar16_t c, size_t n) {
    if (c == 0 || n == 0) return *this;
    const std::vector<uchar16_t> units(n, c);
    return append_utf16(units.data(), n);
}

// REQUIRES: `s` does not point into wdata.
ustring &ustring::append_utf16(const uchar16_t *s, size_t n) {
    if (n == 0) return *this;
    // A lone surrogate cannot be turned into UTF-8; reject it up front so the
    // text already held is not lost.
    UErrorCode status = U_ZERO_ERROR;
    int32_t needed = 0;
    u_strToUTF8(nullptr, 0, &needed, as_uchar(s), icu_len(n), &status);
    if (U_FAILURE(status) && status != U_BUFFER_OVERFLOW_ERROR) {
        warn("u_strToUTF8", status, __LINE__);
        return *this;
    }
    ensure_wdata();
    if (wdata_len == 0 && data_len != 0) {
        // The bytes held are not UTF-8, so there is no UTF-16 form to extend:
        // keep them and append the UTF-8 of the new units.
        ustring tail;
        tail.append_utf16(s, n);
        return append(tail.data, tail.data_len);
    }
    realloc_wdata(checked_sum(checked_sum(wdata_len, n), 1));
    std::memcpy(wdata + wdata_len, s, n * sizeof(uchar16_t));
    wdata_len += n;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

ustring &ustring::assign(const char *s) { return assign(s, npos); }

ustring &ustring::assign(const char *s, size_t len) {
    if (points_into(s, data, data_cap)) {
        // Part of our own text: move it to the front, no reallocation.
        const size_t n = strnlen(s, len);
        if (s == data && n == data_len) return *this;
        std::memmove(data, s, n);
        data_len = n;
        data[n] = '\0';
        invalidate_wdata();
        return *this;
    }
    clear();
    return append(s, len);
}

ustring &ustring::assign(const std::string &x, size_t pos, size_t len) {
    const std::string part = x.substr(pos, len);
    clear();
    return append(part.c_str());
}

ustring &ustring::assign(const ustring &x, size_t pos, size_t len) {
    if (pos > x.data_len) throw std::out_of_range("substr");
    return assign(x.data + pos, len);
}

ustring &ustring::assign(char c, size_t n) {
    clear();
    return append(c, n);
}

ustring &ustring::assign(const uchar16_t *s) { return assign(s, npos); }

ustring &ustring::assign(const uchar16_t *s, size_t len) {
    const size_t n = utf16_len(s, len);
    if (!points_into(s, wdata, wdata_cap * sizeof(uchar16_t))) return assign_utf16(s, n);
    const std::vector<uchar16_t> copy(s, s + n);
    return assign_utf16(copy.data(), n);
}

ustring &ustring::assign(uchar16_t c, size_t n) {
    clear();
    return append(c, n);
}

ustring &ustring::assign_utf16(const uchar16_t *s, size_t n) {
    clear();
    return append_utf16(s, n);
}

size_t ustring::find(const char *s, size_t pos) const {
    if (pos >= data_len) return npos;
    const size_t n = std::strlen(s);
    for (size_t i = pos; data[i] != '\0'; ++i) {
        if (std::strncmp(data + i, s, n) == 0) return i;
    }
    return npos;
}

size_t ustring::find(char c, size_t pos) const {
    const char s[2] = {c, '\0'};
    return find(s, pos);
}

size_t ustring::backward_start(size_t pos) const {
    if (data_len == 0) return npos;
    const size_t start = pos >= data_len ? data_len - 1 : pos;
    // Searches stop at the first NUL, should one have been written in.
    const size_t text = strnlen(data, start + 1);
    return text == 0 ? npos : std::min(start, text - 1);
}

size_t ustring::rfind(const char *s, size_t pos) const {
    const size_t start = backward_start(pos);
    if (start == npos) return npos;
    const size_t n = std::strlen(s);
    for (size_t i = start + 1; i-- > 0;) {
        if (std::strncmp(data + i, s, n) == 0) return i;
    }
    return npos;
}

size_t ustring::rfind(char c, size_t pos) const {
    const char s[2] = {c, '\0'};
    return rfind(s, pos);
}

size_t ustring::first_of(const char *s, size_t pos, bool in_set) const {
    if (pos >= data_len) return npos;
    for (size_t i = pos; data[i] != '\0'; ++i) {
        if ((std::strchr(s, data[i]) != nullptr) == in_set) return i;
    }
    return npos;
}

size_t ustring::last_of(const char *s, size_t pos, bool in_set) const {
    const size_t start = backward_start(pos);
    if (start == npos) return npos;
    for (size_t i = start + 1; i-- > 0;) {
        if ((std::strchr(s, data[i]) != nullptr) == in_set) return i;
    }
    return npos;
}

size_t ustring::find_first_of(const char *s, size_t pos) const { return first_of(s, pos, true); }

size_t ustring::find_first_of(char c, size_t pos) const {
    const char s[2] = {c, '\0'};
    return first_of(s, pos, true);
}

size_t ustring::find_first_not_of(const char *s, size_t pos) const {
    return first_of(s, pos, false);
}

size_t ustring::find_first_not_of(char c, size_t pos) const {
    const char s[2] = {c, '\0'};
    return first_of(s, pos, false);
}

size_t ustring::find_last_of(const char *s, size_t pos) const { return last_of(s, pos, true); }

size_t ustring::find_last_of(char c, size_t pos) const {
    const char s[2] = {c, '\0'};
    return last_of(s, pos, true);
}

size_t ustring::find_last_not_of(const char *s, size_t pos) const { return last_of(s, pos, false); }

size_t ustring::find_last_not_of(char c, size_t pos) const {
    const char s[2] = {c, '\0'};
    return last_of(s, pos, false);
}

ustring ustring::substr(size_t start, size_t len) const {
    if (start > data_len) throw std::out_of_range("substr");
    if (len > data_len) len = data_len;
    ustring result;
    result.append(data + start, len);
    return result;
}

ustring &ustring::replace(char c1, char c2) {
    if (c1 == '\0') return *this;
    for (char *p = data; *p != '\0'; ++p) {
        if (*p == c1) *p = c2;
    }
    // Keep the length in step with the terminator when c2 cut the text.
    if (c2 == '\0') data_len = std::strlen(data);
    invalidate_wdata();
    return *this;
}

ustring &ustring::ltrim(const char *list) {
    const size_t n = std::strspn(data, list);
    if (n == 0) return *this;
    std::memmove(data, data + n, data_len - n + 1);
    data_len -= n;
    invalidate_wdata();
    return *this;
}

ustring &ustring::ltrim(const ustring &list) {
    if (&list == this) return ltrim(std::string(list.data).c_str());
    return ltrim(list.data);
}

ustring &ustring::rtrim(const char *list) {
    size_t n = data_len;
    while (n > 0 && data[n - 1] != '\0' && std::strchr(list, data[n - 1]) != nullptr) --n;
    if (n == data_len) return *this;
    data_len = n;
    data[n] = '\0';
    invalidate_wdata();
    return *this;
}

ustring &ustring::rtrim(const ustring &list) {
    if (&list == this) return rtrim(std::string(list.data).c_str());
    return rtrim(list.data);
}

ustring &ustring::trim(const char *list) {
    // ltrim moves our bytes, so a set taken from them must be copied first.
    if (points_into(list, data, data_cap)) {
        const std::string copy(list);
        return ltrim(copy.c_str()).rtrim(copy.c_str());
    }
    return ltrim(list).rtrim(list);
}

ustring &ustring::trim(const ustring &list) { return trim(list.data); }

int ustring::compare(const ustring &a, const ustring &b, bool caseless) {
    const unsigned char *p = reinterpret_cast<const unsigned char *>(a.data);
    const unsigned char *q = reinterpret_cast<const unsigned char *>(b.data);
    for (;; ++p, ++q) {
        const int x = caseless ? kFold[*p] : *p;
        const int y = caseless ? kFold[*q] : *q;
        if (x != y || x == 0) return x - y;
    }
}

int ustring::compare(const ustring &str, size_t n) const {
    const unsigned char *p = reinterpret_cast<const unsigned char *>(data);
    const unsigned char *q = reinterpret_cast<const unsigned char *>(str.data);
    for (size_t i = 0; i < n; ++i) {
        if (p[i] != q[i] || p[i] == 0) return p[i] - q[i];
    }
    return 0;
}

ustring ustring::normalize(const ustring &x, normalization_form n) {
    ustring result;
    if (x.empty()) return result;
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2 *normalizer =
        unorm2_getInstance(nullptr, "nfc", n == NFC ? UNORM2_COMPOSE : UNORM2_DECOMPOSE, &status);
    if (U_FAILURE(status) || normalizer == nullptr) {
        warn("unorm2_getInstance", status, __LINE__);
        return result;
    }
    const UChar *source = as_uchar(x.c_str_utf16());
    const int32_t needed = unorm2_normalize(normalizer, source, -1, nullptr, 0, &status);
    result.realloc_wdata(static_cast<size_t>(needed) + 1);
    status = U_ZERO_ERROR;
    const int32_t written = unorm2_normalize(normalizer, source, -1, as_uchar(result.wdata),
                                             icu_len(result.wdata_cap), &status);
    if (U_FAILURE(status)) {
        warn("unorm2_normalize", status, __LINE__);
        result.clear();
        return result;
    }
    result.wdata_len = static_cast<size_t>(written);
    result.wdata[result.wdata_len] = 0;
    result.convert_from_wdata();
    return result;
}

bool ustring::is_valid(const ustring &x) {
    if (x.empty()) return true;
    UErrorCode status = U_ZERO_ERROR;
    int32_t needed = 0;
    u_strFromUTF8(nullptr, 0, &needed, x.data, -1, &status);
    return status != U_INVALID_CHAR_FOUND;
}

ustring operator+(const ustring &a, const ustring &b) {
    ustring result(a);
    result.append(b);
    return result;
}

ustring operator+(const ustring &a, const char *b) {
    ustring result(a);
    result.append(b);
    return result;
}

ustring operator+(const ustring &a, char b) {
    ustring result(a);
    result.append(b, 1);
    return result;
}

ustring operator+(const ustring &a, const ustring::uchar16_t *b) {
    ustring result(a);
    result.append(b);
    return result;
}

ustring operator+(const ustring &a, ustring::uchar16_t b) {
    ustring result(a);
    result.append(b, 1);
    return result;
}

bool operator<(const ustring &a, const ustring &b) { return a.compare(b) < 0; }

bool operator>(const ustring &a, const ustring &b) { return a.compare(b) > 0; }

bool operator==(const ustring &a, const ustring &b) { return a.compare(b) == 0; }

bool operator!=(const ustring &a, const ustring &b) { return a.compare(b) != 0; }

std::ostream &operator<<(std::ostream &os, const ustring &s) { return os << s.c_str(); }

std::istream &operator>>(std::istream &is, ustring &s) {
    std::string word;
    is >> word;
    s.assign(word);
    return is;
}
