// The system's own picture decoders: which file extensions they take.
#pragma once

#include <string>
#include <vector>

namespace pixavue {

class CodecsSysteme {
 public:
  virtual ~CodecsSysteme() = default;
  // The extensions, with their dot, that the system's decoders name, in
  // their order; asked of the system once a process. It may be called from
  // any thread.
  virtual std::vector<std::wstring> extensions() = 0;
};

}  // namespace pixavue
