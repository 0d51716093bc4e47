// The scrambled password as a Main.cfg value that reads back byte for byte.
#pragma once
#include <string>

namespace hd {

std::string EncodePwdValue(const std::string& pwd);
std::string DecodePwdValue(const std::string& value);

}  // namespace hd
