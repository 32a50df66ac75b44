// The imaging component's decoders, as the system has them.
#pragma once

#include "platform/codecs.h"

namespace pixavue::win32 {

class CodecsWin32 : public CodecsSysteme {
 public:
  // Enumerated once a process, whatever the thread.
  std::vector<std::wstring> extensions() override;
};

}  // namespace pixavue::win32
