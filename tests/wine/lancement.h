// The real Pixavue.scr started as Windows starts it, and real input, as a
// user's mouse or keyboard gives it.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

namespace pixavue::test {

using namespace std::chrono_literals;

class Lancement {
 public:
  explicit Lancement(const std::wstring& argument) {
    std::wstring ligne = argument.empty() ? L"\"Pixavue.scr\"" : L"\"Pixavue.scr\" " + argument;
    STARTUPINFOW demarrage{sizeof demarrage};
    CreateProcessW(L"Pixavue.scr", ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage, &infos_);
  }
  ~Lancement() {
    TerminateProcess(infos_.hProcess, 99);  // nothing if it has ended
    WaitForSingleObject(infos_.hProcess, 5000);
    CloseHandle(infos_.hThread);
    CloseHandle(infos_.hProcess);
  }

  // The exit code once ended within the delay, else STILL_ACTIVE.
  DWORD sortie(std::chrono::milliseconds delai) const {
    DWORD code = STILL_ACTIVE;
    WaitForSingleObject(infos_.hProcess, static_cast<DWORD>(delai.count()));
    GetExitCodeProcess(infos_.hProcess, &code);
    return code;
  }
  DWORD pid() const { return infos_.dwProcessId; }
  // The program's visible top-level window of that class, once it shows; the
  // message boxes on its way are answered OK.
  HWND fenetre(const wchar_t* classe) const {
    for (auto fin = std::chrono::steady_clock::now() + 20s; std::chrono::steady_clock::now() < fin;) {
      if (HWND trouvee = a_lui(classe)) return trouvee;
      if (HWND boite = a_lui(L"#32770")) PostMessageW(boite, WM_COMMAND, IDOK, 0);
      if (sortie(50ms) != STILL_ACTIVE) return nullptr;
    }
    return nullptr;
  }
  HWND a_lui(const wchar_t* classe) const {
    HWND trouvee = nullptr;
    while ((trouvee = FindWindowExW(nullptr, trouvee, classe, nullptr))) {
      DWORD pid = 0;
      GetWindowThreadProcessId(trouvee, &pid);
      if (pid == infos_.dwProcessId && IsWindowVisible(trouvee)) return trouvee;
    }
    return nullptr;
  }

 private:
  PROCESS_INFORMATION infos_{};
};

// Real input, as a user's mouse or keyboard gives it: it reaches whatever
// window is under the pointer or has the focus.
inline void bouger_souris_vers(POINT p) {
  INPUT entree{INPUT_MOUSE};
  // Over the whole desktop, every monitor's pixels included.
  entree.mi.dx = MulDiv(p.x - GetSystemMetrics(SM_XVIRTUALSCREEN), 65535, GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1);
  entree.mi.dy = MulDiv(p.y - GetSystemMetrics(SM_YVIRTUALSCREEN), 65535, GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
  entree.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  SendInput(1, &entree, sizeof entree);
  Sleep(150);  // moves waiting in a queue are merged into one
}
inline void touche(WORD code, DWORD drapeaux = 0) {
  INPUT entree{INPUT_KEYBOARD};
  entree.ki.wVk = code;
  entree.ki.dwFlags = drapeaux;
  SendInput(1, &entree, sizeof entree);
}

}  // namespace pixavue::test
