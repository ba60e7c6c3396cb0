#include "engine/Decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace engine {

namespace {

constexpr int kMaxDigits = 38;
constexpr int kMaxDoubleDigits = 15;

const double kDoublePowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

__int128 magnitude(__int128 v) { return v < 0 ? -v : v; }

struct Powers {
    __int128 of[kMaxDigits + 1];
    constexpr Powers() : of() {
        of[0] = 1;
        for (int i = 1; i <= kMaxDigits; ++i) of[i] = of[i - 1] * 10;
    }
};
constexpr Powers kPowers;

// Compares, no 128-bit division: a sum of a million cents adds a million times.
int digitCount(__int128 v) {
    v = magnitude(v);
    int n = 1;
    while (n <= kMaxDigits && v >= kPowers.of[n]) ++n;
    return n;
}

}  // namespace

__int128 powerOfTen(int n) { return kPowers.of[std::clamp(n, 0, kMaxDigits)]; }

bool Decimal::fromDouble(double v, Decimal* out) {
    if (!std::isfinite(v)) return false;
    const double limit = kDoublePowers[kMaxDoubleDigits];
    if (std::fabs(v) >= limit) {
        if (v != std::trunc(v) || std::fabs(v) >= 9.2e18) return false;
        *out = {static_cast<__int128>(static_cast<long long>(v)), 0};
        return true;
    }
    for (int s = 0; s <= kMaxDoubleDigits; ++s) {
        const double n = std::round(v * kDoublePowers[s]);
        // The last place that fits: a sum of doubles (0.1 + 0.2 gives
        // 0.30000000000000004) reads as the decimal its 15 digits show.
        const bool last =
            s == kMaxDoubleDigits || std::fabs(std::round(v * kDoublePowers[s + 1])) >= limit;
        if (n / kDoublePowers[s] == v || last) {
            Decimal d{static_cast<__int128>(static_cast<long long>(n)), s};
            // Trailing zeros of the rounded digits are no places.
            while (d.scale > 0 && d.units % 10 == 0) {
                d.units /= 10;
                --d.scale;
            }
            *out = d;
            return true;
        }
    }
    return false;
}

bool Decimal::fromText(const QString& text, Decimal* out) {
    const QString s = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
    __int128 units = 0;
    int digits = 0, scale = 0;
    bool point = false, any = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9') return false;
        any = true;
        if (units != 0 || c != u'0') ++digits;
        if (digits > kMaxDigits) return false;
        units = units * 10 + (c.unicode() - u'0');
        if (point) ++scale;
    }
    if (scale > kMaxDigits) return false;
    if (!any) return false;
    *out = {negative ? -units : units, scale};
    return true;
}

double Decimal::toDouble() const {
    if (magnitude(units) < (static_cast<__int128>(1) << 53) && scale <= 22)
        return static_cast<double>(static_cast<long long>(units)) / kDoublePowers[scale];
    // Beyond a double's exact integers: through the text, which strtod rounds correctly.
    return std::strtod(text().toLatin1().constData(), nullptr);
}

QString Decimal::text() const {
    QString digits;
    __int128 v = magnitude(units);
    do {
        digits.prepend(QChar(u'0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v > 0);
    while (digits.size() <= scale) digits.prepend(u'0');
    if (scale > 0) digits.insert(digits.size() - scale, u'.');
    if (units < 0) digits.prepend(u'-');
    return digits;
}

bool Decimal::isIntegral() const { return scale == 0 || units % powerOfTen(scale) == 0; }

int Decimal::digits() const { return std::max(digitCount(units), scale); }

Decimal Decimal::atScale(int newScale) const {
    if (newScale >= scale) return {units * powerOfTen(newScale - scale), newScale};
    const __int128 p = powerOfTen(scale - newScale);
    __int128 q = units / p;
    const __int128 r = magnitude(units % p);
    if (2 * r >= p) q += units < 0 ? -1 : 1;
    return {q, newScale};
}

bool add(const Decimal& a, const Decimal& b, Decimal* out) {
    int scale = std::max(a.scale, b.scale);
    const int whole = std::max(digitCount(a.units) - a.scale, digitCount(b.units) - b.scale);
    // Beyond 38 digits the places give way, down to 6, as the server's result type does.
    if (whole + scale >= kMaxDigits) scale = std::max(kMaxDigits - 1 - whole, std::min(scale, 6));
    if (whole + scale >= kMaxDigits) return false;
    const Decimal x = a.atScale(scale), y = b.atScale(scale);
    *out = {x.units + y.units, scale};
    return digitCount(out->units) <= kMaxDigits;
}

bool multiply(const Decimal& a, const Decimal& b, Decimal* out) {
    if (a.units == 0 || b.units == 0) {
        *out = {0, a.scale + b.scale};
        return true;
    }
    if (digitCount(a.units) + digitCount(b.units) > kMaxDigits) return false;
    *out = {a.units * b.units, a.scale + b.scale};
    return digitCount(out->units) <= kMaxDigits;
}

Decimal negate(const Decimal& a) { return {-a.units, a.scale}; }

int compare(const Decimal& a, const Decimal& b) {
    const int scale = std::max(a.scale, b.scale);
    const __int128 x = a.atScale(scale).units, y = b.atScale(scale).units;
    return x < y ? -1 : (x > y ? 1 : 0);
}

}  // namespace engine
