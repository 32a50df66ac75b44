// The test-only imaging codec (codec_essai.cpp), registered in the prefix
// for ".pxe" files for as long as this lives. A process that lists or
// decodes them must make it before it first asks which codecs there are.
#pragma once

#include <windows.h>

#include <string>

#include "outils.h"

namespace pixavue::test {

class CodecEssai {
 public:
  CodecEssai() {
    const std::wstring dll = chemin_wine(PIXAVUE_CODEC_ESSAI, L"");
    const std::wstring classe = L"Software\\Classes\\CLSID\\" + std::wstring(kClsid);
    const auto texte = [](const std::wstring& cle, const wchar_t* nom, const std::wstring& valeur) {
      RegSetKeyValueW(HKEY_LOCAL_MACHINE, cle.c_str(), nom, REG_SZ, valeur.c_str(),
                      static_cast<DWORD>((valeur.size() + 1) * sizeof(wchar_t)));
    };
    for (auto [nom, valeur] : {std::pair{L"FriendlyName", L"Pixavue essai"},
                               {L"FileExtensions", L".pxe"},
                               {L"ContainerFormat", kClsid},
                               {L"Vendor", kClsid},
                               {L"Author", L"Pixavue"},
                               {L"MimeTypes", L"image/x-pixavue-essai"},
                               {L"Version", L"1.0.0.0"}})
      texte(classe, nom, valeur);
    texte(classe + L"\\InprocServer32", nullptr, dll);
    texte(classe + L"\\InprocServer32", L"ThreadingModel", L"Both");
    texte(classe + L"\\Formats\\{6fddc324-4e03-4bfe-b185-3d77768dc90f}", nullptr, L"");  // 32bppBGRA
    const DWORD position = 0, longueur = 4;
    const std::wstring motif = classe + L"\\Patterns\\0";
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, motif.c_str(), L"Position", REG_DWORD, &position, sizeof position);
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, motif.c_str(), L"Length", REG_DWORD, &longueur, sizeof longueur);
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, motif.c_str(), L"Pattern", REG_BINARY, "PXE1", 4);
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, motif.c_str(), L"Mask", REG_BINARY, "\xff\xff\xff\xff", 4);
    texte(kInstance, L"CLSID", kClsid);
    texte(kInstance, L"FriendlyName", L"Pixavue essai");
  }
  ~CodecEssai() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\CLSID\\" + std::wstring(kClsid)).c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kInstance.c_str());
  }

 private:
  static constexpr const wchar_t* kClsid = L"{5D3E6E2A-7C1B-4F59-9C3A-2B8E4A1F6C01}";
  const std::wstring kInstance =
      L"Software\\Classes\\CLSID\\{7ED96837-96F0-4812-B211-F13C24117ED3}\\Instance\\" + std::wstring(kClsid);
};

}  // namespace pixavue::test
