// The dialog listing the windows of the programs running now, to pick one.
#pragma once
#include <string>
#include <vector>
#include "platform/Platform.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Menu.h"

namespace hd {

class THtmlHelpViewer;

// Stable control ids: end-to-end tests drive the real controls by them.
namespace curctl {
enum : int { lstCurrent = 2000, butOk, butCancel, butHelp, labCaption, labProcess, Static = 2099 };
}  // namespace curctl

class TfrmCurrent : public Form {
public:
  // The system processes are the configuration window's list, read when the
  // dialog fills.
  TfrmCurrent(Platform& platform, THtmlHelpViewer& help, const std::vector<std::string>& systemProcessList);

  ImageList Icons;
  ListView lstCurrent;
  GroupBox GroupBox1;
  Label labCaption, labProcess;
  Button butOk, butCancel, butHelp;
  PopupMenu mList{"mList"};

  void RefreshList();
  void Refresh1Click() { RefreshList(); }
  void lstCurrentSelectItem();
  void butOkClick();
  void lstCurrentDblClick() { butOkClick(); }
  void butCancelClick() { ModalResult = mrCancel; }
  void butHelpClick();
  std::string GetSelectedCaption() const { return labCaption.Caption(); }
  std::string GetSelectedProcess() const { return labProcess.Caption(); }

protected:
  void FormShow() override;

private:
  int IconIndex(WindowHandle window, const std::string& processFile);
  Platform& p_;
  THtmlHelpViewer& help_;
  const std::vector<std::string>& systemProcessList_;
};

}  // namespace hd
