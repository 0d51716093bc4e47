// The display's graphic modes: the menu to choose one, the switch and its undoing.
#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include "platform/Display.h"
#include "platform/System.h"
#include "settings/AppSettings.h"
#include "ui/Menu.h"

namespace hd {

// What a frequency item does when chosen: it is told the places of the
// resolution, depth and frequency items in the menu.
using GraphicModeClick = std::function<void(std::size_t resolution, std::size_t depth, std::size_t frequency)>;

// Fills the menu with the display's modes, three levels deep (resolution,
// colour depth, frequency), in the order the display first reports them.
void FillGraphicModeMenu(IDisplay& display, ISystem& system, PopupMenu& menu, const GraphicModeClick& onClick);

// The mode a frequency item and its two parents stand for.
GraphicMode MenuItemsMode(const MenuItem& resolution, const MenuItem& depth, const MenuItem& frequency);

class GraphicModes {
public:
  explicit GraphicModes(IDisplay& display) : display_(display) {}

  // None when the display does not tell it.
  std::optional<GraphicMode> ReadCurrentGraphicMode();
  // Whether the system accepted the mode.
  bool ApplyGraphicMode(const GraphicMode& mode);
  // Records the mode in force, then sets this one; a refusal is not
  // reported. Nothing is set when the mode in force cannot be read.
  void SwitchGraphicMode(const GraphicMode& mode);
  // Sets the recorded mode again; a refusal is not reported.
  void RestoreGraphicMode();

  // The mode in force before the last switch; none when it could not be read.
  std::optional<GraphicMode> SavedGraphicMode;

private:
  IDisplay& display_;
};

}  // namespace hd
