// ustring against std::string: the input is a program of operations on one
// ustring and a std::string model of its bytes. After every operation the
// two must hold the same bytes, and every search must give the model's
// answer. Operations that go through UTF-16 (normalisation, UTF-16 appends)
// have no byte model; for them the fuzzer checks round trips instead.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ustring/ustring.h"

namespace {

void Check(bool ok, const char *what) {
    if (!ok) {
        fprintf(stderr, "ustring_fuzzer: %s\n", what);
        abort();
    }
}

// Reads operation codes and operands off the input.
class Input {
public:
    Input(const uint8_t *data, size_t size) : p_(data), end_(data + size) {}
    bool done() const { return p_ == end_; }
    uint8_t Byte() { return p_ == end_ ? 0 : *p_++; }
    size_t Small(const std::string &model) {
        // Positions around the model's length, and npos.
        const uint8_t b = Byte();
        if (b == 0xFF) return ustring::npos;
        return b % (model.size() + 4);
    }
    // A run of bytes (NULs included) of a length given by the input.
    std::string Bytes() {
        const size_t n = std::min<size_t>(Byte() % 24, static_cast<size_t>(end_ - p_));
        std::string s(reinterpret_cast<const char *>(p_), n);
        p_ += n;
        return s;
    }

private:
    const uint8_t *p_;
    const uint8_t *end_;
};

std::string CStr(const std::string &s) { return std::string(s.c_str()); }

size_t ModelFind(const std::string &m, const std::string &pat, size_t pos) {
    if (pos >= m.size()) return std::string::npos;
    return m.find(pat, pos);
}

size_t ModelRfind(const std::string &m, const std::string &pat, size_t pos) {
    if (m.empty()) return std::string::npos;
    if (pat.empty()) return std::min(pos, m.size() - 1);
    return m.rfind(pat, pos);
}

std::string ModelReplace(std::string m, char c1, char c2) {
    if (c1 == '\0') return m;
    for (char &c : m)
        if (c == c1) c = c2;
    return CStr(m);
}

std::string ModelLtrim(const std::string &m, const std::string &list) {
    const size_t n = m.find_first_not_of(list);
    return n == std::string::npos ? std::string() : m.substr(n);
}

std::string ModelRtrim(const std::string &m, const std::string &list) {
    const size_t n = m.find_last_not_of(list);
    return n == std::string::npos ? std::string() : m.substr(0, n + 1);
}

int Sign(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

std::vector<ustring::uchar16_t> Units(const std::string &bytes) {
    std::vector<ustring::uchar16_t> units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        units.push_back(static_cast<ustring::uchar16_t>(static_cast<uint8_t>(bytes[i]) |
                                                        static_cast<uint8_t>(bytes[i + 1]) << 8));
    units.push_back(0);
    return units;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Input in(data, size);
    ustring u;
    std::string m;
    // Self-appends double the string: stop before it grows without bound.
    for (int steps = 0; !in.done() && steps < 64 && m.size() < 4096; ++steps) {
        const uint8_t op = in.Byte() % 20;
        switch (op) {
            case 0: {
                const std::string s = in.Bytes();
                u.append(s.data(), s.size());
                m += CStr(s);
                break;
            }
            case 1: {
                const std::string s = in.Bytes();
                u.assign(s.data(), s.size());
                m = CStr(s);
                break;
            }
            case 2: {
                const char c = static_cast<char>(in.Byte());
                const size_t n = in.Byte() % 8;
                u.append(c, n);
                if (c != '\0') m.append(n, c);
                break;
            }
            case 3: {  // a part of itself appended
                const size_t pos = in.Small(m);
                const size_t len = in.Small(m);
                try {
                    u.append(u, pos, len);
                    Check(pos <= m.size(), "append accepted a bad position");
                    m += m.substr(pos, len);
                } catch (const std::out_of_range &) {
                    Check(pos > m.size(), "append refused a good position");
                }
                break;
            }
            case 4: {  // a part of itself assigned
                const size_t pos = in.Small(m);
                const size_t len = in.Small(m);
                try {
                    u.assign(u, pos, len);
                    Check(pos <= m.size(), "assign accepted a bad position");
                    m = m.substr(pos, len);
                } catch (const std::out_of_range &) {
                    Check(pos > m.size(), "assign refused a good position");
                }
                break;
            }
            case 5: {
                const size_t pos = in.Small(m);
                const size_t len = in.Small(m);
                try {
                    const ustring part = u.substr(pos, len);
                    Check(pos <= m.size(), "substr accepted a bad position");
                    Check(std::string(part.c_str(), part.size()) == m.substr(pos, len), "substr");
                } catch (const std::out_of_range &) {
                    Check(pos > m.size(), "substr refused a good position");
                }
                break;
            }
            case 6: {
                const std::string pat = CStr(in.Bytes());
                const size_t pos = in.Small(m);
                Check(u.find(pat.c_str(), pos) == ModelFind(m, pat, pos), "find");
                Check(u.rfind(pat.c_str(), pos) == ModelRfind(m, pat, pos), "rfind");
                break;
            }
            case 7: {
                const std::string set = CStr(in.Bytes());
                const size_t pos = in.Small(m);
                Check(u.find_first_of(set.c_str(), pos) == m.find_first_of(set, pos),
                      "find_first_of");
                Check(u.find_first_not_of(set.c_str(), pos) ==
                          (pos >= m.size() ? std::string::npos : m.find_first_not_of(set, pos)),
                      "find_first_not_of");
                Check(u.find_last_of(set.c_str(), pos) == m.find_last_of(set, pos), "find_last_of");
                Check(u.find_last_not_of(set.c_str(), pos) == m.find_last_not_of(set, pos),
                      "find_last_not_of");
                break;
            }
            case 8: {
                const char c = static_cast<char>(in.Byte());
                const size_t pos = in.Small(m);
                const std::string pat = c ? std::string(1, c) : std::string();
                Check(u.find(c, pos) == ModelFind(m, pat, pos), "find char");
                Check(u.rfind(c, pos) == ModelRfind(m, pat, pos), "rfind char");
                break;
            }
            case 9: {
                const char c1 = static_cast<char>(in.Byte());
                const char c2 = static_cast<char>(in.Byte());
                u.replace(c1, c2);
                m = ModelReplace(m, c1, c2);
                break;
            }
            case 10: {
                const std::string list = CStr(in.Bytes());
                u.ltrim(list.c_str());
                m = ModelLtrim(m, list);
                break;
            }
            case 11: {
                const std::string list = CStr(in.Bytes());
                u.rtrim(list.c_str());
                m = ModelRtrim(m, list);
                break;
            }
            case 12: {  // trimmed by a set taken from its own bytes
                const size_t pos = in.Small(m);
                if (pos > u.size()) break;
                const std::string list = m.substr(pos);
                u.trim(u.c_str() + pos);
                m = ModelRtrim(ModelLtrim(m, list), list);
                break;
            }
            case 13: {
                const ustring other(CStr(in.Bytes()).c_str());
                const std::string o = other.c_str();
                Check(Sign(ustring::compare(u, other, false)) == Sign(m.compare(o)), "compare");
                Check((u == other) == (m == o), "operator==");
                Check((u < other) == (m < o), "operator<");
                const size_t n = in.Small(m);
                Check(Sign(u.compare(other, n)) == Sign(m.substr(0, n).compare(o.substr(0, n))),
                      "compare n");
                break;
            }
            case 14: {
                const ustring nfc = u.normalize(ustring::NFC);
                const ustring nfd = u.normalize(ustring::NFD);
                if (ustring::is_valid(u) && !u.empty()) {
                    Check(ustring::is_valid(nfc) && ustring::is_valid(nfd), "normal form invalid");
                    Check(nfc.normalize(ustring::NFC) == nfc, "NFC not idempotent");
                    Check(nfd.normalize(ustring::NFC) == nfc, "NFD and NFC disagree");
                }
                break;
            }
            case 15: {  // through UTF-16 and back
                if (!ustring::is_valid(u)) break;
                const ustring back(u.c_str_utf16());
                Check(back == u, "UTF-16 round trip");
                break;
            }
            case 16: {
                const std::vector<ustring::uchar16_t> units = Units(in.Bytes());
                u.append(units.data());
                m = u.c_str();
                break;
            }
            case 17: {
                const std::vector<ustring::uchar16_t> units = Units(in.Bytes());
                u.assign(units.data());
                m = u.c_str();
                break;
            }
            case 18: {  // a UTF-16 part of itself appended
                const ustring::uchar16_t *w = u.c_str_utf16();
                size_t n = 0;
                while (w[n]) ++n;
                u.append(w + (n ? in.Byte() % n : 0));
                m = u.c_str();
                break;
            }
            case 19: {
                ustring copy(u);
                ustring other(CStr(in.Bytes()).c_str());
                swap(copy, other);
                Check(other == u, "swap");
                u = copy + u;
                m = std::string(copy.c_str()) + m;
                break;
            }
        }
        Check(u.size() == strlen(u.c_str()), "length and terminator disagree");
        Check(std::string(u.c_str(), u.size()) == m, "bytes differ from the model");
    }
    return 0;
}
