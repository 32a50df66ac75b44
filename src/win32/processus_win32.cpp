// Process services on Windows.
#include "win32/processus_win32.h"

namespace pixavue::win32 {

std::wstring argument_de(const wchar_t* ligne) {
  if (!ligne) return {};
  const wchar_t* p = ligne;
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p == L'"') ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  if (*p == L' ' || *p == L'\t') ++p;
  return p;
}

bool ProcessusWin32::autre_instance() {
  mutex_.reset(CreateMutexW(nullptr, FALSE, kNomMutexInstance));
  return mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

std::wstring ProcessusWin32::argument() { return argument_de(GetCommandLineW()); }

void ProcessusWin32::terminer() { ExitProcess(0); }

}  // namespace pixavue::win32
