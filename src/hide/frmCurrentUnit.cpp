// Rows hold texts only: a window that closed after the refresh does not matter.
#include "hide/frmCurrentUnit.h"
#include "app/mes_misc.h"
#include "hide/WindowHider.h"
#include "hide/proc_misc.h"
#include "shell/HelpUnit.h"

namespace hd {

namespace {
// Far below the time a person notices, and a hung program cannot hold the dialog.
constexpr unsigned kIconAnswerMs = 200;
}  // namespace

TfrmCurrent::TfrmCurrent(Platform& p, THtmlHelpViewer& help, const std::vector<std::string>& systemProcessList)
    : Form(p.forms, "frmCurrent", "Current windows and processes", 464, 311),
      Icons(p.forms),
      lstCurrent(*this, curctl::lstCurrent, "lstCurrent", kAt<8, 8, 448, 196>,
                 {{"Windows caption", 250}, {"Process filename", 150}}),
      GroupBox1(*this, curctl::Static, "GroupBox1", " Selected item ", kAt<8, 210, 448, 58>),
      labCaption(*this, curctl::labCaption, "labCaption", "", kAt<18, 228, 428, 16>),
      labProcess(*this, curctl::labProcess, "labProcess", "", kAt<18, 246, 428, 16>),
      butOk(*this, curctl::butOk, "butOk", "OK", kAt<223, 278, 75, 25>),
      butCancel(*this, curctl::butCancel, "butCancel", "Cancel", kAt<302, 278, 75, 25>),
      butHelp(*this, curctl::butHelp, "butHelp", "Help", kAt<381, 278, 75, 25>),
      p_(p),
      help_(help),
      systemProcessList_(systemProcessList) {
  lstCurrent.GridLines = true;
  lstCurrent.RowSelect = true;
  lstCurrent.SmallImages = &Icons;
  lstCurrent.Popup = &mList;
  lstCurrent.OnSelectItem = [this] { lstCurrentSelectItem(); };
  lstCurrent.OnDblClick = [this] { lstCurrentDblClick(); };
  mList.Add({"Refresh1", "Refresh list", false, [this] { Refresh1Click(); }});
  butOk.IsDefault = true;
  butCancel.IsCancel = true;
  butOk.OnClick = [this] { butOkClick(); };
  butCancel.OnClick = [this] { butCancelClick(); };
  butHelp.OnClick = [this] { butHelpClick(); };
}

void TfrmCurrent::FormShow() {
  Centre(p_.system.ScreenWidth(), p_.system.ScreenHeight());
  RefreshList();
}

int TfrmCurrent::IconIndex(WindowHandle window, const std::string& processFile) {
  // An icon that cannot be copied (another process's, where the system keeps
  // icons per process) counts as none, and the next source is asked.
  int index = Icons.AddIcon(p_.windows.GetClassLong(window, win::GCL_HICON));
  LResult answer = 0;
  if (index < 0 && p_.windows.SendMessageTimeout(window, win::WM_GETICON, win::ICON_SMALL, 0, kIconAnswerMs, answer))
    index = Icons.AddIcon(static_cast<hd::Handle>(answer));
  if (index >= 0 || processFile.empty()) return index;
  // An icon taken from the file is the dialog's own to free once copied.
  const hd::Handle icon = p_.shell.ExtractIcon(processFile.substr(0, 254), 0);
  if (!icon) return -1;
  index = Icons.AddIcon(icon);
  p_.shell.DestroyIcon(icon);
  return index;
}

void TfrmCurrent::RefreshList() {
  lstCurrent.Clear();
  Icons.Clear();
  const WindowHandle applicationWindow = p_.forms.ApplicationWindow();
  ProcessFiles files(p_);
  std::vector<ListItem> rows;
  for (WindowHandle window : p_.windows.TopLevelWindows()) {
    if (window == applicationWindow || !p_.windows.IsWindowVisible(window) ||
        p_.windows.GetWindow(window, win::GW_OWNER) != 0 || p_.windows.GetWindowTextLength(window) <= 0)
      continue;
    const std::string file = files.ForWindow(window);
    if (IsSystemProcess(p_.system, systemProcessList_, file)) continue;
    std::string name = file.substr(file.find_last_of("\\:") + 1);
    // Listed all the same: a window on another virtual desktop belongs to a
    // program the user may well want in a list. Marked beside the file name,
    // which no list takes, unlike the caption.
    if (p_.windows.IsWindowCloaked(window)) name += " (not shown)";
    rows.push_back({GetWindowCaption(p_, window), {name, file}, IconIndex(window, file)});
  }
  lstCurrent.SetItems(std::move(rows));
}

void TfrmCurrent::lstCurrentSelectItem() {
  const int index = lstCurrent.ItemIndex();
  if (index < 0) {
    labCaption.SetCaption("");
    labProcess.SetCaption("");
    return;
  }
  const ListItem& row = lstCurrent.Items()[static_cast<std::size_t>(index)];
  labCaption.SetCaption(row.caption);
  labProcess.SetCaption(row.subItems[1]);
}

void TfrmCurrent::butOkClick() {
  if (lstCurrent.ItemIndex() < 0) {
    ShowNotice(p_.forms, "Specify window caption or process", NoticeKind::Information);
    return;
  }
  ModalResult = mrOk;
}

void TfrmCurrent::butHelpClick() { help_.ShowHelpContext(kHelpCurrentWindows, ""); }

}  // namespace hd
