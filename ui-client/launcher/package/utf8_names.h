#ifndef UI_CLIENT_LAUNCHER_PACKAGE_UTF8_NAMES_H
#define UI_CLIENT_LAUNCHER_PACKAGE_UTF8_NAMES_H

#include <locale.h>

// Makes the calling thread read and write multibyte text as UTF-8 while it
// lives, and puts the thread's locale back on every path. libarchive converts
// entry names between what a format stores (UTF-8 in pax headers and zip) and
// the current character type, which it learns from nl_langinfo(CODESET) and
// mbrtowc(): glibc takes both from the thread's locale. So a name reaches the
// disk as the bytes the package holds whatever the session's locale, and the
// process's locale (the dialog's language) is not touched. The thread keeps
// its other categories (the log's strerror texts). Without a UTF-8 locale the
// thread carries on with its own.
class ScopedUtf8Names {
public:
    ScopedUtf8Names() : utf8_(NewUtf8Locale()), old_(utf8_ ? uselocale(utf8_) : (locale_t)0) {}
    ~ScopedUtf8Names() {
        if (!utf8_) return;
        uselocale(old_);
        freelocale(utf8_);
    }
    ScopedUtf8Names(const ScopedUtf8Names &) = delete;
    ScopedUtf8Names &operator=(const ScopedUtf8Names &) = delete;

private:
    // The thread's current locale with a UTF-8 character type, or 0.
    static locale_t NewUtf8Locale() {
        const locale_t base = duplocale(uselocale((locale_t)0));
        if (!base) return (locale_t)0;
        // On success `base` belongs to the result; on failure it is still ours.
        const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", base);
        if (!utf8) freelocale(base);
        return utf8;
    }

    const locale_t utf8_;
    const locale_t old_;
};

#endif
