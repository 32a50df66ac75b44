// A window class of the program's own, with the arrow as its cursor.
#pragma once

#include <windows.h>

namespace pixavue::win32 {

inline ATOM enregistrer_classe(HINSTANCE instance, const wchar_t* nom, WNDPROC procedure, HBRUSH fond) {
  WNDCLASSEXW classe{sizeof classe};
  classe.lpfnWndProc = procedure;
  classe.hInstance = instance;
  classe.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  classe.hbrBackground = fond;
  classe.lpszClassName = nom;
  return RegisterClassExW(&classe);
}

}  // namespace pixavue::win32
