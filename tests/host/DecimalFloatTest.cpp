// The settings' decimal conversions against the C++ library's, which the
// product leaves out for their size: the same text and the same double.
#include <gtest/gtest.h>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>
#include "settings/Convert.h"
#include "settings/DecimalFloat.h"

namespace hd::test {

namespace {

std::string LibraryText(double value, int precision) {
  char buffer[1100];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
  EXPECT_EQ(error, std::errc());
  return std::string(buffer, end);
}

// Exact decimal text of a long double, in which every midpoint of two doubles fits.
std::string ExactText(long double value) {
  char buffer[1200];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 1100);
  EXPECT_EQ(error, std::errc());
  std::string text(buffer, end);
  const std::size_t e = text.find('e');
  const std::size_t last = text.find_last_not_of('0', e - 1);
  return text.substr(0, last + 1) + text.substr(e);
}

std::vector<double> Samples() {
  std::vector<double> values = {0.0, -0.0, 1.0, 0.1, 178.5, 84.15, 1e15 + 5, 1e15 + 15, 999999999999999.5,
                                9.999999999999995e-5, 1e-5, 123456789012345678.0, DBL_MAX, DBL_MIN,
                                DBL_TRUE_MIN, 3 * DBL_TRUE_MIN, DBL_MIN - DBL_TRUE_MIN, 0.5, 2.5e-324};
  for (int position = 0; position <= 100; ++position) values.push_back(position * 255.0 / 100);
  for (int power = DBL_MIN_EXP - DBL_MANT_DIG; power < DBL_MAX_EXP; power += 29) values.push_back(std::ldexp(1.0, power));
  std::mt19937_64 random(27);
  for (int i = 0; i < 1000; ++i) {
    const double value = std::bit_cast<double>(random());
    if (std::isfinite(value)) values.push_back(value);
  }
  std::uniform_real_distribution<double> volume(0, 255);
  for (int i = 0; i < 300; ++i) values.push_back(volume(random));
  return values;
}

std::string Parsed(const std::string& text) {
  const auto value = TryStrToFloat(text, '.');
  return value ? LibraryText(*value, 17) + (std::signbit(*value) ? " negative" : "") : "none";
}

std::string LibraryParsed(const std::string& text) {
  double value = 0;
  const std::string plain = text[0] == '+' ? text.substr(1) : text;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size()) return "none";
  return LibraryText(value, 17) + (std::signbit(value) ? " negative" : "");
}

}  // namespace

TEST(DecimalFloat, WritesWhatPrintfGWrites) {
  for (const double value : Samples())
    for (const int precision : {15, 1, 6, 17})
      EXPECT_EQ(FormatGeneral(value, precision), LibraryText(value, precision)) << LibraryText(value, 17);
  EXPECT_EQ(FloatToStr(178.5, ','), "178,5");
  EXPECT_EQ(FloatToStr(1e15 + 5, '.'), "1e+15") << "a tie goes to the even digit";
  EXPECT_EQ(FloatToStr(1e15 + 15, '.'), "1.00000000000002e+15");
}

TEST(DecimalFloat, ReadsTheNearestDouble) {
  std::vector<std::string> texts = {"0", "-0", "+1", "1.", "007.50", "2.55", "1e309", "1e-400", "-1E+3",
                                    "2.4703282292062327e-324", "2.4703282292062328e-324",
                                    "1.7976931348623158e308", "1.7976931348623159e308",
                                    "0." + std::string(1000, '0') + "1", std::string(900, '9') + "e-600"};
  for (const double value : Samples()) {
    const double magnitude = std::fabs(value);
    texts.push_back(LibraryText(value, 17));
    texts.push_back(LibraryText(value, 15));
    if (magnitude == 0 || magnitude == DBL_MAX) continue;
    // Exactly between two doubles, and a hair either side of that.
    for (const double neighbour : {std::nextafter(magnitude, DBL_MAX), std::nextafter(magnitude, 0.0)}) {
      const std::string midpoint = ExactText((static_cast<long double>(magnitude) + neighbour) / 2);
      const std::size_t e = midpoint.find('e');
      texts.push_back(midpoint);
      texts.push_back(midpoint.substr(0, e) + "000000000000001" + midpoint.substr(e));
      std::string below = midpoint;
      if (below[e - 1] == '.') continue;
      --below[e - 1];
      texts.push_back(below.substr(0, e) + std::string(900, '9') + below.substr(e));
    }
  }
  for (const std::string& text : texts) EXPECT_EQ(Parsed(text), LibraryParsed(text)) << text;
  EXPECT_EQ(TryStrToFloat(" 178,5\t", ','), 178.5);
  EXPECT_FALSE(TryStrToFloat("178.5", ','));
  for (const char* bad : {"", ".", "1e", "e5", "1.5.", "--1", "0x10", "1 2", "inf", "nan"})
    EXPECT_FALSE(TryStrToFloat(bad, '.')) << bad;
}

}  // namespace hd::test
