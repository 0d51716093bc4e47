// A failed conversion or file operation while loading or saving settings: it
// ends the user action that started the load or save and reaches the error box.
#pragma once
#include <stdexcept>
#include <string>

namespace hd {

class SettingsError : public std::runtime_error {
public:
  // about: the file (or key) the failure concerns, when the one failing is
  // not the step's own file.
  explicit SettingsError(const std::string& text, std::string about = {})
      : std::runtime_error(text), about_(std::move(about)) {}
  const std::string& About() const { return about_; }

private:
  std::string about_;
};

}  // namespace hd
