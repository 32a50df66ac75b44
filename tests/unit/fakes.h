// Small fakes of the platform interfaces, for the logic's unit tests.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "faux_media.h"
#include "platform/ecran.h"
#include "platform/fenetre.h"
#include "platform/fichiers.h"
#include "platform/images.h"
#include "platform/magasin_parametres.h"
#include "platform/processus.h"
#include "screensaver/frmVeille.h"

namespace pixavue::test {

class FauxMagasin : public MagasinParametres {
 public:
  using Adresse = std::tuple<std::wstring, std::wstring, std::wstring>;
  std::map<Adresse, std::wstring> valeurs;
  std::vector<std::pair<std::wstring, std::wstring>> ecritures;  // key, text

  std::wstring lire_parametre(std::wstring_view a, std::wstring_view s, std::wstring_view c) override {
    auto it = valeurs.find({std::wstring(a), std::wstring(s), std::wstring(c)});
    return it == valeurs.end() ? L"" : it->second;
  }
  void ecrire_parametre(std::wstring_view a, std::wstring_view s, std::wstring_view c, std::wstring_view t) override {
    valeurs[{std::wstring(a), std::wstring(s), std::wstring(c)}] = t;
    ecritures.emplace_back(c, t);
  }
  // The program's own section.
  void poser(std::wstring_view cle, std::wstring_view texte) {
    valeurs[{L"PixavueSCR", L"parametres", std::wstring(cle)}] = texte;
  }
  bool existe(std::wstring_view cle) const { return valeurs.count({L"PixavueSCR", L"parametres", std::wstring(cle)}); }
};

class FauxProcessus : public Processus {
 public:
  bool deja_lance = false;
  std::wstring ligne;
  int terminaisons = 0;
  bool autre_instance() override { return deja_lance; }
  std::wstring argument() override { return ligne; }
  void terminer() override { ++terminaisons; }

  std::wstring dossier_du_programme = L"C:\\Programmes\\Pixavue";
  std::vector<std::wstring> lances, documents;
  std::optional<ErreurLancement> erreur_lancement;
  std::wstring dossier_programme() override { return dossier_du_programme; }
  std::optional<ErreurLancement> lancer(std::wstring_view commande) override {
    lances.emplace_back(commande);
    return erreur_lancement;
  }
  void ouvrir_document(std::intptr_t, std::wstring_view chemin) override { documents.emplace_back(chemin); }
};

class FauxEcran : public Ecran {
 public:
  MesuresEcran taille{1024 * 15.0, 768 * 15.0, 15, 15};
  int compte_curseur = 0;  // the display count: shown while >= 0
  MesuresEcran mesures() override { return taille; }
  void afficher_curseur(bool afficher) override { compte_curseur += afficher ? 1 : -1; }
};

// Folders by full path, each with the names of its plain files.
class FauxFichiers : public Fichiers {
 public:
  std::map<std::wstring, std::vector<std::wstring>> dossiers;
  std::vector<std::wstring> caches;  // full paths of hidden files
  std::wstring courant = L"C:\\courant";
  std::wstring dossier_courant() override { return courant; }
  bool existe(std::wstring_view chemin, Recherche quoi) override {
    const bool dossier = dossiers.count(std::wstring(chemin)) > 0;
    if (quoi == Recherche::dossier) return dossier;
    bool fichier = false;
    for (const auto& [nom_dossier, noms] : dossiers)
      for (const auto& nom : noms) fichier |= nom_dossier + L"\\" + nom == chemin;
    for (const auto& cache : caches) fichier &= cache != chemin;
    return fichier || (quoi == Recherche::toute_entree && dossier);
  }
  std::wstring dossier_windows() override { return L"C:\\windows"; }
  std::optional<std::vector<std::wstring>> fichiers_du_dossier(std::wstring_view dossier) override {
    auto it = dossiers.find(std::wstring(dossier));
    if (it == dossiers.end()) return std::nullopt;
    return it->second;
  }
  // ASCII letters without regard to case: the system's locale is not faked.
  std::string cle_de_tri(std::wstring_view nom) override {
    std::string cle;
    for (wchar_t c : nom) {
      const auto plie = static_cast<std::uint32_t>(c >= L'A' && c <= L'Z' ? c + 32 : c);
      for (int octet = 3; octet >= 0; --octet) cle += static_cast<char>((plie >> (8 * octet)) & 0xFF);
    }
    return cle;
  }
};

class FausseFenetre : public Fenetre, public Minuterie {
 public:
  bool maximisee = false, devant = false, active = false;
  int arrets = 0;
  double intervalle = 1000;  // as laid out
  void plein_ecran() override { maximisee = true; }
  bool premier_plan() override { return devant = true; }
  std::int32_t poignee_picture1() override { return kPicture1; }
  static constexpr std::int32_t kPicture1 = 0x2A0;
  void activer(bool a) override {
    if (!a) ++arrets;
    active = a;
  }
  bool fixer_intervalle(double ms) override {
    if (ms < 0 || ms > 65535) return false;
    intervalle = ms;
    return true;
  }
};

class FausseImage : public Image {
 public:
  explicit FausseImage(Taille taille, std::pair<int, int> faite = {}) : taille_(taille), faite_(faite) {}
  Taille taille_naturelle() const override { return taille_; }
  std::shared_ptr<const Image> a_la_taille(int largeur, int hauteur) const override {
    return std::make_shared<FausseImage>(taille_, std::pair{largeur, hauteur});
  }
  // The pixels it was made at ahead of its tick; nothing when it wasn't.
  std::pair<int, int> faite() const { return faite_; }

 private:
  Taille taille_;
  std::pair<int, int> faite_;
};

// Pictures by path; a path it doesn't know fails to load.
class FaussesImages : public Images {
 public:
  std::map<std::wstring, Taille> tailles;
  std::vector<std::wstring> chargees;
  std::vector<std::optional<Cadre>> cadres;
  std::shared_ptr<const Image> charger(std::wstring_view chemin, std::optional<Cadre> cadre) override {
    chargees.emplace_back(chemin);
    cadres.push_back(cadre);
    auto it = tailles.find(std::wstring(chemin));
    if (it == tailles.end()) return nullptr;
    return std::make_shared<FausseImage>(it->second);
  }
  std::vector<std::pair<std::wstring, std::optional<Cadre>>> anticipees;
  void anticiper(std::wstring_view chemin, std::optional<Cadre> cadre) override {
    anticipees.emplace_back(chemin, cadre);
  }
};

// Everything a screensaver window needs, faked, with a way to build one.
struct Banc {
  FauxMagasin magasin;
  FauxProcessus processus;
  FauxEcran ecran;
  FauxFichiers fichiers;
  FausseFenetre fenetre;
  FaussesImages images;
  FauxMoteurMedia media;
  SonPartage son;
  frmVeille::Services services() { return {magasin, processus, ecran, fichiers, fenetre, fenetre, images, media, son}; }

  // A window started with that command line over these settings.
  std::unique_ptr<frmVeille> demarrer(const wchar_t* argument,
                                      std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> reglages = {}) {
    for (auto [cle, valeur] : reglages) magasin.poser(cle, valeur);
    processus.ligne = argument;
    auto fenetre_veille = std::make_unique<frmVeille>(services(), 96);
    fenetre_veille->Form_Load();
    return fenetre_veille;
  }
};

}  // namespace pixavue::test
