// The choosers on Windows, through the wide entry points: a path in any
// script comes back whole.
#include "win32/dialogues_win32.h"

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace pixavue::win32 {
namespace {

// The shell allocates the item list; COM's allocator frees it.
struct LiberationCom {
  void operator()(void* memoire) const { CoTaskMemFree(memoire); }
};
using ListeElements = std::unique_ptr<ITEMIDLIST, LiberationCom>;

// A buffer of at least `capacite` characters after the text, NULs throughout.
std::vector<wchar_t> tampon(const std::wstring& texte, int capacite) {
  std::vector<wchar_t> t(static_cast<std::size_t>(std::max(capacite, 260)) + 1, L'\0');
  std::copy_n(texte.begin(), std::min(texte.size(), t.size() - 1), t.begin());
  return t;
}

Issue issue_de_l_echec() { return CommDlgExtendedError() ? Issue::echec : Issue::annule; }

}  // namespace

ReponseFichier DialoguesWin32::choisir_fichier(SorteFichier sorte, const DemandeFichier& demande) {
  std::vector<wchar_t> fichier = tampon(demande.fichier, demande.capacite_fichier);
  std::vector<wchar_t> titre = tampon(L"", demande.capacite_titre);
  OPENFILENAMEW ofn{};
  // The record as it was before its extension, as the chooser was always given.
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  ofn.hwndOwner = reinterpret_cast<HWND>(demande.proprietaire);
  ofn.lpstrFilter = demande.filtre.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(demande.indice_filtre);
  ofn.lpstrFile = fichier.data();
  ofn.nMaxFile = static_cast<DWORD>(demande.capacite_fichier);
  ofn.lpstrFileTitle = titre.data();
  ofn.nMaxFileTitle = static_cast<DWORD>(demande.capacite_titre);
  ofn.lpstrInitialDir = demande.dossier_initial.c_str();
  ofn.lpstrTitle = demande.titre ? demande.titre->c_str() : nullptr;
  ofn.Flags = demande.drapeaux;
  ofn.lpstrDefExt = demande.extension_defaut.empty() ? nullptr : demande.extension_defaut.c_str();
  const BOOL choisi = sorte == SorteFichier::ouvrir ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
  if (!choisi) return {issue_de_l_echec(), {}, {}, 0, CommDlgExtendedError()};
  return {Issue::choisi, fichier.data(), titre.data(), ofn.Flags, 0};
}

std::optional<std::wstring> DialoguesWin32::choisir_dossier(std::intptr_t proprietaire, std::wstring_view consigne,
                                                            std::uint32_t drapeaux) {
  const std::wstring texte(consigne);
  BROWSEINFOW infos{};
  infos.hwndOwner = reinterpret_cast<HWND>(proprietaire);
  infos.lpszTitle = texte.c_str();
  infos.ulFlags = drapeaux;
  ListeElements element(SHBrowseForFolderW(&infos));
  if (!element) return std::nullopt;
  std::array<wchar_t, MAX_PATH> chemin{};
  // An item with no file-system path leaves the text empty.
  if (!SHGetPathFromIDListW(element.get(), chemin.data())) chemin[0] = L'\0';
  return std::wstring(chemin.data());
}

ReponseCouleur DialoguesWin32::choisir_couleur(std::intptr_t proprietaire, std::uint32_t couleur,
                                               std::uint32_t drapeaux) {
  // The custom colours the user made stay for the rest of the run.
  static std::array<COLORREF, 16> personnalisees{};
  CHOOSECOLORW choix{sizeof choix};
  choix.hwndOwner = reinterpret_cast<HWND>(proprietaire);
  choix.rgbResult = couleur;
  choix.lpCustColors = personnalisees.data();
  choix.Flags = drapeaux;
  if (!ChooseColorW(&choix)) return {issue_de_l_echec(), 0, CommDlgExtendedError()};
  return {Issue::choisi, choix.rgbResult, 0};
}

}  // namespace pixavue::win32
