// The worker that lists the run's folder, and the hand-over of its list.
#include "slideshow/listage_en_fond.h"

#include <utility>

namespace pixavue {

ListageEnFond::ListageEnFond(Fichiers& fichiers, ListeFichiers demande, Motif motif, std::function<void()> fin)
    : fil_([this, &fichiers, demande = std::move(demande), motif = std::move(motif), fin = std::move(fin)]() mutable {
        if (auto choisi = motif()) demande.Pattern = std::move(*choisi);
        demande.Refresh(fichiers, &abandon_);
        if (abandon_) return;
        {
          std::lock_guard<std::mutex> verrou(mutex_);
          liste_ = std::move(demande);
        }
        fin();
      }) {}

ListageEnFond::~ListageEnFond() {
  abandon_ = true;
  if (fil_.joinable()) fil_.join();
}

std::optional<ListeFichiers> ListageEnFond::prendre() {
  std::lock_guard<std::mutex> verrou(mutex_);
  std::optional<ListeFichiers> liste;
  liste.swap(liste_);
  return liste;
}

}  // namespace pixavue
