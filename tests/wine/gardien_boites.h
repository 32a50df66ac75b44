// Watches for the message boxes of this process from a thread of its own:
// reads each one as a user sees it (title, text, icon), then presses OK, so
// that the modal box returns to the code that showed it.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pixavue::test {

struct BoiteLue {
  std::wstring titre, texte;
  LPCWSTR icone = nullptr;  // IDI_INFORMATION, IDI_WARNING, IDI_ERROR, or none
};

class GardienBoites {
 public:
  GardienBoites() : fil_([this] { guetter(); }) {}
  ~GardienBoites() {
    fin_ = true;
    fil_.join();
  }
  GardienBoites(const GardienBoites&) = delete;
  GardienBoites& operator=(const GardienBoites&) = delete;

  std::vector<BoiteLue> lues() {
    std::lock_guard<std::mutex> verrou(mutex_);
    return lues_;
  }
  void oublier() {
    std::lock_guard<std::mutex> verrou(mutex_);
    lues_.clear();
  }

 private:
  static std::wstring texte_de(HWND fenetre) {
    wchar_t texte[1024] = {};
    GetWindowTextW(fenetre, texte, 1024);
    return texte;
  }

  static BOOL CALLBACK examiner(HWND fenetre, LPARAM gardien) {
    DWORD pid = 0;
    GetWindowThreadProcessId(fenetre, &pid);
    wchar_t classe[16] = {};
    GetClassNameW(fenetre, classe, 16);
    if (pid != GetCurrentProcessId() || lstrcmpW(classe, L"#32770") != 0 || !IsWindowVisible(fenetre)) return TRUE;
    reinterpret_cast<GardienBoites*>(gardien)->lire_et_fermer(fenetre);
    return TRUE;
  }

  void lire_et_fermer(HWND boite) {
    // A box goes only once its modal loop has ended: it may still show on
    // the next look.
    for (HWND deja : fermees_)
      if (deja == boite) return;
    fermees_.push_back(boite);
    BoiteLue lue{texte_de(boite), texte_de(GetDlgItem(boite, 0xFFFF))};
    // The icon is a shared system icon: the same handle as the one loaded here.
    HICON icone = nullptr;
    for (int id : {0x14, 0x440})
      if (HWND statique = GetDlgItem(boite, id))
        if ((icone = reinterpret_cast<HICON>(SendMessageW(statique, STM_GETICON, 0, 0)))) break;
    for (LPCWSTR nom : {IDI_INFORMATION, IDI_WARNING, IDI_ERROR})
      if (icone && icone == LoadIconW(nullptr, nom)) lue.icone = nom;
    {
      std::lock_guard<std::mutex> verrou(mutex_);
      lues_.push_back(lue);
    }
    SendMessageW(boite, WM_COMMAND, IDOK, 0);
  }

  void guetter() {
    while (!fin_) {
      EnumWindows(&GardienBoites::examiner, reinterpret_cast<LPARAM>(this));
      Sleep(30);
    }
  }

  std::atomic<bool> fin_{false};
  std::mutex mutex_;
  std::vector<BoiteLue> lues_;
  std::vector<HWND> fermees_;  // the watching thread's own
  std::thread fil_;
};

}  // namespace pixavue::test
