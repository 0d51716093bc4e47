// A failed conversion or file operation while loading or saving settings: it
// ends the user action that started the load or save and reaches the error box.
#pragma once
#include <stdexcept>
#include <string>

namespace hd {

class SettingsError : public std::runtime_error {
public:
  explicit SettingsError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace hd
