#!/usr/bin/env python3
"""Expected temporary names for tmp_name_gen_test.cpp.

Keys RC4 with the clock text padded by zero bytes to 256 bytes, then draws
6 bytes per name with indices that start at i=1, j=0 on every draw while the
permutation carries over, and spells them with the name alphabet.
"""

ALPHABET = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_"


def names(clock_text, count):
    key = clock_text.encode("ascii").ljust(256, b"\0")
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i]) % 256
        s[i], s[j] = s[j], s[i]
    out = []
    for _ in range(count):
        j = 0
        drawn = []
        for k in range(6):
            i = (k + 1) % 256
            j = (j + s[i]) % 256
            s[i], s[j] = s[j], s[i]
            drawn.append(s[(s[i] + s[j]) % 256])
        bits = int.from_bytes(bytes(drawn), "big")
        out.append("".join(ALPHABET[(bits >> (42 - 6 * n)) & 63] for n in range(8)))
    return out


if __name__ == "__main__":
    for text in ("1700000000-123456", "0-0"):
        print(text, " ".join(names(text, 5)))
