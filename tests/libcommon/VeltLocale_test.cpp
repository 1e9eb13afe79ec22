#include "VeltLocale.h"

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <QStringList>

int qCleanupResources_texts();

namespace {

// Runs `body` in a forked child whose locale environment names only
// `locale`, and returns what it produced. The toolkit reads the system locale
// once per process, so every locale needs a process of its own; this process
// never asks for it.
std::string RunWithLocale(const char *locale, const std::function<std::string()> &body) {
    int fds[2];
    if (pipe(fds) != 0) {
        ADD_FAILURE() << "pipe failed";
        return std::string();
    }
    const pid_t pid = fork();
    if (pid < 0) {
        ADD_FAILURE() << "fork failed";
        close(fds[0]);
        close(fds[1]);
        return std::string();
    }
    if (pid == 0) {
        close(fds[0]);
        for (const char *name : {"LANG", "LANGUAGE", "LC_MESSAGES", "LC_NUMERIC", "LC_CTYPE"}) {
            unsetenv(name);
        }
        setenv("LC_ALL", locale, 1);
        const std::string out = body();
        size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = write(fds[1], out.data() + done, out.size() - done);
            if (n <= 0) _exit(2);
            done += static_cast<size_t>(n);
        }
        _exit(0);
    }
    close(fds[1]);
    std::string out;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child for " << locale;
    return out;
}

// "<system locale name> <chosen code>"
std::string NameAndLanguage() {
    return QLocale::system().name().toStdString() + " " +
           VeltLocale::getDefaultLanguage().toStdString();
}

std::string *g_debugLines = nullptr;

// Collects the toolkit's debug output as "<line>|<function>|<category>|<text>".
void CollectDebug(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type != QtDebugMsg || g_debugLines == nullptr) return;
    *g_debugLines += std::to_string(context.line) + "|" + context.function + "|" +
                     context.category + "|" + message.toStdString() + "#\n";
}

std::string LanguageWithDebugLines() {
    std::string lines;
    g_debugLines = &lines;
    qInstallMessageHandler(CollectDebug);
    const QString language = VeltLocale::getDefaultLanguage();
    qInstallMessageHandler(nullptr);
    g_debugLines = nullptr;
    return language.toStdString() + "\n" + lines;
}

TEST(VeltLocaleTest, DefaultLanguageFollowsTheSystemLocale) {
    const struct {
        const char *env;          // LC_ALL
        const char *system_name;  // what the toolkit makes of it
        const char *language;
    } rows[] = {
        {"zh_TW.UTF-8", "zh_TW", "cht"},
        {"zh_HK", "zh_HK", "cht"},
        {"zh_MO", "zh_MO", "cht"},
        {"zh_CN.UTF-8", "zh_CN", "chs"},
        {"zh_SG", "zh_SG", "chs"},
        {"pt_PT", "pt_PT", "ptg"},
        {"pt_BR", "pt_BR", "ptb"},
        // The toolkit completes a bare "pt" to Brazil, so such a user gets "ptb".
        {"pt", "pt_BR", "ptb"},
        {"nb_NO", "nb_NO", "nor"},
        {"nn_NO", "nn_NO", "nor"},
        {"no", "nb_NO", "nor"},
        {"en_GB", "en_GB", "enu"},
        {"en_US.UTF-8", "en_US", "enu"},
        {"el_GR", "el_GR", "enu"},
        {"C", "C", "enu"},
        {"de_AT", "de_AT", "deu"},
        {"fr_CA", "fr_CA", "fra"},
        {"ja_JP", "ja_JP", "jpn"},
        {"ko_KR", "ko_KR", "krn"},
        {"es_MX", "es_MX", "esn"},
        {"sv_SE", "sv_SE", "sve"},
        {"cs_CZ", "cs_CZ", "csy"},
        {"tr_TR", "tr_TR", "trk"},
        {"hu_HU", "hu_HU", "hun"},
        {"pl_PL", "pl_PL", "plk"},
        {"nl_BE", "nl_BE", "nld"},
        {"da_DK", "da_DK", "dan"},
        {"it_CH", "it_CH", "ita"},
        {"ru_UA", "ru_UA", "rus"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(RunWithLocale(row.env, NameAndLanguage),
                  std::string(row.system_name) + " " + row.language)
            << "LC_ALL=" << row.env;
    }
}

TEST(VeltLocaleTest, DebugLinesNameTheLocaleAndTheCatalogue) {
    const std::string out = RunWithLocale("de_AT.UTF-8", LanguageWithDebugLines);
    const std::string expected =
        "deu\n"
        "64|QString VeltLocale::getDefaultLanguage()|default|"
        "../libcommon/VeltLocale:64 qPrintable(qstrLocaleLower)=[de_at\n] #\n"
        "80|QString VeltLocale::getDefaultLanguage()|default|"
        "../libcommon/VeltLocale:80 qPrintable(qstrLocaleLower)=[de_at] #\n"
        "161|bool VeltLocale::isLanguageInstalled(const QString&)|default|"
        "../libcommon/VeltLocale:161 qPrintable(qstrLangFileName)=[:/deu.qm] #\n"
        "138|QString VeltLocale::getDefaultLanguage()|default|"
        "../libcommon/VeltLocale:138 qPrintable(qstrDef)=[deu\n] #\n";
    EXPECT_EQ(out, expected);
}

TEST(VeltLocaleTest, MissingCatalogueFallsBackToEnglishSilently) {
    const std::string out = RunWithLocale("fr_FR", [] {
        // Take the whole compiled-in resource away in this child only.
        qCleanupResources_texts();
        if (QFile::exists(QStringLiteral(":/fra.qm"))) return std::string("resource still there");
        return LanguageWithDebugLines();
    });
    EXPECT_EQ(out.substr(0, out.find('\n')), "enu");
    EXPECT_EQ(out.find("|161|"), std::string::npos) << out;
    EXPECT_EQ(out.find("isLanguageInstalled"), std::string::npos) << out;
    EXPECT_NE(out.find("qPrintable(qstrDef)=[enu\n] "), std::string::npos) << out;
}

TEST(VeltLocaleTest, IsLanguageInstalled) {
    for (const QString &code : VeltLocale::getSupportedLanguages()) {
        EXPECT_TRUE(VeltLocale::isLanguageInstalled(code)) << code.toStdString();
    }
    for (const char *code : {"xxx", "", "ENU", "enu.qm"}) {
        EXPECT_FALSE(VeltLocale::isLanguageInstalled(QString(code))) << code;
    }
}

TEST(VeltLocaleTest, LanguageTable) {
    const QStringList expected = {"enu", "cht", "chs", "jpn", "deu", "krn", "fra",
                                  "ita", "esn", "ptb", "rus", "dan", "nor", "sve",
                                  "nld", "plk", "hun", "ptg", "trk", "csy"};
    EXPECT_EQ(VeltLocale::getSupportedLanguages(), expected);
    for (int id = 0; id < expected.size(); ++id) {
        EXPECT_EQ(VeltLocale::getLanguageAbbrByID(id), expected[id]) << id;
    }
    for (int id : {20, 21, -1, -20, 1000}) {
        EXPECT_TRUE(VeltLocale::getLanguageAbbrByID(id).isEmpty()) << id;
    }
    EXPECT_EQ(VeltLocale::getStrLanguageFallSafe(), QString("enu"));
}

}  // namespace
