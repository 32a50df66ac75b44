// The options window's common-dialog object (CDL): the open-file and colour
// choosers behind the properties that the window sets before each use.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialogues_systeme.h"

namespace pixavue {

class CommonDialog {
 public:
  CommonDialog(DialoguesSysteme& dialogues, std::intptr_t proprietaire)
      : dialogues_(dialogues), proprietaire_(proprietaire) {}

  bool CancelError = false;  // a cancel makes the Show call throw Echec 32755
  std::wstring FileName;     // set before, read after the open-file chooser
  std::wstring DialogTitle;
  std::int32_t Flags = 0;  // OFN_ values for ShowOpen, CC_ values for ShowColor
  std::wstring Filter;     // "Desc|masks|Desc|masks|"
  std::int16_t FilterIndex = 0;
  std::wstring InitDir;
  std::uint32_t Color = 0;  // 0x00BBGGRR, set before, read after the colour chooser

  // A failing chooser throws Echec with its own error code.
  void ShowOpen();
  void ShowColor();

 private:
  DialoguesSysteme& dialogues_;
  std::intptr_t proprietaire_;
};

}  // namespace pixavue
