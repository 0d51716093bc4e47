// Both directions work on the exact value: a double is m x 2^q, which is a
// whole number times a power of ten once multiplied by 5^-q, so a big number
// in base 10^9 with multiplication and comparison is all the arithmetic needed.
#include "settings/DecimalFloat.h"
#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <vector>

namespace hd {

namespace {

constexpr std::uint32_t kLimb = 1000000000;

class BigNumber {
public:
  explicit BigNumber(std::uint64_t value) {
    do {
      limbs_.push_back(static_cast<std::uint32_t>(value % kLimb));
      value /= kLimb;
    } while (value);
  }

  static BigNumber FromDigits(const std::string& digits) {
    BigNumber number(0);
    for (std::size_t at = 0; at < digits.size(); at += 9) {
      const std::size_t count = std::min<std::size_t>(9, digits.size() - at);
      std::uint32_t chunk = 0, scale = 1;
      for (std::size_t i = at; i < at + count; ++i, scale *= 10) chunk = chunk * 10 + static_cast<std::uint32_t>(digits[i] - '0');
      number.MultiplyAdd(scale, chunk);
    }
    return number;
  }

  // base is 2, 5 or 10; the factors stay below 2^32, so no sum passes 2^64.
  void MultiplyByPower(std::uint32_t base, long count) {
    std::uint32_t step = 1;
    long perStep = 0;
    while (std::uint64_t{step} * base <= 0xFFFFFFFFu) {
      step *= base;
      ++perStep;
    }
    for (; count >= perStep; count -= perStep) MultiplyAdd(step, 0);
    std::uint32_t rest = 1;
    for (; count > 0; --count) rest *= base;
    MultiplyAdd(rest, 0);
  }

  std::string Digits() const {
    std::string text = std::to_string(limbs_.back());
    for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
      const std::string part = std::to_string(*limb);
      text += std::string(9 - part.size(), '0') + part;
    }
    return text;
  }

  // The top limb is never zero but in zero itself, so length orders first.
  friend int Compare(const BigNumber& a, const BigNumber& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i-- > 0;)
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    return 0;
  }

private:
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (auto& limb : limbs_) {
      carry += std::uint64_t{limb} * factor;
      limb = static_cast<std::uint32_t>(carry % kLimb);
      carry /= kLimb;
    }
    for (; carry; carry /= kLimb) limbs_.push_back(static_cast<std::uint32_t>(carry % kLimb));
    while (limbs_.size() > 1 && limbs_.back() == 0) limbs_.pop_back();
  }

  std::vector<std::uint32_t> limbs_;  // least significant first
};

constexpr int kLowestExponent = DBL_MIN_EXP - DBL_MANT_DIG;  // of the smallest denormal

// A finite value >= 0 as mantissa x 2^exponent, the exponent that of the
// last place, so the neighbours lie one mantissa step away.
struct Binary {
  std::uint64_t mantissa;
  int exponent;
};

Binary Decompose(double value) {
  int exponent = 0;
  std::frexp(value, &exponent);
  exponent = value == 0 ? kLowestExponent : std::max(exponent - DBL_MANT_DIG, kLowestExponent);
  return {static_cast<std::uint64_t>(std::ldexp(value, -exponent)), exponent};
}

// Sign of digits x 10^exponent minus mantissa x 2^power.
int CompareExactly(const std::string& digits, long exponent, std::uint64_t mantissa, int power) {
  BigNumber decimal = BigNumber::FromDigits(digits), binary(mantissa);
  if (exponent > 0) decimal.MultiplyByPower(10, exponent);
  else binary.MultiplyByPower(10, -exponent);
  if (power > 0) binary.MultiplyByPower(2, power);
  else decimal.MultiplyByPower(2, -power);
  return Compare(decimal, binary);
}

// The neighbour of a finite value >= 0: for those the bits count up with the value.
double Step(double value, int direction) {
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(value) + static_cast<std::uint64_t>(direction));
}

double PowerOfTen(long count) {  // count <= 22: every step is exact
  double power = 1;
  for (; count > 0; --count) power *= 10;
  return power;
}

// Within a few steps of the nearest double: each scaling rounds once.
double Estimate(const std::string& digits, long exponent) {
  const std::size_t taken = std::min<std::size_t>(digits.size(), 19);
  std::uint64_t leading = 0;
  for (std::size_t i = 0; i < taken; ++i) leading = leading * 10 + static_cast<std::uint64_t>(digits[i] - '0');
  double estimate = static_cast<double>(leading);
  for (long scale = exponent + static_cast<long>(digits.size() - taken); scale != 0;) {
    const long step = std::clamp(scale, -22L, 22L);
    estimate = step > 0 ? estimate * PowerOfTen(step) : estimate / PowerOfTen(-step);
    scale -= step;
  }
  return std::min(estimate, DBL_MAX);
}

}  // namespace

std::string FormatGeneral(double value, int significantDigits) {
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isnan(value)) return sign + "nan";
  if (std::isinf(value)) return sign + "inf";
  if (value == 0) return sign + "0";
  const auto precision = static_cast<std::size_t>(std::max(significantDigits, 1));
  const Binary binary = Decompose(std::fabs(value));
  BigNumber exact(binary.mantissa);
  if (binary.exponent >= 0) exact.MultiplyByPower(2, binary.exponent);
  else exact.MultiplyByPower(5, -binary.exponent);
  std::string digits = exact.Digits();
  long point = static_cast<long>(digits.size()) + std::min(binary.exponent, 0);  // digits before the point

  if (digits.size() > precision) {
    const char next = digits[precision];
    const bool beyond = digits.find_first_not_of('0', precision + 1) != std::string::npos;
    const bool up = next > '5' || (next == '5' && (beyond || (digits[precision - 1] - '0') % 2 == 1));
    digits.resize(precision);
    if (up) {
      std::size_t i = precision;
      while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
      if (i > 0) {
        ++digits[i - 1];
      } else {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++point;
      }
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);

  const long exponent = point - 1;
  std::string text = sign;
  if (exponent < -4 || exponent >= static_cast<long>(precision)) {
    text += digits[0];
    if (digits.size() > 1) text.append(".").append(digits, 1);
    const auto magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
    text += exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) text += '0';
    return text += std::to_string(magnitude);
  }
  if (point <= 0) return text.append("0.").append(static_cast<std::size_t>(-point), '0').append(digits);
  const auto whole = static_cast<std::size_t>(point);
  if (whole >= digits.size()) return text.append(digits).append(whole - digits.size(), '0');
  return text.append(digits, 0, whole).append(".").append(digits, whole);
}

std::optional<double> DecimalToDouble(bool negative, const std::string& digits, long exponent) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return negative ? -0.0 : 0.0;
  std::string significant = digits.substr(first, digits.find_last_not_of('0') + 1 - first);
  exponent += static_cast<long>(digits.size() - first - significant.size());
  // No midpoint of two doubles has this many significant digits, so the
  // digits beyond only count as being there: a last 1 stands for them.
  constexpr std::size_t kDecisive = 800;
  if (significant.size() > kDecisive) {
    exponent += static_cast<long>(significant.size() - kDecisive);
    significant.resize(kDecisive);
    significant.back() = '1';
  }
  // Beyond the largest double, or below half the smallest denormal.
  const long magnitude = exponent + static_cast<long>(significant.size());
  if (magnitude > DBL_MAX_10_EXP + 1 || magnitude < -324) return std::nullopt;

  double result = Estimate(significant, exponent);
  for (;;) {
    const auto [m, q] = Decompose(result);
    const int aboveUpper = CompareExactly(significant, exponent, 2 * m + 1, q - 1);
    if (aboveUpper > 0 || (aboveUpper == 0 && m % 2 == 1)) {
      if (result == DBL_MAX) return std::nullopt;
      result = Step(result, 1);
      continue;
    }
    if (m == 0) return std::nullopt;  // not zero, yet nearer zero than any denormal
    // Below a power of two the step down is half the step up.
    const bool binadeStart = m == std::uint64_t{1} << (DBL_MANT_DIG - 1) && q > kLowestExponent;
    const int aboveLower = binadeStart ? CompareExactly(significant, exponent, 4 * m - 1, q - 2)
                                       : CompareExactly(significant, exponent, 2 * m - 1, q - 1);
    if (aboveLower < 0 || (aboveLower == 0 && m % 2 == 1)) {
      result = Step(result, -1);
      continue;
    }
    return negative ? -result : result;
  }
}

}  // namespace hd
