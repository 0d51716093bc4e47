// Exact conversions between decimal text and double. The C++ library's
// templates for them bring about 150 KB of tables and code into the exe for
// the one volume level of Sound.cfg; these give the same results in a few KB.
#pragma once
#include <optional>
#include <string>

namespace hd {

// As printf's "%.*g" (and std::to_chars general with that precision) in the
// C locale: correctly rounded, ties to even, no trailing zeros.
std::string FormatGeneral(double value, int significantDigits);

// The double nearest to digits x 10^exponent (ties to even), negated when
// asked; digits holds only '0' to '9'. None when the value overflows or is
// not zero but rounds to zero, as std::from_chars reports out of range.
std::optional<double> DecimalToDouble(bool negative, const std::string& digits, long exponent);

}  // namespace hd
