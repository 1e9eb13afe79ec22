#include "texts/strtab.h"

#include <climits>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>

namespace {

const char *const kLanguages[] = {"chs", "cht", "dan", "csy", "deu", "enu", "esn",
                                  "fra", "hun", "ita", "jpn", "krn", "nld", "nor",
                                  "plk", "ptb", "ptg", "rus", "sve", "trk"};

const int kDistinctEnglishTexts = 163;
const int kDuplicatedTexts = 11;

// Translators can only be installed into a live application object.
class CoreApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "strtab_test";
        static char *argv[] = {name, nullptr};
        app_.reset(new QCoreApplication(argc, argv));
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QCoreApplication> app_;
};

::testing::Environment *const kAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

// Installs a translator for the lifetime of the object.
class ScopedTranslator {
public:
    explicit ScopedTranslator(QTranslator *translator) : translator_(translator) {
        QCoreApplication::installTranslator(translator_);
    }
    ~ScopedTranslator() { QCoreApplication::removeTranslator(translator_); }
    ScopedTranslator(const ScopedTranslator &) = delete;
    ScopedTranslator &operator=(const ScopedTranslator &) = delete;

private:
    QTranslator *translator_;
};

// The untranslated text of every id, escapes as the table stores them.
std::vector<QString> EnglishSources() {
    StrTable::InitStrTable();
    std::vector<QString> sources;
    for (unsigned int id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        QString text = StrTable::LoadStr(static_cast<int>(id));
        text.replace(QLatin1String("\n"), QLatin1String("\\n"));
        text.replace(QLatin1String("\t"), QLatin1String("\\t"));
        sources.push_back(text);
    }
    return sources;
}

QString Expanded(QString text) {
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\\t"), QLatin1String("\t"));
    return text;
}

struct QmMessage {
    QByteArray context;
    QByteArray source;
    QString translation;
};

uint32_t ReadBigEndian32(const QByteArray &data, int pos) {
    const auto *p = reinterpret_cast<const unsigned char *>(data.constData()) + pos;
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// Every message of a compiled catalogue, read from the toolkit's published
// .qm layout (magic, then tagged sections; the message section is a list of
// tagged fields ending with an end tag). Fails the test on a malformed file.
std::vector<QmMessage> ReadQmMessages(const QByteArray &qm) {
    static const unsigned char kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                             0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
    enum { kTagMessages = 0x69 };
    enum {
        kEnd = 1,
        kTranslation = 3,
        kObsolete1 = 5,
        kSourceText = 6,
        kContext = 7,
        kComment = 8,
    };
    std::vector<QmMessage> messages;
    if (qm.size() < 16 || memcmp(qm.constData(), kMagic, 16) != 0) {
        ADD_FAILURE() << "not a .qm file";
        return messages;
    }
    int pos = 16;
    while (pos + 5 <= qm.size()) {
        const int tag = static_cast<unsigned char>(qm[pos]);
        const uint32_t length = ReadBigEndian32(qm, pos + 1);
        pos += 5;
        if (length > static_cast<uint32_t>(qm.size() - pos)) {
            ADD_FAILURE() << "section overruns the file";
            return messages;
        }
        const int end = pos + static_cast<int>(length);
        if (tag != kTagMessages) {
            pos = end;
            continue;
        }
        QmMessage message;
        while (pos < end) {
            const int field = static_cast<unsigned char>(qm[pos++]);
            if (field == kEnd) {
                messages.push_back(message);
                message = QmMessage();
                continue;
            }
            if (field == kObsolete1) {
                pos += 4;
                continue;
            }
            if (pos + 4 > end) break;
            const uint32_t size = ReadBigEndian32(qm, pos);
            pos += 4;
            if (size == 0xffffffffu) continue;  // a null translation
            if (size > static_cast<uint32_t>(end - pos)) break;
            const QByteArray bytes = qm.mid(pos, static_cast<int>(size));
            pos += static_cast<int>(size);
            switch (field) {
                case kTranslation:
                    for (int i = 0; i + 1 < bytes.size(); i += 2) {
                        message.translation.append(
                            QChar(static_cast<ushort>((static_cast<unsigned char>(bytes[i]) << 8) |
                                                      static_cast<unsigned char>(bytes[i + 1]))));
                    }
                    break;
                case kSourceText:
                    message.source = bytes;
                    break;
                case kContext:
                    message.context = bytes;
                    break;
                case kComment:
                    break;
                default:
                    ADD_FAILURE() << "unknown message field " << field;
                    return messages;
            }
        }
        if (pos != end) {
            ADD_FAILURE() << "malformed message section";
            return messages;
        }
    }
    return messages;
}

std::set<QString> Placeholders(const QString &text) {
    std::set<QString> found;
    auto it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text);
    while (it.hasNext()) found.insert(it.next().captured());
    return found;
}

TEST(StrTableTest, EveryEntryHasAnEnglishText) {
    const std::vector<QString> sources = EnglishSources();
    for (unsigned int id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        EXPECT_FALSE(sources[id].isEmpty()) << "id " << id;
    }
    EXPECT_EQ(std::set<QString>(sources.begin(), sources.end()).size(),
              static_cast<size_t>(kDistinctEnglishTexts));
}

TEST(StrTableTest, LauncherTextsWithoutTranslator) {
    StrTable::InitStrTable();
    EXPECT_EQ(StrTable::LoadStr(StrTable::app_name), QString("Tarrowind Backup"));
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_trwd_env_preparing),
              QString("Tarrowind Backup is initializing..."));
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_trwd_env_preparation_done),
              QString("Tarrowind Backup is ready."));
    EXPECT_EQ(StrTable::app_name, 148);
    EXPECT_EQ(StrTable::desc_trwd_env_preparing, 161);
    EXPECT_EQ(StrTable::desc_trwd_env_preparation_done, 173);
}

TEST(StrTableTest, DuplicatedTextsComeInPairs) {
    const std::vector<QString> sources = EnglishSources();
    std::map<QString, int> uses;
    for (const QString &source : sources) ++uses[source];
    int duplicated = 0;
    for (const auto &entry : uses) {
        EXPECT_LE(entry.second, 2) << entry.first.toStdString();
        if (entry.second == 2) ++duplicated;
    }
    EXPECT_EQ(duplicated, kDuplicatedTexts);
    EXPECT_EQ(sources[StrTable::btn_wizard_readonly_yes], QString("OK"));
    EXPECT_EQ(sources[StrTable::btn_ok], QString("OK"));
}

TEST(StrTableTest, LookupStrID) {
    StrTable::InitStrTable();
    const struct {
        const char *key;
        int id;
    } rows[] = {
        {"app_name", 148},   {"APP_NAME", 148},
        {"App_Name", 148},   {"btn_resume", 0},
        {"BTN_OK", 92},      {"desc_trwd_env_preparation_done", 173},
        {"no_such_key", -1}, {"app_name ", -1},
        {"app_nam", -1},     {"", -1},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(StrTable::LookupStrID(QString(row.key)), row.id) << row.key;
    }
    EXPECT_EQ(StrTable::LookupStrID(QString()), -1);
}

TEST(StrTableTest, LoadStrOutOfRangeIsEmpty) {
    StrTable::InitStrTable();
    for (int id : {-1, static_cast<int>(StrTable::NUM_STRING_IDS), 1000, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(StrTable::LoadStr(id).isEmpty()) << id;
    }
}

// Regression: loading a text before the table was filled read a null pointer.
TEST(StrTableDeathTest, LoadStrBeforeInitStrTableIsEmpty) {
    // A re-executed child, so no earlier test has filled the table.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const bool empty = StrTable::LoadStr(StrTable::app_name).isEmpty() &&
                               StrTable::LookupStrID(QString("app_name")) == -1;
            fflush(nullptr);
            _exit(empty ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// Answers for one source text in the context "global", like a catalogue with
// a single message would.
class OneMessageTranslator : public QTranslator {
public:
    OneMessageTranslator(QString source, QString translation)
        : source_(std::move(source)), translation_(std::move(translation)) {}

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override {
        if (qstrcmp(context, "global") == 0 && disambiguation == nullptr && n == -1 &&
            source_ == QLatin1String(sourceText)) {
            return translation_;
        }
        return QString();
    }
    bool isEmpty() const override { return false; }

private:
    QString source_;
    QString translation_;
};

TEST(StrTableTest, EscapesInTranslationsAreExpanded) {
    StrTable::InitStrTable();
    OneMessageTranslator translator(QStringLiteral("Tarrowind Backup is ready."),
                                    QStringLiteral("Line one\\nLine two\\tcolumn\\n"));
    ScopedTranslator installed(&translator);
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_trwd_env_preparation_done),
              QString("Line one\nLine two\tcolumn\n"));
    EXPECT_EQ(StrTable::LoadStr(StrTable::app_name), QString("Tarrowind Backup"));
}

TEST(StrTableTest, EscapesAreCaseSensitive) {
    StrTable::InitStrTable();
    OneMessageTranslator translator(QStringLiteral("Tarrowind Backup"),
                                    QStringLiteral("A\\Nb\\Tc\\"));
    ScopedTranslator installed(&translator);
    EXPECT_EQ(StrTable::LoadStr(StrTable::app_name), QString("A\\Nb\\Tc\\"));
}

class CatalogueTest : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override {
        english_ = EnglishSources();
        path_ = QStringLiteral(":/%1.qm").arg(GetParam());
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path_.toStdString() << " is not compiled in";
        qm_ = file.readAll();
        ASSERT_TRUE(translator_.load(path_)) << path_.toStdString();
    }

    bool IsEnglish() const { return qstrcmp(GetParam(), "enu") == 0; }

    std::vector<QString> english_;
    QString path_;
    QByteArray qm_;
    QTranslator translator_;
};

TEST_P(CatalogueTest, HoldsEveryEnglishTextOnce) {
    const std::vector<QmMessage> messages = ReadQmMessages(qm_);
    const std::set<QString> english(english_.begin(), english_.end());
    std::set<QString> seen;
    for (const QmMessage &message : messages) {
        const QString source = QString::fromUtf8(message.source);
        EXPECT_EQ(message.context, QByteArray("global")) << source.toStdString();
        EXPECT_TRUE(english.count(source)) << "not a text of the table: " << source.toStdString();
        EXPECT_TRUE(seen.insert(source).second) << "twice: " << source.toStdString();
        EXPECT_FALSE(message.translation.isEmpty()) << source.toStdString();
        EXPECT_EQ(Placeholders(message.translation), Placeholders(source)) << source.toStdString();
        if (IsEnglish()) {
            EXPECT_EQ(message.translation, source);
        }
    }
    EXPECT_EQ(messages.size(), static_cast<size_t>(kDistinctEnglishTexts));
    EXPECT_EQ(seen, english);
}

TEST_P(CatalogueTest, TranslatesEveryEntry) {
    std::map<QString, QString> translations;
    for (const QmMessage &message : ReadQmMessages(qm_)) {
        translations[QString::fromUtf8(message.source)] = message.translation;
    }
    ScopedTranslator installed(&translator_);
    for (unsigned int id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        const QString &source = english_[id];
        EXPECT_FALSE(translator_.translate("global", source.toUtf8().constData()).isEmpty())
            << source.toStdString();
        auto it = translations.find(source);
        ASSERT_NE(it, translations.end()) << source.toStdString();
        EXPECT_EQ(StrTable::LoadStr(static_cast<int>(id)), Expanded(it->second)) << "id " << id;
    }
}

TEST_P(CatalogueTest, LauncherTextsAreTranslated) {
    ScopedTranslator installed(&translator_);
    for (int id : {StrTable::desc_trwd_env_preparing, StrTable::desc_trwd_env_preparation_done}) {
        const QString text = StrTable::LoadStr(id);
        EXPECT_FALSE(text.isEmpty()) << id;
        if (IsEnglish()) {
            EXPECT_EQ(text, english_[id]);
        } else {
            EXPECT_NE(text, english_[id]) << id;
        }
    }
}

TEST_P(CatalogueTest, DuplicatedTextsShareOneTranslation) {
    ScopedTranslator installed(&translator_);
    int pairs = 0;
    for (unsigned int a = 0; a < StrTable::NUM_STRING_IDS; ++a) {
        for (unsigned int b = a + 1; b < StrTable::NUM_STRING_IDS; ++b) {
            if (english_[a] != english_[b]) continue;
            ++pairs;
            EXPECT_EQ(StrTable::LoadStr(static_cast<int>(a)),
                      StrTable::LoadStr(static_cast<int>(b)))
                << "ids " << a << " and " << b;
        }
    }
    EXPECT_EQ(pairs, kDuplicatedTexts);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, CatalogueTest, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });

}  // namespace
