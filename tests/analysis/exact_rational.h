#pragma once
// Exact rational arithmetic for reference solutions: an arbitrary-precision integer (32-bit
// limbs, sign and magnitude) and a fraction kept in lowest terms. Small and slow on purpose:
// it serves systems of a dozen unknowns, and every operation is plain schoolbook arithmetic.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

namespace spanlyx::test {

class BigInt {
  public:
    BigInt() = default;
    BigInt(long long v) : negative_(v < 0) {  // NOLINT: implicit from integers on purpose
        unsigned long long m =
            v < 0 ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
        while (m != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(m));
            m >>= 32;
        }
    }

    bool is_zero() const { return limbs_.empty(); }
    bool negative() const { return negative_; }
    BigInt abs() const { return with_sign(limbs_, false); }
    bool is_even() const { return limbs_.empty() || (limbs_[0] & 1u) == 0; }
    std::size_t bit_length() const {
        if (limbs_.empty())
            return 0;
        std::size_t bits = 32 * (limbs_.size() - 1);
        for (std::uint32_t top = limbs_.back(); top != 0; top >>= 1)
            ++bits;
        return bits;
    }
    bool bit(std::size_t i) const {
        const std::size_t limb = i / 32;
        return limb < limbs_.size() && ((limbs_[limb] >> (i % 32)) & 1u) != 0;
    }

    BigInt shifted_left(std::size_t bits) const {
        if (is_zero())
            return *this;
        std::vector<std::uint32_t> out(bits / 32, 0u);
        const unsigned s = static_cast<unsigned>(bits % 32);
        std::uint32_t carry = 0;
        for (std::uint32_t limb : limbs_) {
            out.push_back(s == 0 ? limb : (limb << s) | carry);
            carry = s == 0 ? 0 : limb >> (32 - s);
        }
        if (carry != 0)
            out.push_back(carry);
        return with_sign(std::move(out), negative_);
    }
    BigInt shifted_right(std::size_t bits) const {  // of the magnitude
        const std::size_t drop = bits / 32;
        if (drop >= limbs_.size())
            return {};
        const unsigned s = static_cast<unsigned>(bits % 32);
        std::vector<std::uint32_t> out;
        for (std::size_t i = drop; i < limbs_.size(); ++i) {
            const std::uint32_t high = i + 1 < limbs_.size() ? limbs_[i + 1] : 0u;
            out.push_back(s == 0 ? limbs_[i] : (limbs_[i] >> s) | (high << (32 - s)));
        }
        return with_sign(std::move(out), negative_);
    }

    friend BigInt operator-(const BigInt& a) { return with_sign(a.limbs_, !a.negative_); }
    friend BigInt operator+(const BigInt& a, const BigInt& b) {
        if (a.negative_ == b.negative_)
            return with_sign(add(a.limbs_, b.limbs_), a.negative_);
        if (compare_magnitude(a.limbs_, b.limbs_) >= 0)
            return with_sign(subtract(a.limbs_, b.limbs_), a.negative_);
        return with_sign(subtract(b.limbs_, a.limbs_), b.negative_);
    }
    friend BigInt operator-(const BigInt& a, const BigInt& b) { return a + (-b); }
    friend BigInt operator*(const BigInt& a, const BigInt& b) {
        if (a.is_zero() || b.is_zero())
            return {};
        std::vector<std::uint32_t> out(a.limbs_.size() + b.limbs_.size(), 0u);
        for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
                const std::uint64_t t =
                    static_cast<std::uint64_t>(a.limbs_[i]) * b.limbs_[j] + out[i + j] + carry;
                out[i + j] = static_cast<std::uint32_t>(t);
                carry = t >> 32;
            }
            out[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
        }
        return with_sign(std::move(out), a.negative_ != b.negative_);
    }
    // Truncating division (quotient rounded toward zero), by binary long division.
    friend BigInt operator/(const BigInt& a, const BigInt& b) {
        if (b.is_zero())
            throw std::domain_error("division by zero");
        BigInt quotient, remainder;
        const BigInt divisor = b.abs();
        for (std::size_t i = a.bit_length(); i-- > 0;) {
            remainder = remainder.shifted_left(1);
            if (a.bit(i))
                remainder = remainder + BigInt(1);
            if (compare_magnitude(remainder.limbs_, divisor.limbs_) >= 0) {
                remainder = remainder - divisor;
                quotient = quotient + BigInt(1).shifted_left(i);
            }
        }
        return with_sign(quotient.limbs_, a.negative_ != b.negative_);
    }
    friend bool operator==(const BigInt& a, const BigInt& b) {
        return a.negative_ == b.negative_ && a.limbs_ == b.limbs_;
    }
    friend int compare(const BigInt& a, const BigInt& b) {
        if (a.negative_ != b.negative_)
            return a.negative_ ? -1 : 1;
        const int m = compare_magnitude(a.limbs_, b.limbs_);
        return a.negative_ ? -m : m;
    }

    // Binary (Stein's) greatest common divisor of the magnitudes.
    friend BigInt gcd(BigInt a, BigInt b) {
        a = a.abs();
        b = b.abs();
        if (a.is_zero())
            return b;
        if (b.is_zero())
            return a;
        std::size_t common = 0;
        while (a.is_even() && b.is_even()) {
            a = a.shifted_right(1);
            b = b.shifted_right(1);
            ++common;
        }
        while (a.is_even())
            a = a.shifted_right(1);
        while (!b.is_zero()) {
            while (b.is_even())
                b = b.shifted_right(1);
            if (compare(a, b) > 0)
                std::swap(a, b);
            b = b - a;
        }
        return a.shifted_left(common);
    }

    // The top 64 bits of the magnitude as a number, and the power of two they stand for.
    long double approximate() const {
        const std::size_t bits = bit_length();
        const std::size_t drop = bits > 64 ? bits - 64 : 0;
        const BigInt top = shifted_right(drop);
        long double m = 0;
        for (std::size_t i = top.limbs_.size(); i-- > 0;)
            m = m * 4294967296.0L + top.limbs_[i];
        const long double v = std::ldexp(m, static_cast<int>(drop));
        return negative_ ? -v : v;
    }

  private:
    static BigInt with_sign(std::vector<std::uint32_t> limbs, bool negative) {
        while (!limbs.empty() && limbs.back() == 0)
            limbs.pop_back();
        BigInt out;
        out.limbs_ = std::move(limbs);
        out.negative_ = negative && !out.limbs_.empty();
        return out;
    }
    static int compare_magnitude(const std::vector<std::uint32_t>& a,
                                 const std::vector<std::uint32_t>& b) {
        if (a.size() != b.size())
            return a.size() < b.size() ? -1 : 1;
        for (std::size_t i = a.size(); i-- > 0;) {
            if (a[i] != b[i])
                return a[i] < b[i] ? -1 : 1;
        }
        return 0;
    }
    static std::vector<std::uint32_t> add(const std::vector<std::uint32_t>& a,
                                          const std::vector<std::uint32_t>& b) {
        std::vector<std::uint32_t> out;
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
            const std::uint64_t t = carry + (i < a.size() ? a[i] : 0u) + (i < b.size() ? b[i] : 0u);
            out.push_back(static_cast<std::uint32_t>(t));
            carry = t >> 32;
        }
        if (carry != 0)
            out.push_back(static_cast<std::uint32_t>(carry));
        return out;
    }
    // |a| - |b| for |a| >= |b|.
    static std::vector<std::uint32_t> subtract(const std::vector<std::uint32_t>& a,
                                               const std::vector<std::uint32_t>& b) {
        std::vector<std::uint32_t> out;
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            std::int64_t t = static_cast<std::int64_t>(a[i]) - borrow -
                             (i < b.size() ? static_cast<std::int64_t>(b[i]) : 0);
            borrow = t < 0 ? 1 : 0;
            if (t < 0)
                t += 4294967296LL;
            out.push_back(static_cast<std::uint32_t>(t));
        }
        return out;
    }

    std::vector<std::uint32_t> limbs_;  // little-endian, no leading zero limbs
    bool negative_ = false;
};

// A fraction in lowest terms with a positive denominator.
class Rational {
  public:
    Rational() = default;
    Rational(long long v) : num_(v) {}  // NOLINT: implicit from integers on purpose
    Rational(BigInt num, BigInt den) : num_(std::move(num)), den_(std::move(den)) { normalise(); }

    // The exact value of a finite double.
    static Rational from_double(double v) {
        if (!std::isfinite(v))
            throw std::domain_error("not finite");
        int exponent = 0;
        const double mantissa = std::frexp(v, &exponent);  // v = mantissa * 2^exponent
        const auto integer = static_cast<long long>(std::ldexp(mantissa, 53));
        exponent -= 53;
        if (exponent >= 0)
            return Rational(BigInt(integer).shifted_left(static_cast<std::size_t>(exponent)), 1);
        return Rational(BigInt(integer),
                        BigInt(1).shifted_left(static_cast<std::size_t>(-exponent)));
    }
    // The exact value of a finite long double: its leading double and the remainder, which
    // always fits in a double.
    static Rational from_long_double(long double v) {
        const auto high = static_cast<double>(v);
        return from_double(high) + from_double(static_cast<double>(v - high));
    }
    // n / d for small integers, e.g. decimal data: decimal(1, 100) is 0.01 exactly.
    static Rational fraction(long long n, long long d) { return Rational(BigInt(n), BigInt(d)); }

    bool is_zero() const { return num_.is_zero(); }
    long double approximate() const {
        // Scale so that the integer quotient carries 64 significant bits.
        const auto shift = static_cast<long long>(den_.bit_length()) -
                           static_cast<long long>(num_.bit_length()) + 66;
        const BigInt scaled = shift > 0 ? num_.shifted_left(static_cast<std::size_t>(shift))
                                        : num_.shifted_right(static_cast<std::size_t>(-shift));
        return std::ldexp((scaled / den_).approximate(), static_cast<int>(-shift));
    }

    friend Rational operator+(const Rational& a, const Rational& b) {
        return {a.num_ * b.den_ + b.num_ * a.den_, a.den_ * b.den_};
    }
    friend Rational operator-(const Rational& a, const Rational& b) {
        return {a.num_ * b.den_ - b.num_ * a.den_, a.den_ * b.den_};
    }
    friend Rational operator-(const Rational& a) { return {-a.num_, a.den_}; }
    friend Rational operator*(const Rational& a, const Rational& b) {
        return {a.num_ * b.num_, a.den_ * b.den_};
    }
    friend Rational operator/(const Rational& a, const Rational& b) {
        if (b.is_zero())
            throw std::domain_error("division by zero");
        return {a.num_ * b.den_, a.den_ * b.num_};
    }
    Rational& operator+=(const Rational& b) { return *this = *this + b; }
    Rational& operator-=(const Rational& b) { return *this = *this - b; }
    friend bool operator==(const Rational& a, const Rational& b) {
        return a.num_ == b.num_ && a.den_ == b.den_;
    }

  private:
    void normalise() {
        if (den_.is_zero())
            throw std::domain_error("zero denominator");
        if (den_.negative()) {
            num_ = -num_;
            den_ = -den_;
        }
        const BigInt g = gcd(num_, den_);
        if (!(g == BigInt(1))) {
            num_ = num_ / g;
            den_ = den_ / g;
        }
    }

    BigInt num_;
    BigInt den_ = 1;
};

}  // namespace spanlyx::test
