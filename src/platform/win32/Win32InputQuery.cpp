// The input box: a real modal dialog built from an in-memory template.
#include "platform/win32/WinApi.h"
#include <cstring>
#include <vector>
#include "platform/win32/Win32FormHost.h"

namespace hd {

namespace {

// Builds a DLGTEMPLATE and its items, each item DWORD-aligned as the loader
// requires. Texts are set after creation, in their ANSI form.
class DialogTemplate {
public:
  DialogTemplate(DWORD style, short width, short height, int items) {
    Add<DWORD>(style);
    Add<DWORD>(0);
    Add<WORD>(static_cast<WORD>(items));
    Add<short>(0);
    Add<short>(0);
    Add<short>(width);
    Add<short>(height);
    Add<WORD>(0);  // no menu
    Add<WORD>(0);  // the dialog class
    Add<WORD>(0);  // no title yet
    Add<WORD>(8);  // DS_SETFONT: point size, then the face
    for (const wchar_t* c = L"MS Shell Dlg"; *c; ++c) Add<WORD>(static_cast<WORD>(*c));
    Add<WORD>(0);
  }

  // atom: 0x80 button, 0x81 edit, 0x82 static.
  void Item(WORD atom, WORD id, DWORD style, short x, short y, short width, short height) {
    while (bytes_.size() % 4) bytes_.push_back(0);
    Add<DWORD>(WS_CHILD | WS_VISIBLE | style);
    Add<DWORD>(0);
    Add<short>(x);
    Add<short>(y);
    Add<short>(width);
    Add<short>(height);
    Add<WORD>(id);
    Add<WORD>(0xFFFF);
    Add<WORD>(atom);
    Add<WORD>(0);  // no text yet
    Add<WORD>(0);  // no creation data
  }

  const DLGTEMPLATE* Data() {
    // DialogBoxIndirect wants the template itself DWORD-aligned.
    words_.assign((bytes_.size() + 3) / 4, 0);
    std::memcpy(words_.data(), bytes_.data(), bytes_.size());
    return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
  }

private:
  template <class T>
  void Add(T value) {
    const auto* raw = reinterpret_cast<const unsigned char*>(&value);
    bytes_.insert(bytes_.end(), raw, raw + sizeof value);
  }
  std::vector<unsigned char> bytes_;
  std::vector<DWORD> words_;
};

struct QueryState {
  const std::string& caption;
  const std::string& prompt;
  std::string& value;
  InputEcho echo;
  std::vector<HWND> disabled;
};

BOOL CALLBACK DisableOther(HWND window, LPARAM raw) {
  auto& state = *reinterpret_cast<std::pair<HWND, QueryState*>*>(raw);
  if (window != state.first && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
    ::EnableWindow(window, FALSE);
    state.second->disabled.push_back(window);
  }
  return TRUE;
}

// The program's own windows come back before the box goes, so that one of
// them, not another program, takes the activation.
void Finish(HWND dialog, QueryState& state, INT_PTR result) {
  for (HWND window : state.disabled) ::EnableWindow(window, TRUE);
  ::EndDialog(dialog, result);
}

INT_PTR CALLBACK QueryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<QueryState*>(::GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<QueryState*>(lParam);
      ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      // Modal to every window of the program, as its other dialogs are.
      std::pair<HWND, QueryState*> walk{dialog, state};
      ::EnumThreadWindows(::GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&walk));
      ::SetWindowTextA(dialog, state->caption.c_str());
      ::SetDlgItemTextA(dialog, Win32FormHost::kInputQueryPromptId, state->prompt.c_str());
      ::SetDlgItemTextA(dialog, IDOK, "OK");
      ::SetDlgItemTextA(dialog, IDCANCEL, "Cancel");
      HWND edit = ::GetDlgItem(dialog, Win32FormHost::kInputQueryEditId);
      ::SendMessageA(edit, EM_LIMITTEXT, kInputQueryMaxLength, 0);
      // The themed edit would show dots; the box promises stars.
      if (state->echo == InputEcho::Stars) ::SendMessageA(edit, EM_SETPASSWORDCHAR, '*', 0);
      ::SetWindowTextA(edit, state->value.c_str());
      ::SendMessageA(edit, EM_SETSEL, 0, -1);
      ::SetFocus(edit);
      // Opened from the tray menu, the box must come to the front to be typed into.
      ::SetForegroundWindow(dialog);
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        HWND edit = ::GetDlgItem(dialog, Win32FormHost::kInputQueryEditId);
        std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(edit)) + 1, '\0');
        text.resize(static_cast<std::size_t>(::GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
        state->value = text;
        Finish(dialog, *state, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {  // also the close box and Escape
        Finish(dialog, *state, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

bool Win32FormHost::InputQuery(const std::string& caption, const std::string& prompt, std::string& value,
                               InputEcho echo) {
  DialogTemplate box(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT, 180, 63, 4);
  box.Item(0x82, kInputQueryPromptId, SS_LEFT | SS_NOPREFIX, 8, 8, 164, 9);
  box.Item(0x81, kInputQueryEditId,
           WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | (echo == InputEcho::Stars ? ES_PASSWORD : 0), 8, 19, 164, 12);
  box.Item(0x80, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 38, 41, 50, 14);
  box.Item(0x80, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 92, 41, 50, 14);
  QueryState state{caption, prompt, value, echo, {}};
  // Owned by the window in use, so the box stays in front of it.
  HWND owner = ::GetActiveWindow();
  if (!owner) owner = reinterpret_cast<HWND>(ApplicationWindow());
  const INT_PTR result = ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), box.Data(), owner, QueryProc,
                                                   reinterpret_cast<LPARAM>(&state));
  return result == IDOK;
}

}  // namespace hd
