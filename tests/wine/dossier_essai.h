// A folder of test files in the prefix's temporary folder, gone afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace pixavue::test {

class DossierEssai {
 public:
  explicit DossierEssai(const std::wstring& nom) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    chemin_ = std::wstring(temp) + nom;
    supprimer();
    CreateDirectoryW(chemin_.c_str(), nullptr);
  }
  ~DossierEssai() { supprimer(); }
  DossierEssai(const DossierEssai&) = delete;
  DossierEssai& operator=(const DossierEssai&) = delete;

  const std::wstring& chemin() const { return chemin_; }
  void fichier(const std::wstring& nom, DWORD attributs = FILE_ATTRIBUTE_NORMAL) const {
    HANDLE h =
        CreateFileW((chemin_ + L"\\" + nom).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributs, nullptr);
    DWORD ecrits;
    WriteFile(h, "x", 1, &ecrits, nullptr);
    CloseHandle(h);
  }
  void dossier(const std::wstring& nom) const { CreateDirectoryW((chemin_ + L"\\" + nom).c_str(), nullptr); }

 private:
  void supprimer() {
    if (chemin_.size() > 3 && chemin_[1] == L':') supprimer_arbre(LR"(\\?\)" + chemin_);
  }
  // Depth first, in the long form: the shell's own deletion, given a tree
  // deeper than the classic limit, went on to delete the current folder.
  static void supprimer_arbre(const std::wstring& dossier) {
    WIN32_FIND_DATAW trouve;
    HANDLE recherche = FindFirstFileW((dossier + L"\\*").c_str(), &trouve);
    if (recherche != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring nom = trouve.cFileName;
        if (nom == L"." || nom == L"..") continue;
        const std::wstring chemin = dossier + L"\\" + nom;
        if (trouve.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          supprimer_arbre(chemin);
        } else {
          SetFileAttributesW(chemin.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileW(chemin.c_str());
        }
      } while (FindNextFileW(recherche, &trouve));
      FindClose(recherche);
    }
    RemoveDirectoryW(dossier.c_str());
  }
  std::wstring chemin_;
};

}  // namespace pixavue::test
