#pragma once

#include <QString>

namespace engine {

// An exact decimal number: units × 10^-scale, up to 38 digits as SQL Server's
// numeric. Stored and handed over as SQLite's numbers (integer or the nearest
// double), which hold such a value without loss up to 15 significant digits; the
// arithmetic of NUMERIC values goes through this type so that cents add up.
struct Decimal {
    __int128 units = 0;
    int scale = 0;

    static Decimal ofInt(qint64 v) { return {v, 0}; }
    // The decimal of fewest places whose nearest double is v, else v rounded to
    // 15 significant digits (what SQLite shows of it); false for infinities and
    // for non-integral values of 16 digits and more.
    static bool fromDouble(double v, Decimal* out);
    // Plain decimal text: sign, digits, point, digits; false for anything else or
    // more than 38 digits.
    static bool fromText(const QString& text, Decimal* out);

    double toDouble() const;
    bool isIntegral() const;
    // Digits of the integral part and of the whole number (SQL Server's precision).
    int digits() const;
    // The same value with more places (exact), or rounded half away from zero to fewer.
    Decimal atScale(int newScale) const;
    // Plain text with every place: "-0.30", "2.00", "100000".
    QString text() const;
    int sign() const { return units < 0 ? -1 : (units > 0 ? 1 : 0); }
};

// False when the result would exceed 38 digits.
bool add(const Decimal& a, const Decimal& b, Decimal* out);
bool multiply(const Decimal& a, const Decimal& b, Decimal* out);
Decimal negate(const Decimal& a);
int compare(const Decimal& a, const Decimal& b);

// 10^n for n in 0..38.
__int128 powerOfTen(int n);

}  // namespace engine
