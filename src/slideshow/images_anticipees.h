// The next picture, prepared ahead: once a tick has shown its picture, the
// next file is decoded on one worker thread and made at the very pixels that
// the next tick will show it at, for the box that tick will ask for. The next
// tick takes it when nothing about it has changed (the file, its size and
// last write, the box), and decodes the file itself otherwise: only the
// waiting moves. A file decoded away from the process (`a_part`) is never
// decoded on the tick's thread: the tick waits for the worker, a tick at a
// time, through en_cours.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/images.h"

namespace pixavue {

// What tells one version of a file from another: a copy keeps the last
// write of its source, but not the time of the last change.
struct EmpreinteFichier {
  std::uint64_t taille = 0, ecriture = 0, changement = 0;
  friend bool operator==(const EmpreinteFichier&, const EmpreinteFichier&) = default;
};

class ImagesAnticipees : public Images {
 public:
  // The worker's own decoders, made on the worker thread itself; a decode
  // under way gives up once `abandon` is set.
  using Fabrique = std::function<std::unique_ptr<Images>(const std::atomic<bool>& abandon)>;
  // Nothing when the file can't be found.
  using Empreinte = std::function<std::optional<EmpreinteFichier>(std::wstring_view chemin)>;
  // Whether the file is decoded away from the process, which a caller never waits for.
  using APart = std::function<bool(std::wstring_view chemin)>;

  // `ici` decodes on the calling thread; not owned.
  ImagesAnticipees(Images& ici, Fabrique fabrique, Empreinte empreinte, APart a_part = {});
  // Makes a decode under way give up, waits for it, then lets the worker go.
  ~ImagesAnticipees() override;
  ImagesAnticipees(const ImagesAnticipees&) = delete;
  ImagesAnticipees& operator=(const ImagesAnticipees&) = delete;

  std::shared_ptr<const Image> charger(std::wstring_view chemin, std::optional<Cadre> cadre) override;
  void anticiper(std::wstring_view chemin, std::optional<Cadre> cadre) override;
  bool en_cours(std::wstring_view chemin, std::optional<Cadre> cadre) override;
  // Until the worker has nothing left to do: for tests and benchmarks.
  void attendre();

 private:
  struct Demande {
    std::wstring chemin;
    std::optional<Cadre> cadre;
    std::optional<EmpreinteFichier> empreinte;  // taken before the decode
  };
  struct Prete {
    Demande demande;
    std::shared_ptr<const Image> image;
  };
  void travailler();

  Images& ici_;
  Fabrique fabrique_;
  Empreinte empreinte_;
  APart a_part_;

  // The one hand-over point between the window thread and the worker:
  // every field below is read and written under mutex_ only.
  std::mutex mutex_;
  std::condition_variable signal_;
  std::optional<Demande> a_faire_, faite_;  // waiting, and under way
  std::optional<Prete> prete_;
  bool occupe_ = false, fin_ = false;
  std::atomic<bool> abandon_{false};  // read by the decoders without the mutex
  std::thread fil_;                   // started by the first request
};

}  // namespace pixavue
