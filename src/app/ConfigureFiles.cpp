// The application filename lists of the configuration window: adding through
// the open dialog or from the running applications, editing, deleting,
// clearing, and executables dropped from the shell.
#include "app/Application.h"
#include "app/frmConfUnit.h"
#include "app/mes_misc.h"
#include "hide/frmCurrentUnit.h"

namespace hd {

namespace {
constexpr int kPageHide = 2, kPageByFilename = 1, kPageSwitch = 3;
constexpr unsigned kDropPathBuffer = 512;

bool IsExePath(ISystem& system, const std::string& path) {
  const auto dot = path.find_last_of('.');
  return dot != std::string::npos && system.CharLower(path.substr(dot)) == ".exe";
}
}  // namespace

void TfrmConfigure::WireFileButtons() {
  butFileAdd.OnClick = [this] { butFileAddClick(); };
  butFileEdit.OnClick = [this] { butFileEditClick(); };
  butFileDelete.OnClick = [this] { butFileDeleteClick(); };
  butFileClear.OnClick = [this] { butFileClearClick(); };
  butSysProc.OnClick = [this] { butSysProcClick(); };
  lbHideFiles.OnDblClick = [this] { butFileEditClick(); };
  lbHideFiles.Keys = {&butFileAdd, &butFileDelete, &butFileEdit};
  butSevAddFile.OnClick = [this] { butSevAddFileClick(); };
  butSerEditFile.OnClick = [this] { butSerEditFileClick(); };
  butSerDelFile.OnClick = [this] { butSerDelFileClick(); };
  butSerClear.OnClick = [this] { butSerClearClick(); };
  butSerSysProc.OnClick = [this] { butSerSysProcClick(); };
  lbSerFiles.OnDblClick = [this] { butSerEditFileClick(); };
  lbSerFiles.Keys = {&butSevAddFile, &butSerDelFile, &butSerEditFile};
}

void TfrmConfigure::AddFileToList(ListBox& list, const std::string& path) { list.Add(path); }

void TfrmConfigure::AddFileThroughDialog(ListBox& list) {
  if (Od.Execute()) AddFileToList(list, Od.FileName());
}

void TfrmConfigure::EditFileThroughDialog(ListBox& list) {
  const int index = list.ItemIndex();
  if (index < 0) return;
  if (Od.Execute()) list.Replace(index, Od.FileName());
}

void TfrmConfigure::DeleteFileAsked(ListBox& list) {
  const int index = list.ItemIndex();
  if (index < 0) return;
  const std::string& entry = list.Items()[static_cast<std::size_t>(index)];
  if (Confirm(p_.forms, "\r\nDelete file " + entry + " from the list?")) list.Delete(index);
}

void TfrmConfigure::ClearFilesAsked(ListBox& list) {
  if (list.Count() > 0 && Confirm(p_.forms, "\r\nDo you want to clear files list?")) list.Clear();
}

void TfrmConfigure::AddFromRunningApps(ListBox& list) {
  if (app_.frmCurrent->ShowModal() == mrOk) AddFileToList(list, app_.frmCurrent->GetSelectedProcess());
}

ListBox* TfrmConfigure::FindDropTarget(Point screenPoint) {
  const int page = MainControl.ActivePage();
  ListBox* shown = page == kPageHide && PageControl2.ActivePage() == kPageByFilename ? &lbHideFiles
                   : page == kPageSwitch                                            ? &lbSerFiles
                                                                                    : nullptr;
  // A list kept as its unread file holds takes nothing.
  if (shown && shown->Enabled() && p_.forms.ControlScreenRect(*shown).StrictlyContains(screenPoint)) return shown;
  return nullptr;
}

LResult TfrmConfigure::WMDropFiles(hd::Handle drop) {
  ListBox* target = FindDropTarget(p_.forms.ClientToScreen(*this, p_.shell.DragQueryPoint(drop)));
  if (!target) {
    p_.shell.DragFinish(drop);
    p_.system.MessageBeep(0);
    return 0;
  }
  std::string path;
  const unsigned count = p_.shell.DragQueryFile(drop, 0xFFFFFFFFu, path, 0);
  for (unsigned i = 0; i < count; ++i) {
    path.clear();
    p_.shell.DragQueryFile(drop, i, path, kDropPathBuffer);
    if (IsExePath(p_.system, path)) AddFileToList(*target, path);
  }
  p_.shell.DragFinish(drop);
  return 0;
}

}  // namespace hd
