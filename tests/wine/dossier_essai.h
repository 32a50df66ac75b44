// A folder of test files in the prefix's temporary folder, gone afterwards.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace pixavue::test {

class DossierEssai {
 public:
  explicit DossierEssai(const std::wstring& nom) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    chemin_ = std::wstring(temp) + nom;
    std::filesystem::remove_all(chemin_, ignoree_);
    CreateDirectoryW(chemin_.c_str(), nullptr);
  }
  ~DossierEssai() { std::filesystem::remove_all(chemin_, ignoree_); }
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
  std::wstring chemin_;
  std::error_code ignoree_;
};

}  // namespace pixavue::test
