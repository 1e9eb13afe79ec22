#ifndef LIBCOMMON_VELTLOCALE_H
#define LIBCOMMON_VELTLOCALE_H

#include <QString>
#include <QStringList>

// Chooses the display language: maps the system locale to one of the
// product's three-letter language codes ("enu", "cht", "jpn", ...). A code
// names the compiled-in translation catalogue ":/" + code + ".qm".
//
// All functions are static; the class holds no instance data. They only read
// constant tables and may be called from any thread.
class VeltLocale {
public:
    // The code for QLocale::system(): a whole locale name of the two special
    // lists (zh_TW, zh_HK, zh_MO -> "cht"; pt, pt_PT -> "ptg") wins over the
    // language part; a language without a code gives "enu". Falls back to
    // "enu" when the chosen code has no compiled-in catalogue.
    static QString getDefaultLanguage();

    // True when the catalogue ":/" + qstrLanguage + ".qm" exists.
    static bool isLanguageInstalled(const QString &qstrLanguage);

    // The 20 codes in language-ID order, "enu" first.
    static QStringList getSupportedLanguages();

    // The code with language ID `id`; empty for an id outside 0..19.
    static QString getLanguageAbbrByID(int id);

    // "enu", the language used when nothing better is available.
    static QString getStrLanguageFallSafe();

private:
    // The codes indexed by language ID, null-terminated.
    static const char *const grgszLanguages[21];
    static const QString qstrLanguageFallSafe;
};

#endif
