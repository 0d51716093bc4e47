// Every window's layout: each control inside its window, and none lying over
// another that shows at the same time, unless that one is the frame or the
// page it sits in. The real host scales these bounds by the DPI alike, so a
// layout that holds here holds at every DPI.
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include "ProgramFixture.h"
#include "access/frmPassUnit.h"
#include "hide/frmCurrentUnit.h"
#include "shell/frmAboutUnit.h"
#include "words/frmCheckCap.h"

namespace hd::test {

namespace {

bool Overlap(const Bounds& a, const Bounds& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool Holds(const Bounds& outer, const Bounds& inner) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

bool IsContainer(const Control& control) {
  return control.Kind() == ControlKind::GroupBox || control.Kind() == ControlKind::PageControl;
}

// The pages a control sits on, outer ones too, each with its page.
std::map<const Control*, int> PagesOf(const Control& control) {
  std::map<const Control*, int> pages;
  for (const Control* at = &control; at->Pages(); at = at->Pages()) pages[at->Pages()] = at->Page();
  return pages;
}

// Whether some choice of pages shows both.
bool ShownTogether(const Control& a, const Control& b) {
  const auto pagesOfA = PagesOf(a);
  for (const auto& [pages, page] : PagesOf(b))
    if (auto it = pagesOfA.find(pages); it != pagesOfA.end() && it->second != page) return false;
  return true;
}

std::string Describe(const Control& control) {
  const Bounds& b = control.Position();
  std::ostringstream text;
  text << control.Name() << " {" << b.x << ", " << b.y << ", " << b.width << ", " << b.height << "}";
  return text.str();
}

// The faults of a form's layout, one a line; empty when there is none.
std::string LayoutFaults(const Form& form) {
  std::string faults;
  const Bounds client{0, 0, form.ClientWidth(), form.ClientHeight()};
  std::vector<const Control*> shown;
  for (const Control* control : form.Controls())
    if (control->Visible()) shown.push_back(control);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const Control& a = *shown[i];
    if (!Holds(client, a.Position())) faults += Describe(a) + " outside the window\n";
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      const Control& b = *shown[j];
      if (!ShownTogether(a, b) || !Overlap(a.Position(), b.Position())) continue;
      if ((IsContainer(a) && Holds(a.Position(), b.Position())) || (IsContainer(b) && Holds(b.Position(), a.Position())))
        continue;
      faults += Describe(a) + " overlaps " + Describe(b) + "\n";
    }
  }
  return faults;
}

class Layout : public ProgramTest {
protected:
  void SetUp() override { Start(); }
};

}  // namespace

TEST_F(Layout, EveryWindowsControlsLieInsideItAndApart) {
  // The marks of hotkeys taken by other programs show when they are.
  for (Label* mark : {&frm().labModeConflict, &frm().labVisibleConflict, &frm().labCloseConflict})
    mark->SetVisible(true);
  const std::pair<const char*, const Form*> forms[] = {
      {"configuration", &frm()},          {"current windows", app->frmCurrent.get()},
      {"words lists", app->frmCapEdit.get()}, {"password", app->frmPassword.get()},
      {"about", app->frmAbout.get()},
  };
  for (const auto& [name, form] : forms) {
    ASSERT_NE(form, nullptr) << name;
    EXPECT_EQ(LayoutFaults(*form), "") << name;
  }
}

}  // namespace hd::test
