// Move-only owners of Windows handles, so that nothing can leak: one template
// for every family of handles, plus guards for device-context state.
#pragma once

#include <windows.h>

#include <memory>
#include <utility>

namespace pixavue::win32 {

// Traits: the empty value and how to close. Closing keeps GetLastError.
template <typename T, auto Fermer>
struct FermeturePar {
  static T vide() { return T{}; }
  static void fermer(T valeur) { Fermer(valeur); }
};

template <typename T, typename Traits>
class Poignee {
 public:
  Poignee() = default;
  explicit Poignee(T valeur) : valeur_(valeur) {}
  Poignee(Poignee&& autre) noexcept : valeur_(std::exchange(autre.valeur_, Traits::vide())) {}
  Poignee& operator=(Poignee&& autre) noexcept {
    if (this != std::addressof(autre)) reset(std::exchange(autre.valeur_, Traits::vide()));
    return *this;
  }
  Poignee(const Poignee&) = delete;
  Poignee& operator=(const Poignee&) = delete;
  ~Poignee() { reset(); }

  void reset(T valeur = Traits::vide()) {
    if (valeur_ != Traits::vide()) {
      DWORD erreur = GetLastError();
      Traits::fermer(valeur_);
      SetLastError(erreur);
    }
    valeur_ = valeur;
  }
  T get() const { return valeur_; }
  T release() { return std::exchange(valeur_, Traits::vide()); }
  // Closes what it held before handing out the address to be filled.
  T* operator&() {
    reset();
    return &valeur_;
  }
  explicit operator bool() const { return valeur_ != Traits::vide(); }

 private:
  T valeur_ = Traits::vide();
};

// Files and searches say "nothing" with INVALID_HANDLE_VALUE, not null.
template <auto Fermer>
struct TraitsInvalide {
  static HANDLE vide() { return INVALID_HANDLE_VALUE; }
  static void fermer(HANDLE h) { Fermer(h); }
};

using PoigneeNoyau = Poignee<HANDLE, FermeturePar<HANDLE, CloseHandle>>;
using PoigneeFichier = Poignee<HANDLE, TraitsInvalide<CloseHandle>>;
using PoigneeRecherche = Poignee<HANDLE, TraitsInvalide<FindClose>>;
using PoigneeCle = Poignee<HKEY, FermeturePar<HKEY, RegCloseKey>>;
template <typename Gdi>
using PoigneeGdi = Poignee<Gdi, FermeturePar<Gdi, DeleteObject>>;
using PoigneeDcMemoire = Poignee<HDC, FermeturePar<HDC, DeleteDC>>;
using PoigneeIcone = Poignee<HICON, FermeturePar<HICON, DestroyIcon>>;
using PoigneeMetafichier = Poignee<HENHMETAFILE, FermeturePar<HENHMETAFILE, DeleteEnhMetaFile>>;
using PoigneeMetafichierWindows = Poignee<HMETAFILE, FermeturePar<HMETAFILE, DeleteMetaFile>>;
using PoigneeFenetre = Poignee<HWND, FermeturePar<HWND, DestroyWindow>>;
using VueSection = Poignee<void*, FermeturePar<void*, UnmapViewOfFile>>;

// GetDC / ReleaseDC.
class ContexteFenetre {
 public:
  explicit ContexteFenetre(HWND fenetre) : fenetre_(fenetre), dc_(GetDC(fenetre)) {}
  ~ContexteFenetre() {
    if (dc_) ReleaseDC(fenetre_, dc_);
  }
  ContexteFenetre(const ContexteFenetre&) = delete;
  ContexteFenetre& operator=(const ContexteFenetre&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND fenetre_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class Peinture {
 public:
  explicit Peinture(HWND fenetre) : fenetre_(fenetre) { BeginPaint(fenetre_, &ps_); }
  ~Peinture() { EndPaint(fenetre_, &ps_); }
  Peinture(const Peinture&) = delete;
  Peinture& operator=(const Peinture&) = delete;
  HDC dc() const { return ps_.hdc; }
  const RECT& zone() const { return ps_.rcPaint; }

 private:
  HWND fenetre_;
  PAINTSTRUCT ps_{};
};

// SelectObject that puts the old object back when it goes out of scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ objet) : dc_(dc), ancien_(SelectObject(dc, objet)) {}
  ~Selection() {
    if (ancien_) SelectObject(dc_, ancien_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ ancien_;
};

}  // namespace pixavue::win32
