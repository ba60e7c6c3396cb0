#include "engine/CiCollation.h"

#include <QChar>
#include <QString>
#include <bit>
#include <cstring>

namespace engine {

namespace {

// The code point at p[*i] (advancing *i), or -1 for a malformed or
// supplementary one, which the string comparison below handles.
int nextCodePoint(const unsigned char* p, int len, int* i) {
    const unsigned c = p[*i];
    if (c < 0x80) {
        ++*i;
        return static_cast<int>(c);
    }
    int extra = 0;
    unsigned cp = 0;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        cp = c & 0x0F;
    } else {
        return -1;
    }
    if (*i + extra >= len) return -1;
    for (int k = 1; k <= extra; ++k) {
        const unsigned cc = p[*i + k];
        if ((cc & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (cc & 0x3F);
    }
    *i += extra + 1;
    return static_cast<int>(cp);
}

int fold(int cp) {
    if (cp < 0x80) return cp >= 'A' && cp <= 'Z' ? cp + 32 : cp;
    return static_cast<int>(QChar::toCaseFolded(static_cast<char32_t>(cp)));
}

// From the first byte i where the texts differ other than by an ASCII letter's case:
// code points decoded and folded. Kept out of line so that the common path
// (ASCII keys) stays a small leaf function.
[[gnu::noinline]] int compareDecoded(const unsigned char* pa, int lenA, const unsigned char* pb,
                                     int lenB, int i) {
    // Back to the start of the character both share the lead bytes of.
    while (i > 0 && (pa[i] & 0xC0) == 0x80) --i;
    int j = i;
    while (i < lenA && j < lenB) {
        const int ca = nextCodePoint(pa, lenA, &i);
        const int cb = nextCodePoint(pb, lenB, &j);
        if (ca < 0 || cb < 0) {
            return QString::compare(QString::fromUtf8(reinterpret_cast<const char*>(pa), lenA),
                                    QString::fromUtf8(reinterpret_cast<const char*>(pb), lenB),
                                    Qt::CaseInsensitive);
        }
        const int fa = fold(ca), fb = fold(cb);
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    return (i < lenA ? 1 : 0) - (j < lenB ? 1 : 0);
}

}  // namespace

int compareCiAs(void*, int lenA, const void* a, int lenB, const void* b) {
    const auto* pa = static_cast<const unsigned char*>(a);
    const auto* pb = static_cast<const unsigned char*>(b);
    while (lenA > 0 && pa[lenA - 1] == ' ') --lenA;
    while (lenB > 0 && pb[lenB - 1] == ' ') --lenB;
    // Equal bytes are equal text, and ASCII letters fold by one bit; only from the
    // first other difference on are code points decoded. Keys share long prefixes
    // (dates, numbers of a day): equal words are skipped, and the first differing
    // byte of a word is found from the words' difference.
    const int common = lenA < lenB ? lenA : lenB;
    int i = 0;
    for (;;) {
        for (quint64 wa, wb; i + 8 <= common; i += 8) {
            std::memcpy(&wa, pa + i, 8);
            std::memcpy(&wb, pb + i, 8);
            if (wa != wb) {
                const quint64 x = wa ^ wb;
                i += (std::endian::native == std::endian::little ? std::countr_zero(x)
                                                                 : std::countl_zero(x)) /
                     8;
                break;
            }
        }
        while (i < common && pa[i] == pb[i]) ++i;
        if (i == common) return (lenA > common ? 1 : 0) - (lenB > common ? 1 : 0);
        const unsigned ca = pa[i], cb = pb[i];
        if ((ca | cb) >= 0x80) return compareDecoded(pa, lenA, pb, lenB, i);
        const unsigned fa = ca - 'A' < 26 ? ca + 32 : ca;
        const unsigned fb = cb - 'A' < 26 ? cb + 32 : cb;
        if (fa != fb) return fa < fb ? -1 : 1;
        ++i;
    }
}

}  // namespace engine
