// The windows over the monitors that a full-screen run's own window leaves:
// borderless, topmost, never active, without a cursor, in the slideshow's
// background colour. Input over them reaches the run's window.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/ecran.h"
#include "slideshow/diaporama.h"
#include "win32/poignees.h"

namespace pixavue::win32 {

inline constexpr wchar_t kClasseCouverture[] = L"PixavueCouverture";

class CouverturesWin32 {
 public:
  // The covers paint `diaporama`'s background and pass their input to
  // `proprietaire`, which owns them: they go with it.
  CouverturesWin32(HINSTANCE instance, HWND proprietaire, const Diaporama& diaporama);

  // One window over each rectangle, those already made moved there, those
  // left over destroyed.
  void disposer(const std::vector<RectangleEcran>& zones);
  // After a tick: the background may have changed.
  void repeindre() const;

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  HINSTANCE instance_;
  HWND proprietaire_;
  const Diaporama& diaporama_;
  std::vector<PoigneeFenetre> fenetres_;
};

}  // namespace pixavue::win32
