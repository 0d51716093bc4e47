// A failed conversion or file operation while loading or saving settings: it
// ends the user action that started the load or save and reaches the error box.
#pragma once
#include <exception>
#include <string>

namespace hd {

// An error that carries its text. Not std::runtime_error: that one keeps its
// text in the library's old copy-on-write string, which would link a second
// string implementation into the exe (about 45 KB) for this alone.
class TextError : public std::exception {
public:
  explicit TextError(std::string text) : text_(std::move(text)) {}
  const char* what() const noexcept override { return text_.c_str(); }

private:
  std::string text_;
};

class SettingsError : public TextError {
public:
  // about: the file (or key) the failure concerns, when the one failing is
  // not the step's own file.
  explicit SettingsError(const std::string& text, std::string about = {})
      : TextError(text), about_(std::move(about)) {}
  const std::string& About() const { return about_; }

private:
  std::string about_;
};

}  // namespace hd
