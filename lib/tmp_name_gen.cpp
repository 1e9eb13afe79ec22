#include "tmp_name_gen.h"

#include <stdio.h>
#include <string.h>
#include <sys/time.h>

#include <utility>

namespace {

const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

// Base64's bit grouping over kAlphabet: 3 bytes become 4 characters.
void Encode3(const unsigned char *b, char *out) {
    out[0] = kAlphabet[b[0] >> 2];
    out[1] = kAlphabet[((b[0] & 3) << 4) | (b[1] >> 4)];
    out[2] = kAlphabet[((b[1] & 15) << 2) | (b[2] >> 6)];
    out[3] = kAlphabet[b[2] & 63];
}

}  // namespace

pthread_mutex_t TmpNameGen::m_lock = PTHREAD_MUTEX_INITIALIZER;

TmpNameGen &TmpNameGen::getInstance() {
    static TmpNameGen instance;
    return instance;
}

TmpNameGen::TmpNameGen() : m_s_box(), m_key(), m_buffer() {
    get_key(m_key, sizeof m_key);
    rc4_init(m_s_box, m_key);
}

TmpNameGen::TmpNameGen(const char *clock_text) : m_s_box(), m_key(), m_buffer() {
    snprintf(reinterpret_cast<char *>(m_key), sizeof m_key, "%s", clock_text);
    rc4_init(m_s_box, m_key);
}

ustring TmpNameGen::getTmpName() {
    char name[9];
    pthread_mutex_lock(&m_lock);
    rc4_randomize(m_s_box, m_buffer, sizeof m_buffer);
    Encode3(m_buffer, name);
    Encode3(m_buffer + 3, name + 4);
    pthread_mutex_unlock(&m_lock);
    name[8] = '\0';
    return ustring(name);
}

ustring TmpNameGen::getTmpPath(const ustring &prefix) { return prefix + "/" + getTmpName(); }

void TmpNameGen::get_key(unsigned char *key, size_t len) {
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    snprintf(reinterpret_cast<char *>(key), len, "%lu-%lu", static_cast<unsigned long>(tv.tv_sec),
             static_cast<unsigned long>(tv.tv_usec));
}

void TmpNameGen::rc4_init(unsigned char *S, const unsigned char *key) {
    for (int i = 0; i < 256; ++i) S[i] = static_cast<unsigned char>(i);
    unsigned j = 0;
    for (int i = 0; i < 256; ++i) {
        j = (j + S[i] + key[i]) & 0xFF;
        std::swap(S[i], S[j]);
    }
}

void TmpNameGen::rc4_randomize(unsigned char *S, unsigned char *buffer, size_t length) {
    unsigned j = 0;
    for (size_t k = 0; k < length; ++k) {
        unsigned i = (k + 1) & 0xFF;
        j = (j + S[i]) & 0xFF;
        std::swap(S[i], S[j]);
        buffer[k] = S[(S[i] + S[j]) & 0xFF];
    }
}
