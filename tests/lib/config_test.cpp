#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config.h"
#include "test_support.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteFile;

struct ParseRow {
    const char *line;
    int result;
    const char *key;
    const char *value;
};

const ParseRow kParseRows[] = {
    {"pid=1234\n", Config::OK, "pid", "1234"},
    {"  pid  =  1234  \n", Config::OK, "pid", "1234"},
    {"pid=1234\r\n", Config::OK, "pid", "1234"},
    {"pid=12\t\n", Config::OK, "pid", "12"},
    {"pid=\"a b\"\n", Config::OK, "pid", "a b"},
    {"pid='a b'\n", Config::OK, "pid", "a b"},
    {"pid=a b\n", Config::INVALID, "", ""},
    {"pid=val #x\n", Config::OK, "pid", "val"},
    {"pid=val#x\n", Config::OK, "pid", "val#x"},
    {"pid=\"val\" #note\n", Config::OK, "pid", "val"},
    {"pid=\"val\"x\n", Config::INVALID, "", ""},
    {"pid=\"\"\n", Config::OK, "pid", ""},
    {"pid=\n", Config::INVALID, "", ""},
    {"pid=   \n", Config::INVALID, "", ""},
    {"pid\n", Config::INVALID, "", ""},
    {"# comment\n", Config::EMPTY, "", ""},
    {"\n", Config::EMPTY, "", ""},
    {" \t \r\n", Config::EMPTY, "", ""},
    {"", Config::EMPTY, "", ""},
    {"name#x\n", Config::EMPTY, "", ""},
    {"name #x\n", Config::INVALID, "", ""},
    {"=5\n", Config::OK, "", "5"},
    {"a=b=c\n", Config::OK, "a", "b=c"},
    {"k:y=v\n", Config::INVALID, "", ""},
    {"k\xC3\xA9y=v\n", Config::INVALID, "", ""},
    {"\xC3\xA9=v\n", Config::INVALID, "", ""},
    {"name=caf\xC3\xA9\n", Config::OK, "name", "caf\xC3\xA9"},
    {"pid='say \"hi\"'\n", Config::OK, "pid", "say \"hi\""},
    {"pid=\"it's\"\n", Config::OK, "pid", "it's"},
    {"pid=\"a\tb\"\n", Config::INVALID, "", ""},
    {"pid=\"open\n", Config::INVALID, "", ""},
    {"pid=a\x7F\n", Config::INVALID, "", ""},
    {"Key.Name-1_x = v\n", Config::OK, "Key.Name-1_x", "v"},
};

TEST(ConfigTest, ParseFollowsTheLineRules) {
    for (const ParseRow &row : kParseRows) {
        SCOPED_TRACE(std::string("line: ") + row.line);
        std::vector<char> buf(row.line, row.line + strlen(row.line) + 1);
        ustring key, value;
        EXPECT_EQ(row.result,
                  Config::parse(buf.data(), static_cast<int>(strlen(buf.data())), key, value));
        EXPECT_STREQ(row.key, key.c_str());
        EXPECT_STREQ(row.value, value.c_str());
    }
}

TEST(ConfigTest, CharacterClasses) {
    for (int c = 0; c < 256; ++c) {
        SCOPED_TRACE(c);
        const bool key = isalnum(c) && c < 0x80 ? true : c == '-' || c == '_' || c == '.';
        EXPECT_EQ(key, Config::is_key_char(static_cast<unsigned char>(c)));
        EXPECT_EQ(c >= 0x20 && c != 0x7F, Config::is_value_char(static_cast<unsigned char>(c)));
        EXPECT_EQ(c == ' ' || (c >= '\t' && c <= '\r'),
                  Config::is_space(static_cast<unsigned char>(c)));
    }
}

std::vector<std::pair<std::string, std::string>> Entries(const Config &config) {
    std::vector<std::pair<std::string, std::string>> out;
    for (Config::const_iterator it = config.begin(); it != config.end(); ++it)
        out.emplace_back(it->first.c_str(), it->second.c_str());
    return out;
}

typedef std::vector<std::pair<std::string, std::string>> EntryList;

TEST(ConfigTest, ReadMergesFilesInKeyOrderLaterValueWins) {
    TempDir dir;
    WriteFile(dir.sub("one"), "# pid file\n\nzeta=1\npid=4711\n");
    WriteFile(dir.sub("two"), "alpha = 'x y'\npid=42\npid=43\n");
    Config config;
    ASSERT_EQ(0, config.read(dir.sub("one")));
    EXPECT_EQ(EntryList({{"pid", "4711"}, {"zeta", "1"}}), Entries(config));
    ASSERT_EQ(0, config.read(dir.sub("two")));
    EXPECT_EQ(EntryList({{"alpha", "x y"}, {"pid", "43"}, {"zeta", "1"}}), Entries(config));
    EXPECT_STREQ("43", config["pid"].c_str());
}

TEST(ConfigTest, InvalidLineEmptiesTheWholeStore) {
    TempDir dir;
    WriteFile(dir.sub("good"), "a=1\n");
    WriteFile(dir.sub("bad"), "b=2\nservice_debug=7 9\nc=3\n");
    Config config;
    ASSERT_EQ(0, config.read(dir.sub("good")));
    EXPECT_EQ(-1, config.read(dir.sub("bad")));
    EXPECT_EQ(EntryList(), Entries(config));
}

TEST(ConfigTest, CommentsOnlyAndEmptyFileStoreNothing) {
    TempDir dir;
    WriteFile(dir.sub("comments"), "# one\n\n   \n#two=2\n");
    WriteFile(dir.sub("empty"), "");
    Config config;
    EXPECT_EQ(0, config.read(dir.sub("comments")));
    EXPECT_EQ(0, config.read(dir.sub("empty")));
    EXPECT_EQ(EntryList(), Entries(config));
}

TEST(ConfigTest, UnreadablePathsFail) {
    TempDir dir;
    Config config;
    config["kept"] = "yes";
    EXPECT_EQ(-1, config.read(ustring()));
    EXPECT_EQ(-1, config.read(dir.sub("missing")));
    EXPECT_EQ(EntryList({{"kept", "yes"}}), Entries(config));
}

// fgets hands over at most 8191 bytes; the rest of a longer line is parsed as
// a line of its own.
TEST(ConfigTest, LongLineIsParsedInPieces) {
    TempDir dir;
    const std::string first = "a=" + std::string(8189, 'x');
    ASSERT_EQ(8191u, first.size());

    WriteFile(dir.sub("valid_rest"), first + "b=2\n");
    Config valid;
    EXPECT_EQ(0, valid.read(dir.sub("valid_rest")));
    EXPECT_EQ(EntryList({{"a", std::string(8189, 'x')}, {"b", "2"}}), Entries(valid));

    WriteFile(dir.sub("comment_rest"), first + " #c\n");
    Config comment;
    EXPECT_EQ(0, comment.read(dir.sub("comment_rest")));
    EXPECT_EQ(EntryList({{"a", std::string(8189, 'x')}}), Entries(comment));

    WriteFile(dir.sub("invalid_rest"), first + "yy\n");
    Config invalid;
    EXPECT_EQ(-1, invalid.read(dir.sub("invalid_rest")));
    EXPECT_EQ(EntryList(), Entries(invalid));
}

TEST(ConfigTest, GetInt) {
    TempDir dir;
    WriteFile(dir.sub("f"), "a=12x\nb=' -7'\nc=abc\nd=+5\n");
    Config config;
    ASSERT_EQ(0, config.read(dir.sub("f")));
    EXPECT_EQ(12, config.get_int("a"));
    EXPECT_EQ(-7, config.get_int("b"));
    EXPECT_EQ(0, config.get_int("c"));
    EXPECT_EQ(5, config.get_int("d"));
    EXPECT_EQ(0, config.get_int("missing"));
    EXPECT_EQ(EntryList({{"a", "12x"}, {"b", " -7"}, {"c", "abc"}, {"d", "+5"}, {"missing", ""}}),
              Entries(config));
}

}  // namespace
