#ifndef LIB_TMP_NAME_GEN_H
#define LIB_TMP_NAME_GEN_H

#include <pthread.h>

#include "ustring/ustring.h"

// Short random names for temporary files and directories: 8 characters of
// "0-9a-zA-Z-_", drawn from an RC4 state keyed once from the wall clock.
// Nothing is created on disk and no existence check is made.
//
// Threading: getTmpName and getTmpPath may be called from any thread; all
// generators share one class-wide mutex.
class TmpNameGen {
public:
    // The process-wide generator, keyed from the clock on first use.
    static TmpNameGen &getInstance();

    // A generator keyed with `clock_text` (at most 255 bytes are used) in
    // place of the "<seconds>-<microseconds>" text of the clock. Generators
    // keyed with the same text produce the same sequence of names.
    explicit TmpNameGen(const char *clock_text);
    ~TmpNameGen() {}

    TmpNameGen(const TmpNameGen &) = delete;
    TmpNameGen &operator=(const TmpNameGen &) = delete;

    // A new name of 8 alphabet characters.
    ustring getTmpName();
    // prefix + "/" + getTmpName(); a prefix ending in "/" gives "//".
    ustring getTmpPath(const ustring &prefix);

private:
    TmpNameGen();

    // Writes "<seconds>-<microseconds>" of the wall clock into key, NUL
    // terminated and cut to len bytes.
    static void get_key(unsigned char *key, size_t len);
    // RC4 key schedule over all 256 bytes of key.
    static void rc4_init(unsigned char *S, const unsigned char *key);
    // RC4 output step whose indices restart at every call while S carries
    // over.
    static void rc4_randomize(unsigned char *S, unsigned char *buffer, size_t length);

    unsigned char m_s_box[256];
    unsigned char m_key[256];
    unsigned char m_buffer[6];
    static pthread_mutex_t m_lock;
};

#endif
