// The worker that prepares the next picture, and the hand-over to the tick.
#include "slideshow/images_anticipees.h"

#include <utility>

#include "slideshow/ajustement.h"

namespace pixavue {

ImagesAnticipees::ImagesAnticipees(Images& ici, Fabrique fabrique, Empreinte empreinte, APart a_part)
    : ici_(ici), fabrique_(std::move(fabrique)), empreinte_(std::move(empreinte)), a_part_(std::move(a_part)) {}

ImagesAnticipees::~ImagesAnticipees() {
  {
    std::lock_guard<std::mutex> verrou(mutex_);
    fin_ = true;
  }
  abandon_ = true;
  signal_.notify_all();
  if (fil_.joinable()) fil_.join();
}

std::shared_ptr<const Image> ImagesAnticipees::charger(std::wstring_view chemin, std::optional<Cadre> cadre) {
  const auto maintenant = empreinte_(chemin);
  std::optional<Prete> prete;
  {
    std::lock_guard<std::mutex> verrou(mutex_);
    prete.swap(prete_);  // used now or never: a later tick wants another file
  }
  if (prete && maintenant && prete->demande.chemin == chemin && prete->demande.cadre == cadre &&
      prete->demande.empreinte == maintenant)
    return std::move(prete->image);
  // What the worker made of it, or failed to make, is all there is.
  if (a_part_ && a_part_(chemin)) return nullptr;
  return ici_.charger(chemin, cadre);
}

bool ImagesAnticipees::en_cours(std::wstring_view chemin, std::optional<Cadre> cadre) {
  if (!a_part_ || !a_part_(chemin)) return false;
  const auto celle = [&](const std::optional<Demande>& d) { return d && d->chemin == chemin && d->cadre == cadre; };
  {
    std::lock_guard<std::mutex> verrou(mutex_);
    if (prete_ && prete_->demande.chemin == chemin && prete_->demande.cadre == cadre) return false;
    if (celle(a_faire_) || (occupe_ && celle(faite_))) return true;
  }
  anticiper(chemin, cadre);
  return true;
}

void ImagesAnticipees::anticiper(std::wstring_view chemin, std::optional<Cadre> cadre) {
  {
    std::lock_guard<std::mutex> verrou(mutex_);
    a_faire_ = Demande{std::wstring(chemin), cadre, std::nullopt};
    prete_.reset();
    if (!fil_.joinable()) fil_ = std::thread([this] { travailler(); });
  }
  signal_.notify_all();
}

void ImagesAnticipees::attendre() {
  std::unique_lock<std::mutex> verrou(mutex_);
  signal_.wait(verrou, [this] { return !a_faire_ && !occupe_; });
}

void ImagesAnticipees::travailler() {
  std::unique_ptr<Images> images = fabrique_(abandon_);
  std::unique_lock<std::mutex> verrou(mutex_);
  while (true) {
    signal_.wait(verrou, [this] { return fin_ || a_faire_; });
    if (fin_) break;
    Demande demande = std::move(*a_faire_);
    a_faire_.reset();
    faite_ = demande;
    occupe_ = true;
    verrou.unlock();

    demande.empreinte = empreinte_(demande.chemin);
    std::shared_ptr<const Image> image;
    if (demande.empreinte && images) image = images->charger(demande.chemin, demande.cadre);
    if (image && demande.cadre) {
      const RectanglePixels montre = rectangle_montre(image->taille_naturelle(), *demande.cadre);
      if (auto exacte = image->a_la_taille(montre.largeur, montre.hauteur)) image = std::move(exacte);
    }

    verrou.lock();
    occupe_ = false;
    // A newer request makes this one useless.
    if (!a_faire_ && !fin_) prete_ = Prete{std::move(demande), std::move(image)};
    signal_.notify_all();
  }
  verrou.unlock();
  images.reset();  // on this thread, where it was made
}

}  // namespace pixavue
