// What every settings fuzz target shares: a simulated desktop, a form with the
// settings controls, and the file the reader is given.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include "platform/sim/SimDesktop.h"
#include "settings/AppSettings.h"
#include "settings/SettingsError.h"
#include "ui/Form.h"

namespace hd::fuzz {

struct Reader {
  SimDesktop desktop;
  Form form{desktop.forms, "frmFuzz", "fuzz", 395, 407};
  AppSettings settings{form};
  const std::string path = "C:\\Settings\\Input.cfg";

  // Puts the input in the file; the reader's conversion errors are expected.
  // Whether it loaded without one.
  template <typename Load>
  bool Run(const std::uint8_t* data, std::size_t size, Load load) {
    desktop.WriteFile(path, std::string(reinterpret_cast<const char*>(data), size));
    try {
      load();
      return true;
    } catch (const SettingsError&) {
      return false;
    }
  }
};

}  // namespace hd::fuzz
