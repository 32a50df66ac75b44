// A folder of test files in the prefix's temporary folder, gone afterwards.
#pragma once

#include <windows.h>
#include <shellapi.h>

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
    std::wstring double_zero = chemin_ + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = double_zero.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
  }
  std::wstring chemin_;
};

}  // namespace pixavue::test
