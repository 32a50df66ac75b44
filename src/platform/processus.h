// Process services: the previous-instance test, the command line, the end.
#pragma once

#include <string>

namespace pixavue {

class Processus {
 public:
  virtual ~Processus() = default;
  // True when another copy of this program is already running for the user.
  virtual bool autre_instance() = 0;
  // The argument text of the command line: what follows the program's name
  // and the one blank that separates them, other blanks kept.
  virtual std::wstring argument() = 0;
  // Ends the program at once: no further message is handled and every
  // window goes away. Never returns on a real system.
  virtual void terminer() = 0;
};

}  // namespace pixavue
