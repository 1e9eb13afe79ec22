#include "tmp_name_gen.h"

#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

bool IsName(const ustring &name) {
    if (name.length() != 8) return false;
    for (size_t i = 0; i < name.length(); ++i)
        if (!strchr(kAlphabet, name[i]) || name[i] == '\0') return false;
    return true;
}

// Expected names computed by tests/lib/tmp_name_gen_kat.py.
struct KnownAnswer {
    const char *clock_text;
    const char *names[5];
};

const KnownAnswer kKnownAnswers[] = {
    {"1700000000-123456", {"4e-5Metp", "J8x3FAX9", "2SrkJCfK", "rl5LIP9j", "j78u7b32"}},
    {"0-0", {"EEY1bPcw", "5e0xjjZW", "5o0WkhbR", "F2EknMve", "xC_e5dxx"}},
};

TEST(TmpNameGenTest, KnownAnswers) {
    for (const KnownAnswer &ka : kKnownAnswers) {
        SCOPED_TRACE(ka.clock_text);
        TmpNameGen gen(ka.clock_text);
        for (const char *expected : ka.names) EXPECT_STREQ(expected, gen.getTmpName().c_str());
    }
}

TEST(TmpNameGenTest, SameClockTextGivesSameSequence) {
    TmpNameGen a("1712345678-999999");
    TmpNameGen b("1712345678-999999");
    TmpNameGen other("1712345678-999998");
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const ustring name = a.getTmpName();
        EXPECT_TRUE(IsName(name)) << name.c_str();
        EXPECT_STREQ(name.c_str(), b.getTmpName().c_str());
        differs |= name != other.getTmpName();
    }
    EXPECT_TRUE(differs);
}

TEST(TmpNameGenTest, TmpPathJoinsPrefixAndName) {
    TmpNameGen &gen = TmpNameGen::getInstance();
    EXPECT_EQ(&gen, &TmpNameGen::getInstance());
    const ustring path = gen.getTmpPath("/tmp");
    ASSERT_EQ(13u, path.length());
    EXPECT_EQ(0, strncmp(path.c_str(), "/tmp/", 5));
    EXPECT_TRUE(IsName(path.substr(5))) << path.c_str();
    const ustring doubled = gen.getTmpPath("/tmp/");
    EXPECT_EQ(0, strncmp(doubled.c_str(), "/tmp//", 6)) << doubled.c_str();
}

TEST(TmpNameGenTest, ConcurrentCallersGetDistinctNames) {
    const int kThreads = 4;
    const int kPerThread = 1000;
    std::vector<std::vector<std::string>> names(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&names, t] {
            for (int i = 0; i < kPerThread; ++i)
                names[t].push_back(TmpNameGen::getInstance().getTmpName().c_str());
        });
    }
    for (std::thread &th : threads) th.join();
    std::set<std::string> all;
    for (const std::vector<std::string> &list : names) {
        for (const std::string &name : list) {
            EXPECT_TRUE(IsName(name.c_str())) << name;
            all.insert(name);
        }
    }
    EXPECT_EQ(static_cast<size_t>(kThreads * kPerThread), all.size());
}

}  // namespace
