#include "VeltLocale.h"

#include <QFile>
#include <QLocale>
#include <QMap>
#include <QMessageLogger>

namespace {

const char kSourceUnit[] = "../libcommon/VeltLocale";
const char kGetDefaultLanguageSignature[] = "QString VeltLocale::getDefaultLanguage()";
const char kIsLanguageInstalledSignature[] = "bool VeltLocale::isLanguageInstalled(const QString&)";

// Sends one "<unit>:<line> <expression>=[<value>...] " line to the toolkit's
// debug channel; `format` decides whether a newline precedes the bracket.
// `line` is part of the message, not this file's line: each caller passes a
// fixed number, which stays the same whatever line the call moves to.
void DebugValue(const char *function, int line, const char *format, const char *expression,
                const QString &value) {
    QMessageLogger(kSourceUnit, line, function, "default")
        .debug(format, kSourceUnit, line, expression, value.toLocal8Bit().constData());
}

}  // namespace

const char *const VeltLocale::grgszLanguages[21] = {
    "enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",   "rus",
    "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy", nullptr,
};

const QString VeltLocale::qstrLanguageFallSafe = QStringLiteral("enu");

QString VeltLocale::getDefaultLanguage() {
    const QString qstrLocaleLower = QLocale::system().name().toLower();
    // 64 is part of the message (see DebugValue).
    DebugValue(kGetDefaultLanguageSignature, 64, "%s:%d %s=[%s\n] ", "qPrintable(qstrLocaleLower)",
               qstrLocaleLower);

    QString qstrDef;
    const QStringList chtLocales = {"zh_tw", "zh_hk", "zh_mo"};
    const QStringList ptgLocales = {"pt", "pt_pt"};
    // 80 is part of the message (see DebugValue).
    DebugValue(kGetDefaultLanguageSignature, 80, "%s:%d %s=[%s] ", "qPrintable(qstrLocaleLower)",
               qstrLocaleLower);

    const QString language = qstrLocaleLower.section(QLatin1Char('_'), 0, 0);

    const QMap<QString, QString> languageCodes = {
        {"en", "enu"}, {"zh", "chs"}, {"ja", "jpn"}, {"de", "deu"}, {"ko", "krn"},
        {"fr", "fra"}, {"it", "ita"}, {"es", "esn"}, {"pt", "ptb"}, {"ru", "rus"},
        {"da", "dan"}, {"no", "nor"}, {"nb", "nor"}, {"nn", "nor"}, {"sv", "sve"},
        {"nl", "nld"}, {"pl", "plk"}, {"hu", "hun"}, {"tr", "trk"}, {"cs", "csy"},
    };

    if (chtLocales.contains(qstrLocaleLower, Qt::CaseSensitive)) {
        qstrDef = QStringLiteral("cht");
    }
    if (ptgLocales.contains(qstrLocaleLower, Qt::CaseSensitive)) {
        qstrDef = QStringLiteral("ptg");
    }
    if (qstrDef.isEmpty()) {
        qstrDef = languageCodes.value(language, languageCodes.value(QStringLiteral("en")));
    }

    if (!isLanguageInstalled(qstrDef)) {
        qstrDef = qstrLanguageFallSafe;
    }
    // 138 is part of the message (see DebugValue).
    DebugValue(kGetDefaultLanguageSignature, 138, "%s:%d %s=[%s\n] ", "qPrintable(qstrDef)",
               qstrDef);
    return qstrDef;
}

bool VeltLocale::isLanguageInstalled(const QString &qstrLanguage) {
    const QString qstrLangFileName = QStringLiteral(":/") + qstrLanguage + QStringLiteral(".qm");
    if (!QFile::exists(qstrLangFileName)) {
        return false;
    }
    // 161 is part of the message (see DebugValue).
    DebugValue(kIsLanguageInstalledSignature, 161, "%s:%d %s=[%s] ", "qPrintable(qstrLangFileName)",
               qstrLangFileName);
    return true;
}

QStringList VeltLocale::getSupportedLanguages() {
    QStringList languages;
    for (const char *const *language = grgszLanguages; *language != nullptr; ++language) {
        languages.append(QString::fromLatin1(*language));
    }
    return languages;
}

QString VeltLocale::getLanguageAbbrByID(int id) {
    QString abbr;
    if (static_cast<unsigned int>(id) <= 20) {
        abbr = QString::fromLatin1(grgszLanguages[id]);
    }
    return abbr;
}

QString VeltLocale::getStrLanguageFallSafe() { return qstrLanguageFallSafe; }
