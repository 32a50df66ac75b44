// The run's file list, made on a worker thread: a folder on a drive that
// answers late, or never, holds neither the window nor its input. The list
// passes to the window's thread once, whole.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/fichiers.h"
#include "slideshow/liste_fichiers.h"

namespace pixavue {

class ListageEnFond {
 public:
  // Lists `demande`'s folder (its tree or not), with the pattern `motif`
  // gives on the worker, or the list's own when it gives none: asking the
  // system which pictures it decodes takes a while too. `fin` is called on
  // the worker once the list is whole, to wake the window's thread;
  // `fichiers` outlives the listing.
  using Motif = std::function<std::optional<std::wstring>()>;
  ListageEnFond(Fichiers& fichiers, ListeFichiers demande, Motif motif, std::function<void()> fin);
  // Waits for the worker. A run never comes here: it ends its process,
  // whatever the listing is doing, after abandonner().
  ~ListageEnFond();
  ListageEnFond(const ListageEnFond&) = delete;
  ListageEnFond& operator=(const ListageEnFond&) = delete;

  // The whole list, once; nothing before it is whole, or once it is taken.
  std::optional<ListeFichiers> prendre();
  // The listing stops at its next folder; nothing waits for it.
  void abandonner() { abandon_ = true; }

 private:
  std::mutex mutex_;
  std::optional<ListeFichiers> liste_;  // under mutex_
  std::atomic<bool> abandon_{false};
  std::thread fil_;
};

}  // namespace pixavue
