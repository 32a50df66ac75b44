// Process services on Windows.
#include "win32/processus_win32.h"

#include <shellapi.h>

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

std::wstring chemin_du_programme() {
  std::wstring chemin(MAX_PATH, L'\0');
  for (;;) {
    const DWORD copie = GetModuleFileNameW(nullptr, chemin.data(), static_cast<DWORD>(chemin.size()));
    if (copie == 0) return {};
    if (copie < chemin.size()) return chemin.substr(0, copie);
    chemin.resize(chemin.size() * 2);  // a long path: try again with room for it
  }
}

std::wstring ProcessusWin32::dossier_programme() {
  std::wstring chemin = chemin_du_programme();
  const std::size_t separateur = chemin.find_last_of(L"\\/");
  if (separateur == std::wstring::npos) return {};
  // A drive root keeps its separator: "C:\".
  const bool racine = separateur > 0 && chemin[separateur - 1] == L':';
  chemin.resize(racine ? separateur + 1 : separateur);
  return chemin;
}

std::optional<Processus::ErreurLancement> ProcessusWin32::lancer(std::wstring_view commande) {
  std::wstring ligne(commande);  // CreateProcessW may write into it
  STARTUPINFOW demarrage{sizeof demarrage};
  demarrage.dwFlags = STARTF_USESHOWWINDOW;
  demarrage.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION infos{};
  if (CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage, &infos)) {
    // It runs on its own; nothing here waits for it.
    CloseHandle(infos.hThread);
    CloseHandle(infos.hProcess);
    return std::nullopt;
  }
  const DWORD code = GetLastError();
  wchar_t* texte = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<wchar_t*>(&texte), 0, nullptr);
  std::wstring description = texte ? texte : L"";
  if (texte) LocalFree(texte);
  while (!description.empty() && (description.back() == L'\n' || description.back() == L'\r')) description.pop_back();
  return ErreurLancement{static_cast<long>(code), description};
}

void ProcessusWin32::ouvrir_document(std::intptr_t proprietaire, std::wstring_view chemin) {
  const std::wstring document(chemin);
  ShellExecuteW(reinterpret_cast<HWND>(proprietaire), L"open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace pixavue::win32
