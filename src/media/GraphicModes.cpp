// Modes narrower than 800 pixels or slower than 50 Hz are not offered; the
// frequencies 0 and 1 mean the hardware's default and are not offered either.
#include "media/GraphicModes.h"
#include <algorithm>
#include <cstdlib>

namespace hd {

namespace {
constexpr std::uint32_t kMinWidth = 800, kMinFrequency = 50;

std::string WithoutAccelerators(std::string caption) {
  std::erase(caption, '&');
  return caption;
}
}  // namespace

namespace {
void AddMode(PopupMenu& menu, ISystem& system, const DevMode& mode, const GraphicModeClick& onClick) {
  auto& resolutions = menu.Items();
  const std::string resolutionCaption = std::to_string(mode.pelsWidth) + "x" + std::to_string(mode.pelsHeight);
  auto resolution = std::find_if(resolutions.begin(), resolutions.end(),
                                 [&](const MenuItem& item) { return item.caption == resolutionCaption; });
  if (resolution == resolutions.end()) {
    MenuItem item{"", resolutionCaption, false, nullptr, static_cast<int>(mode.pelsWidth)};
    item.Hint = std::to_string(mode.pelsHeight);
    resolution = resolutions.insert(resolutions.end(), std::move(item));
  }

  auto& depths = resolution->Items;
  const std::string depthCaption = std::to_string(mode.bitsPerPel) + " bits";
  auto depth = std::find_if(depths.begin(), depths.end(), [&](const MenuItem& item) {
    return system.EqualTextIgnoreCase(WithoutAccelerators(item.caption), depthCaption);
  });
  if (depth == depths.end())
    depth = depths.insert(depths.end(), MenuItem{"", depthCaption, false, nullptr, static_cast<int>(mode.bitsPerPel)});

  // No search here: a mode reported twice with the same values gives two items.
  const auto r = static_cast<std::size_t>(resolution - resolutions.begin());
  const auto d = static_cast<std::size_t>(depth - depths.begin());
  const std::size_t f = depth->Items.size();
  depth->Items.push_back(MenuItem{"", std::to_string(mode.displayFrequency) + " Hz", false,
                                  [onClick, r, d, f] { onClick(r, d, f); }, static_cast<int>(mode.displayFrequency)});
}
}  // namespace

void FillGraphicModeMenu(IDisplay& display, ISystem& system, PopupMenu& menu, const GraphicModeClick& onClick) {
  menu.Clear();
  for (std::uint32_t number = 0;; ++number) {
    DevMode mode;
    if (!display.EnumDisplaySettings(number, mode)) break;
    if (mode.pelsWidth >= kMinWidth && mode.displayFrequency >= kMinFrequency) AddMode(menu, system, mode, onClick);
  }
}

GraphicMode MenuItemsMode(const MenuItem& resolution, const MenuItem& depth, const MenuItem& frequency) {
  GraphicMode mode;
  mode.width = static_cast<std::uint32_t>(resolution.Tag);
  mode.height = static_cast<std::uint32_t>(std::strtoul(resolution.Hint.c_str(), nullptr, 10));
  mode.bitsPerPixel = static_cast<std::uint32_t>(depth.Tag);
  mode.frequency = static_cast<std::uint32_t>(frequency.Tag);
  return mode;
}

std::optional<GraphicMode> GraphicModes::ReadCurrentGraphicMode() {
  DevMode current;
  if (!display_.EnumDisplaySettings(win::ENUM_CURRENT_SETTINGS, current)) return std::nullopt;
  GraphicMode mode;
  mode.width = current.pelsWidth;
  mode.height = current.pelsHeight;
  mode.bitsPerPixel = current.bitsPerPel;
  mode.frequency = current.displayFrequency;
  return mode;
}

bool GraphicModes::ApplyGraphicMode(const GraphicMode& mode) {
  DevMode record;
  record.size = 156;
  record.fields = win::DM_BITSPERPEL | win::DM_PELSWIDTH | win::DM_PELSHEIGHT | win::DM_DISPLAYFREQUENCY;
  record.bitsPerPel = mode.bitsPerPixel;
  record.pelsWidth = mode.width;
  record.pelsHeight = mode.height;
  record.displayFrequency = mode.frequency;
  // Flags 0: at once, and not recorded in the registry.
  return display_.ChangeDisplaySettings(record, 0) == win::DISP_CHANGE_SUCCESSFUL;
}

// A mode in force that cannot be read could not be set back: the display
// is then left as it is, as the volume is.
void GraphicModes::SwitchGraphicMode(const GraphicMode& mode) {
  SavedGraphicMode = ReadCurrentGraphicMode();
  if (SavedGraphicMode) ApplyGraphicMode(mode);
}

void GraphicModes::RestoreGraphicMode() {
  if (SavedGraphicMode) ApplyGraphicMode(*SavedGraphicMode);
}

}  // namespace hd
