// Process services: the previous-instance test, the command line, the end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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
  // The folder of the program's file, as the system gives it: no trailing
  // separator but at a drive root.
  virtual std::wstring dossier_programme() = 0;
  // Starts a program from a command line with a normal, focused window,
  // without waiting for it. The system's error number and text on failure.
  struct ErreurLancement {
    long numero = 0;
    std::wstring description;
  };
  virtual std::optional<ErreurLancement> lancer(std::wstring_view commande) = 0;
  // Opens a document with the program the system associates with it
  // ("open", normal window); whether that worked is not told.
  virtual void ouvrir_document(std::intptr_t proprietaire, std::wstring_view chemin) = 0;
};

}  // namespace pixavue
