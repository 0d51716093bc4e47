// Where the configuration window's controls stand, page by page. Lengths are
// pixels at 96 DPI; the pages are wide enough for the seven tabs' captions on
// one row in the system's dialog font, on Windows and under Wine.
#include <cstdint>
#include "app/frmConfUnit.h"

namespace hd {

namespace {
constexpr int kPageCommon = 0, kPageHideMode = 1, kPageHide = 2, kPageSwitch = 3, kPageMedia = 4,
              kPageHotKeys = 5, kPageTriggers = 6;
constexpr int kRow = 22;
constexpr int kListRowHeight = 18;

// A control and its bounds. Each of the ninety is built by code; two words of
// lengths take half the instructions of four.
struct Spot {
  Control* control;
  std::int16_t x = 0, y = 0, width = 0, height = 0;
};

constexpr Spot Row(Control* control, int x, int y, int width = 380) {
  using Length = std::int16_t;
  return {control, static_cast<Length>(x), static_cast<Length>(y), static_cast<Length>(width), 18};
}

void Place(const PageControl& pages, int page, std::initializer_list<Spot> spots) {
  for (const Spot& spot : spots) {
    spot.control->PlaceOn(pages, page);
    spot.control->SetBounds({spot.x, spot.y, spot.width, spot.height});
  }
}

// A row of small flat buttons above a list: add, edit, delete, a gap, clear,
// add from the running applications.
void FileButtons(std::initializer_list<Button*> buttons, int x, int y) {
  static constexpr struct { Glyph glyph; const char* hint; } kTools[] = {
      {Glyph::FileNew, "Add filename"},
      {Glyph::Properties, "Edit filename"},
      {Glyph::Delete, "Delete filename"},
      {Glyph::Cut, "Clear files list"},
      {Glyph::Details, "Add filename from running applications"},
  };
  int i = 0;
  for (Button* button : buttons) {
    button->Flat = true;
    button->Picture = kTools[i].glyph;
    button->Hint = kTools[i].hint;
    button->SetBounds({x + 25 * i + (i >= 3 ? 9 : 0), y, 24, 22});
    ++i;
  }
}
}  // namespace

void TfrmConfigure::LayOutPages() {
  MainControl.SetBounds({8, 8, 470, 362});
  butOk.SetBounds({245, 378, 75, 25});
  butCancel.SetBounds({324, 378, 75, 25});
  butHelp.SetBounds({403, 378, 75, 25});

  Place(MainControl, kPageCommon,
        {{&grpStartup, 20, 42, 446, 118}, Row(&labStartup, 34, 62), Row(&rbNormal, 48, 84, 300),
         Row(&rbBackground, 48, 84 + kRow, 300), Row(&rbDisable, 48, 84 + 2 * kRow, 300),
         {&grpPassword, 20, 172, 446, 96}, Row(&labPassword, 34, 192, 330),
         {&ImageKey, 418, 186, 32, 32}, Row(&rbEnable, 48, 214, 150),
         Row(&rbDisable2, 48, 214 + kRow, 150), {&butSetPass, 340, 222, 110, 25}});

  Place(MainControl, kPageHideMode,
        {{&grpDescription, 20, 42, 446, 76}, {&labDescription, 34, 60, 422, 52},
         Row(&cbHideTray, 34, 128), Row(&cbCaptions, 34, 128 + kRow), Row(&cbApps, 34, 128 + 2 * kRow),
         Row(&cbSwitchToSer, 34, 128 + 3 * kRow), Row(&cbSw2Stealth, 34, 128 + 4 * kRow),
         Row(&cbHideNew, 34, 128 + 5 * kRow),
         // In the row of the never shown cbHideNew.
         Row(&cbRestoreAsWere, 34, 128 + 5 * kRow), {&grpTerminating, 20, 262, 446, 94},
         Row(&cbTermHD, 34, 280, 300), Row(&rbCloseHidden, 54, 280 + kRow, 300),
         Row(&rbShowHidden, 54, 280 + 2 * kRow, 300)});

  Place(MainControl, kPageHide, {Row(&labHideHeading, 20, 42), {&PageControl2, 20, 64, 446, 298}});
  Place(PageControl2, 0,
        {{&butAdd, 30, 96, 102, 25}, {&butEdit, 136, 96, 102, 25}, {&butDelete, 242, 96, 102, 25},
         {&butClear, 348, 96, 108, 25}, Row(&labWords, 30, 130, 140), Row(&labWordsUnread, 174, 130, 242),
         {&lbWords, 30, 150, 426, 204}});
  Place(PageControl2, 1,
        {{&butFileAdd}, {&butFileEdit}, {&butFileDelete}, {&butFileClear}, {&butSysProc},
         Row(&labHideFiles, 30, 130, 140), Row(&labHideFilesUnread, 174, 130, 242),
         {&lbHideFiles, 30, 150, 426, 204}});
  FileButtons({&butFileAdd, &butFileEdit, &butFileDelete, &butFileClear, &butSysProc}, 30, 100);

  Place(MainControl, kPageSwitch,
        {Row(&labSerHeading, 20, 42), {&butSevAddFile}, {&butSerEditFile}, {&butSerDelFile},
         {&butSerClear}, {&butSerSysProc}, Row(&labSerFiles, 20, 96, 180),
         Row(&labSerFilesUnread, 204, 96, 262), {&lbSerFiles, 20, 116, 446, 166},
         Row(&labNoSerious, 20, 292), Row(&rbFirst, 34, 292 + kRow), Row(&rbAny, 34, 292 + 2 * kRow)});
  FileButtons({&butSevAddFile, &butSerEditFile, &butSerDelFile, &butSerClear, &butSerSysProc}, 20, 64);

  Place(MainControl, kPageMedia,
        {{&grpSound, 20, 42, 446, 130}, Row(&cbSound, 34, 62, 300), Row(&cbSoundMute, 54, 62 + kRow, 300),
         {&tbSound, 34, 112, 290, 40}, {&butSoundTest, 376, 118, 75, 25}, {&grpVideo, 20, 184, 446, 110},
         Row(&cbVideo, 34, 204, 300), {&labGraphMode, 34, 232, 416, 18}, {&butGraphSelect, 296, 258, 75, 25},
         {&butGraphTest, 376, 258, 75, 25}, Row(&cbMuteHidden, 34, 308, 220),
         Row(&labNoSessions, 296, 308, 170)});

  Place(MainControl, kPageHotKeys,
        {{&grpHotKeys, 20, 42, 446, 300}, Row(&labHotKeys1, 34, 62), Row(&labHotKeys2, 34, 80),
         // Each hotkey's mark of a conflict under its edit, apart from the next caption.
         Row(&labMode, 34, 108), {&hkMode, 34, 126, 410, 22}, {&labModeConflict, 34, 151, 410, 15},
         Row(&labVisible, 34, 174), {&hkVisible, 34, 192, 410, 22}, {&labVisibleConflict, 34, 217, 410, 15},
         Row(&labClose, 34, 240), {&hkClose, 34, 258, 410, 22}, {&labCloseConflict, 34, 283, 410, 15}});

  Place(MainControl, kPageTriggers,
        {{&grpCorner, 20, 42, 446, 150}, Row(&cbCornerHide, 34, 62),
         Row(&rbCornerTopLeft, 54, 62 + kRow, 150), Row(&rbCornerTopRight, 210, 62 + kRow, 150),
         Row(&rbCornerBottomLeft, 54, 62 + 2 * kRow, 150), Row(&rbCornerBottomRight, 210, 62 + 2 * kRow, 150),
         Row(&labCornerDelay, 54, 134, 356), {&tbCornerDelay, 54, 152, 290, 30},
         {&grpAway, 20, 204, 446, 100}, Row(&cbAwayHide, 34, 224), {&tbAwayMinutes, 54, 250, 290, 30}});

  for (Label* bold : {&labWords, &labHideFiles, &labSerFiles, &labModeConflict, &labVisibleConflict, &labCloseConflict})
    bold->SetBold(true);
  for (Label* mark : {&labModeConflict, &labVisibleConflict, &labCloseConflict, &labWordsUnread, &labHideFilesUnread,
                      &labSerFilesUnread, &labNoSessions})
    mark->SetVisible(false);
  for (ListBox* list : {&lbHideFiles, &lbSerFiles}) list->ItemHeight = kListRowHeight;
  labGraphMode.Align = Alignment::Right;
}

}  // namespace hd
