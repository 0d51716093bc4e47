// Help requests go to "HtmlHelpA", looked up in "HHCTRL.OCX" when the program starts.
#include "shell/SPHTMLHelp.h"

namespace hd {

THtmlHelpViewer::THtmlHelpViewer(Platform& platform, HelpManager manager)
    : p_(platform), manager_(std::move(manager)) {
  loaded_ = p_.htmlHelp.Load();
  if (!loaded_)
    p_.forms.MessageBox("Unable to view HTML help (*.chm). Update windows help system. Get new \"HHCTRL.OCX\" library.",
                        "Warning!", win::MB_OK | win::MB_ICONWARNING);
}

THtmlHelpViewer::~THtmlHelpViewer() {
  if (!loaded_) return;
  if (p_.htmlHelp.HasHtmlHelp()) p_.htmlHelp.HtmlHelp(0, "", win::HH_CLOSE_ALL, 0);
  // HTML Help finishes closing its windows on its own threads first.
  p_.system.Sleep(100);
  p_.htmlHelp.Free();
}

std::optional<std::string> THtmlHelpViewer::ChooseHelpFile(const std::string& fileName) {
  std::string file = fileName.empty() ? manager_.HelpFile() : fileName;
  if (file.empty()) {
    const std::string exe = p_.system.GetModuleFileName();
    file = exe.substr(0, exe.find_last_of("\\:") + 1) + "Help\\Help.chm";
  }
  if (!p_.files.FileExists(file)) return std::nullopt;
  return file;
}

void THtmlHelpViewer::Call(const std::string& file, unsigned command, std::uintptr_t data) {
  // An export that is missing makes every request do nothing.
  if (p_.htmlHelp.HasHtmlHelp()) p_.htmlHelp.HtmlHelp(manager_.Handle(), file, command, data);
}

void THtmlHelpViewer::ShowTableOfContents() {
  if (auto file = ChooseHelpFile("")) Call(*file, win::HH_DISPLAY_TOC, 0);
}

void THtmlHelpViewer::ShowHelpContext(int context, const std::string& fileName) {
  if (auto file = ChooseHelpFile(fileName)) Call(*file, win::HH_HELP_CONTEXT, static_cast<std::uintptr_t>(context));
}

}  // namespace hd
