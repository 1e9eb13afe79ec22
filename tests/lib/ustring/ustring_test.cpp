#include "ustring/ustring.h"

#include <cstring>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace {

typedef ustring::uchar16_t u16;
const size_t npos = ustring::npos;

const u16 *U(const char16_t *s) { return reinterpret_cast<const u16 *>(s); }

std::u16string utf16(const ustring &s) {
    return std::u16string(reinterpret_cast<const char16_t *>(s.c_str_utf16()));
}

TEST(UstringTest, DefaultConstructedIsEmptyInBothForms) {
    const ustring s;
    EXPECT_EQ(0u, s.length());
    EXPECT_TRUE(s.empty());
    EXPECT_STREQ("", s.c_str());
    ASSERT_NE(nullptr, s.c_str_utf16());
    EXPECT_EQ(0, s.c_str_utf16()[0]);
}

TEST(UstringTest, CapacityGrowsToTheExactSizeNeeded) {
    ustring s;
    std::string expected;
    for (int i = 0; i < 100; ++i) {
        s += static_cast<char>('a' + i % 26);
        expected += static_cast<char>('a' + i % 26);
        // Four bytes from the start hold up to three characters.
        EXPECT_EQ(i < 3 ? 4u : static_cast<size_t>(i + 2), s.capacity()) << "after " << i + 1;
    }
    EXPECT_EQ(expected, s.c_str());
    EXPECT_EQ(101u, s.capacity());

    s.assign(std::string(60, 'x'));  // 61 >= 101 / 2: buffer kept
    EXPECT_EQ(101u, s.capacity());
    s.assign("ab");  // 3 < 101 / 2: shrinks to fit
    EXPECT_EQ(3u, s.capacity());
    EXPECT_STREQ("ab", s.c_str());
}

TEST(UstringTest, SelfReferenceIsSafe) {
    struct Case {
        const char *name;
        std::function<void(ustring &)> op;
        const char *expected;
    };
    const Case cases[] = {
        {"append own buffer", [](ustring &s) { s.append(s.c_str()); }, "abcdabcd"},
        {"operator+= self", [](ustring &s) { s += s; }, "abcdabcd"},
        {"bounded append", [](ustring &s) { s.append(s.c_str(), 2); }, "abcdab"},
        {"bounded append past end", [](ustring &s) { s.append(s.c_str(), 99); }, "abcdabcd"},
        {"append own tail", [](ustring &s) { s.append(s, 2); }, "abcdcd"},
        {"assign own buffer", [](ustring &s) { s.assign(s.c_str()); }, "abcd"},
        {"operator= self", [](ustring &s) { s = s; }, "abcd"},
        {"bounded assign shorter", [](ustring &s) { s.assign(s.c_str(), 2); }, "ab"},
        {"bounded assign longer", [](ustring &s) { s.assign(s.c_str(), 9); }, "abcd"},
        {"assign own range", [](ustring &s) { s.assign(s, 1, 2); }, "bc"},
        {"assign own interior", [](ustring &s) { s.assign(s.c_str() + 2); }, "cd"},
        {"append own UTF-16", [](ustring &s) { s.append(s.c_str_utf16()); }, "abcdabcd"},
        {"bounded own UTF-16", [](ustring &s) { s.append(s.c_str_utf16(), 1); }, "abcda"},
        {"assign own UTF-16", [](ustring &s) { s.assign(s.c_str_utf16(), 3); }, "abc"},
    };
    for (const Case &c : cases) {
        ustring s("abcd");
        c.op(s);
        EXPECT_STREQ(c.expected, s.c_str()) << c.name;
        EXPECT_EQ(std::strlen(c.expected), s.length()) << c.name;
    }
}

TEST(UstringTest, Utf16FormFollowsEveryMutation) {
    struct Case {
        const char *name;
        std::function<void(ustring &)> op;
        std::u16string expected;
    };
    const Case cases[] = {
        {"append", [](ustring &s) { s.append("\xC3\xA9"); }, u" a b \u00e9"},
        {"append bytes", [](ustring &s) { s.append('x', 2); }, u" a b xx"},
        {"assign", [](ustring &s) { s = "z"; }, u"z"},
        {"assign std::string", [](ustring &s) { s.assign(std::string("0123"), 1, 2); }, u"12"},
        {"clear", [](ustring &s) { s.clear(); }, u""},
        {"trim", [](ustring &s) { s.trim(" "); }, u"a b"},
        {"ltrim", [](ustring &s) { s.ltrim(" a"); }, u"b "},
        {"rtrim", [](ustring &s) { s.rtrim(" b"); }, u" a"},
        {"replace", [](ustring &s) { s.replace(' ', '_'); }, u"_a_b_"},
        {"append UTF-16", [](ustring &s) { s.append(U(u"\u00e9\u20ac")); }, u" a b \u00e9\u20ac"},
        {"append code units", [](ustring &s) { s.append(u16{0x20ac}, 2); }, u" a b \u20ac\u20ac"},
        {"assign UTF-16", [](ustring &s) { s = U(u"\U0001F600"); }, u"\U0001F600"},
    };
    for (const Case &c : cases) {
        ustring s(" a b ");
        ASSERT_EQ(u" a b ", utf16(s));  // builds the cache before the mutation
        c.op(s);
        EXPECT_EQ(c.expected, utf16(s)) << c.name;
        // And the UTF-8 form agrees with the UTF-16 one.
        EXPECT_EQ(c.expected, utf16(ustring(s.c_str()))) << c.name;
    }
}

TEST(UstringTest, Utf16InputIsConvertedToUtf8) {
    EXPECT_STREQ("a\xC3\xA9\xE2\x82\xAC", ustring(U(u"a\u00e9\u20ac")).c_str());
    EXPECT_STREQ("\xF0\x9F\x98\x80", ustring(U(u"\U0001F600")).c_str());
    ustring s("x");
    s.append(U(u"\u00e9\u00e9\u00e9"), 2);
    EXPECT_STREQ("x\xC3\xA9\xC3\xA9", s.c_str());
    EXPECT_STREQ("x\xC3\xA9\xC3\xA9!", (s + u16{'!'}).c_str());
}

TEST(UstringTest, LoneSurrogateIsRejectedAndKeepsTheText) {
    ustring s("keep");
    testing::internal::CaptureStderr();
    s.append(u16{0xD800}, 1);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_STREQ("keep", s.c_str());
    EXPECT_EQ(u"keep", utf16(s));
    EXPECT_EQ(0u, err.find("Warning: u_strToUTF8: error code 10 at line ")) << err;
}

TEST(UstringTest, Utf16AppendToIllFormedBytesKeepsThem) {
    ustring s("\xFF");
    testing::internal::CaptureStderr();
    s.append(U(u"\u00e9"));
    testing::internal::GetCapturedStderr();
    EXPECT_STREQ("\xFF\xC3\xA9", s.c_str());
}

enum Op { kFind, kRfind, kFirstOf, kFirstNotOf, kLastOf, kLastNotOf };

size_t Search(const ustring &s, Op op, const char *pattern, size_t pos) {
    switch (op) {
        case kFind:
            return s.find(pattern, pos);
        case kRfind:
            return s.rfind(pattern, pos);
        case kFirstOf:
            return s.find_first_of(pattern, pos);
        case kFirstNotOf:
            return s.find_first_not_of(pattern, pos);
        case kLastOf:
            return s.find_last_of(pattern, pos);
        case kLastNotOf:
            return s.find_last_not_of(pattern, pos);
    }
    return 0;
}

TEST(UstringTest, SearchStartAndEmptyPatternRules) {
    struct Case {
        const char *text;
        Op op;
        const char *pattern;
        size_t pos;
        size_t expected;
    };
    const Case cases[] = {
        {"abcabc", kFind, "bc", 0, 1},
        {"abcabc", kFind, "bc", 2, 4},
        {"abcabc", kFind, "bd", 0, npos},
        {"abcabc", kFind, "c", 6, npos},
        {"abc", kFind, "", 1, 1},
        {"abc", kFind, "", 3, npos},
        {"abc", kFind, "abcd", 0, npos},
        {"a/b/c", kRfind, "/", npos, 3},
        {"a/b/c", kRfind, "/", 2, 1},
        {"a/b/c", kRfind, "/", 99, 3},
        {"", kRfind, "/", npos, npos},
        {"a/b/c", kRfind, "", npos, 4},
        {"a/b/c", kRfind, "", 2, 2},
        {"abcabc", kRfind, "abc", 4, 3},
        {"abcabc", kRfind, "bc", 3, 1},
        {"abc", kRfind, "x", npos, npos},
        {"a.b;c", kFirstOf, ".;", 0, 1},
        {"a.b;c", kFirstOf, ".;", 2, 3},
        {"abc", kFirstOf, "", 0, npos},
        {"abc", kFirstOf, "a", 3, npos},
        {"  x ", kFirstNotOf, " ", 0, 2},
        {"abc", kFirstNotOf, "", 1, 1},
        {"   ", kFirstNotOf, " ", 0, npos},
        {"abc", kFirstNotOf, "", 3, npos},
        {"a.b;c", kLastOf, ".;", npos, 3},
        {"a.b;c", kLastOf, ".;", 2, 1},
        {"abc", kLastOf, "", npos, npos},
        {"", kLastOf, "a", npos, npos},
        {"x  ", kLastNotOf, " ", npos, 0},
        {"abc", kLastNotOf, "", npos, 2},
        {"abc", kLastNotOf, "", 1, 1},
        {"   ", kLastNotOf, " ", npos, npos},
        {"\xC3\xA9x", kFirstOf, "\xA9", 0, 1},
        {"", kLastNotOf, "", npos, npos},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.expected, Search(ustring(c.text), c.op, c.pattern, c.pos))
            << "op " << c.op << " on \"" << c.text << "\" for \"" << c.pattern << "\" from "
            << c.pos;
    }
}

TEST(UstringTest, SearchPatternOverloadsAgree) {
    const ustring s("a/b/c");
    EXPECT_EQ(3u, s.rfind('/'));
    EXPECT_EQ(3u, s.rfind(std::string("/")));
    EXPECT_EQ(3u, s.rfind(ustring("/")));
    EXPECT_EQ(2u, s.find('b', 1));
    EXPECT_EQ(1u, s.find('\0', 1));  // the NUL char is an empty pattern
    EXPECT_EQ(npos, s.find_first_of('\0'));
    EXPECT_EQ(4u, s.find_last_not_of(ustring("/")));
}

TEST(UstringTest, Substr) {
    const ustring s("hello");
    EXPECT_STREQ("ell", s.substr(1, 3).c_str());
    EXPECT_STREQ("llo", s.substr(2).c_str());
    EXPECT_STREQ("llo", s.substr(2, 99).c_str());
    EXPECT_TRUE(s.substr(5, npos).empty());
    EXPECT_THROW(s.substr(6, 1), std::out_of_range);
}

TEST(UstringTest, AppendWithStartBeyondTheSourceThrows) {
    ustring s("keep");
    EXPECT_THROW(s.append(std::string("ab"), 3, 1), std::out_of_range);
    EXPECT_THROW(s.append(ustring("ab"), 3, 1), std::out_of_range);
    EXPECT_THROW(s.assign(std::string("ab"), 3, 1), std::out_of_range);
    EXPECT_STREQ("keep", s.c_str());
    s.append(std::string("abcd"), 1, 2);
    EXPECT_STREQ("keepbc", s.c_str());
}

TEST(UstringTest, Trim) {
    struct Case {
        const char *text;
        const char *set;
        const char *both, *left, *right;
    };
    const Case cases[] = {
        {" \tx \t", " \t", "x", "x \t", " \tx"},
        {" \t", " \t", "", "", ""},
        {" x ", "", " x ", " x ", " x "},
        {"xyx", "x", "y", "yx", "xy"},
        {"", " ", "", "", ""},
    };
    for (const Case &c : cases) {
        ustring both(c.text), left(c.text), right(c.text);
        both.trim(c.set);
        left.ltrim(ustring(c.set));
        right.rtrim(c.set);
        EXPECT_STREQ(c.both, both.c_str()) << c.text;
        EXPECT_EQ(std::strlen(c.both), both.length()) << c.text;
        EXPECT_STREQ(c.left, left.c_str()) << c.text;
        EXPECT_EQ(std::strlen(c.left), left.length()) << c.text;
        EXPECT_STREQ(c.right, right.c_str()) << c.text;
        EXPECT_EQ(std::strlen(c.right), right.length()) << c.text;
    }
    ustring self("aba");
    EXPECT_TRUE(self.trim(self).empty());
}

TEST(UstringTest, ReplaceByNulKeepsLengthInStep) {
    ustring s("a=b=c");
    s.replace('=', '\0');
    EXPECT_EQ(1u, s.length());
    EXPECT_EQ(ustring("a"), s);
}

TEST(UstringTest, Compare) {
    EXPECT_EQ(0, ustring::compare("ABC", "abc", true));
    EXPECT_LT(ustring::compare("ABC", "abc", false), 0);
    EXPECT_EQ('A' - 'a', ustring::compare("ABC", "abc", false));
    // Only ASCII letters fold: A-umlaut and a-umlaut stay different.
    EXPECT_NE(0, ustring::compare("\xC3\x84", "\xC3\xA4", true));
    EXPECT_LT(ustring::compare("ab", "ab\xC3\xA4", false), 0);  // bytes compare unsigned
    EXPECT_GT(ustring::compare("\xC3", "a", true), 0);
    EXPECT_EQ(0, ustring("abcX").compare("abcY", 3));
    EXPECT_NE(0, ustring("abcX").compare("abcY", 4));
    EXPECT_EQ(0, ustring("a").compare("b", 0));
    EXPECT_EQ(0, ustring("ab").compare("ab", 10));
    EXPECT_TRUE(ustring("a") < ustring("b"));
    EXPECT_TRUE(ustring("b") > ustring("a"));
    EXPECT_TRUE(ustring("a") != ustring("A"));
}

TEST(UstringTest, NormalizeComposesAndDecomposes) {
    const ustring nfc("\xC3\xA9");  // U+00E9
    const ustring nfd = nfc.normalize(ustring::NFD);
    EXPECT_STREQ("e\xCC\x81", nfd.c_str());
    EXPECT_EQ(3u, nfd.length());
    EXPECT_EQ(nfc, ustring::normalize(nfd, ustring::NFC));
    EXPECT_TRUE(ustring::normalize(ustring(), ustring::NFD).empty());
}

TEST(UstringTest, IllFormedUtf8) {
    const ustring bad("\xFF");
    EXPECT_FALSE(ustring::is_valid(bad));
    EXPECT_TRUE(ustring::is_valid(ustring()));
    EXPECT_TRUE(ustring::is_valid(ustring("\xC3\xA9")));
    for (int i = 0; i < 2; ++i) {
        testing::internal::CaptureStderr();
        const u16 *w = bad.c_str_utf16();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(0, w[0]);
        EXPECT_EQ(0u, err.find("Warning: u_strFromUTF8: error code 10 at line ")) << err;
        EXPECT_EQ('\n', err.back());
    }
    EXPECT_STREQ("\xFF", bad.c_str());
}

TEST(UstringTest, OperatorsAndStreams) {
    ustring s = ustring("a") + "b" + 'c' + ustring("d") + U(u"\u00e9");
    EXPECT_STREQ("abcd\xC3\xA9", s.c_str());
    std::ostringstream out;
    out << s;
    EXPECT_EQ("abcd\xC3\xA9", out.str());
    std::istringstream in("  first second");
    in >> s;
    EXPECT_STREQ("first", s.c_str());
    ustring other("x");
    swap(s, other);
    EXPECT_STREQ("x", s.c_str());
    EXPECT_STREQ("first", other.c_str());
    s[0] = 'y';
    EXPECT_STREQ("y", s.c_str());
}

}  // namespace
