// Small fakes of the platform interfaces, for the logic's unit tests.
#pragma once

#include <algorithm>
#include <atomic>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "faux_media.h"
#include "platform/codecs.h"
#include "platform/ecran.h"
#include "platform/fenetre.h"
#include "platform/fichiers.h"
#include "platform/images.h"
#include "platform/magasin_parametres.h"
#include "platform/processus.h"
#include "screensaver/frmVeille.h"
#include "slideshow/liste_fichiers.h"

namespace pixavue::test {

struct FauxMagasin : MagasinParametres {
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

struct FauxProcessus : Processus {
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

struct FauxEcran : Ecran {
  MesuresEcran taille{1024 * 15.0, 768 * 15.0, 15, 15};
  int compte_curseur = 0;  // the display count: shown while >= 0
  // One monitor, the primary, unless a test lays out more.
  std::vector<Moniteur> liste{{{0, 0, 1024, 768}, true}};
  MesuresEcran mesures() override { return taille; }
  std::vector<Moniteur> moniteurs() override { return liste; }
  void afficher_curseur(bool afficher) override { compte_curseur += afficher ? 1 : -1; }
};

// Folders by full path, each with the names of its plain files; a folder's
// sub-folders are the folders whose path goes on from its own.
struct FauxFichiers : Fichiers {
  std::map<std::wstring, std::vector<std::wstring>> dossiers;
  std::vector<std::wstring> caches;            // full paths of hidden files and folders
  std::set<std::wstring> illisibles;           // listed by their folder, but can't be read
  std::map<std::wstring, std::wstring> liens;  // a link's full path, and the folder it leads to
  // Called before each folder is read, on the listing's thread, with its path.
  std::function<void(const std::wstring&)> avant_lecture;
  std::wstring courant = L"C:\\courant";
  std::wstring dossier_courant() override { return courant; }
  // As the system's: a folder answers with or without its last separator.
  bool existe(std::wstring_view chemin, Recherche quoi) override {
    const auto sans_separateur = [](std::wstring_view c) { return c.ends_with(L'\\') ? c.substr(0, c.size() - 1) : c; };
    bool dossier = false;
    for (const auto& [nom_dossier, noms] : dossiers) dossier |= sans_separateur(nom_dossier) == sans_separateur(chemin);
    if (quoi == Recherche::fichier_ordinaire && chemin.ends_with(L'\\')) return false;
    if (quoi == Recherche::dossier) return dossier;
    bool fichier = false;
    for (const auto& [nom_dossier, noms] : dossiers)
      for (const auto& nom : noms) fichier |= nom_dossier + L"\\" + nom == chemin;
    for (const auto& cache : caches) fichier &= cache != chemin;
    return fichier || (quoi == Recherche::toute_entree && dossier);
  }
  std::wstring dossier_windows() override { return L"C:\\windows"; }
  std::optional<ContenuDossier> lire_dossier(std::wstring_view chemin) override {
    const std::wstring demande(chemin.ends_with(L'\\') && dossiers.count(std::wstring(chemin)) == 0
                                   ? chemin.substr(0, chemin.size() - 1)
                                   : chemin);
    if (avant_lecture) avant_lecture(demande);
    const std::wstring dossier = liens.count(demande) ? liens.at(demande) : demande;
    auto it = dossiers.find(dossier);
    if (it == dossiers.end() || illisibles.count(dossier)) return std::nullopt;
    ContenuDossier contenu{IdentiteDossier{1, std::uint64_t(std::distance(dossiers.begin(), it))}, {}};
    const std::wstring dedans = avec_separateur(dossier);
    const auto cache = [&](const std::wstring& nom) {
      return std::find(caches.begin(), caches.end(), dedans + nom) != caches.end();
    };
    for (const auto& nom : it->second) contenu.entrees.push_back({nom, false, cache(nom)});
    // Every folder and link one level down.
    const auto sous_dossier = [&](const std::wstring& chemin) {
      if (chemin.size() <= dedans.size() || !chemin.starts_with(dedans) ||
          chemin.find(L'\\', dedans.size()) != std::wstring::npos)
        return;
      const std::wstring nom = chemin.substr(dedans.size());
      contenu.entrees.push_back({nom, true, cache(nom)});
    };
    for (const auto& [autre, noms] : dossiers) sous_dossier(autre);
    for (const auto& [lien, vers] : liens) sous_dossier(lien);
    return contenu;
  }
  // ASCII letters without regard to case: the system's locale is not faked.
  // Each character as eight digits, so that the keys sort as the characters.
  std::string cle_de_tri(std::wstring_view nom) override {
    std::string cle;
    for (wchar_t c : nom) cle += std::to_string(10'000'000 + (c >= L'A' && c <= L'Z' ? c + 32 : c));
    return cle;
  }
};

struct FausseFenetre : Fenetre, Minuterie {
  bool maximisee = false, devant = false, active = false, retiree = false;
  int arrets = 0;
  double intervalle = 1000;  // as laid out
  void plein_ecran() override { maximisee = true; }
  bool premier_plan() override { return devant = true; }
  std::int32_t poignee_picture1() override { return 0x2A0; }
  void retirer() override { retiree = true; }
  // The listing's word, from its thread; the tests wait for it.
  void reveiller() override { liste_entiere = true; }
  std::atomic<bool> liste_entiere{false};
  void activer(bool a) override {
    if (!a) ++arrets;
    active = a;
  }
  // Refused out of 0 to 65,535 ms, keeping the interval it had.
  bool fixer_intervalle(double ms) override { return ms >= 0 && ms <= 65535 && (intervalle = ms, true); }
};

struct FausseImage : Image {
  explicit FausseImage(Taille taille, std::pair<int, int> faite = {}) : taille(taille), faite(faite) {}
  Taille taille;
  std::pair<int, int> faite;  // the pixels it was made at ahead of its tick; nothing when it wasn't
  Taille taille_naturelle() const override { return taille; }
  std::shared_ptr<const Image> a_la_taille(int largeur, int hauteur) const override {
    return std::make_shared<FausseImage>(taille, std::pair{largeur, hauteur});
  }
};

// Pictures by path; a path it doesn't know fails to load.
struct FaussesImages : Images {
  std::map<std::wstring, Taille> tailles;
  std::vector<std::wstring> chargees;
  std::vector<std::optional<Cadre>> cadres;
  std::shared_ptr<const Image> charger(std::wstring_view chemin, std::optional<Cadre> cadre) override {
    chargees.emplace_back(chemin);
    cadres.push_back(cadre);
    auto it = tailles.find(std::wstring(chemin));
    return it == tailles.end() ? nullptr : std::make_shared<FausseImage>(it->second);
  }
  std::vector<std::pair<std::wstring, std::optional<Cadre>>> anticipees;
  void anticiper(std::wstring_view chemin, std::optional<Cadre> cadre) override {
    anticipees.emplace_back(chemin, cadre);
  }
  std::set<std::wstring> en_cours_ailleurs;  // being decoded where the tick must not wait
  bool en_cours(std::wstring_view chemin, std::optional<Cadre>) override {
    return en_cours_ailleurs.count(std::wstring(chemin)) > 0;
  }
};

using Reglages = std::initializer_list<std::pair<const wchar_t*, const wchar_t*>>;  // key, text

// Extensions as the system's decoders would give them.
struct FauxCodecs : CodecsSysteme {
  std::vector<std::wstring> noms;
  std::vector<std::wstring> extensions() override { return noms; }
};

// What both windows need, faked.
struct BancCommun {
  FauxMagasin magasin;
  FauxProcessus processus;
  FauxEcran ecran;
  FauxFichiers fichiers;
  FauxMoteurMedia media;
  SonPartage son;
  FauxCodecs codecs;
};

// Everything a screensaver window needs, faked, with a way to build one.
struct Banc : BancCommun {
  FausseFenetre fenetre;
  FaussesImages images;
  SuiteDemarrage suite{};  // what the last start left the program to do
  frmVeille::Services services() {
    return {magasin, processus, ecran, fichiers, fenetre, fenetre, images, media, son, codecs};
  }

  // A window started with that command line over these settings; a
  // full-screen one with its list taken once whole, unless told not to wait.
  std::unique_ptr<frmVeille> demarrer(const wchar_t* argument, Reglages reglages = {}, bool attendre_liste = true) {
    for (auto [cle, valeur] : reglages) magasin.poser(cle, valeur);
    processus.ligne = argument;
    auto fenetre_veille = std::make_unique<frmVeille>(services(), 96);
    suite = fenetre_veille->Form_Load();
    if (fenetre.maximisee && attendre_liste) {
      while (!fenetre.liste_entiere) std::this_thread::yield();
      fenetre_veille->Listage_Termine();
    }
    return fenetre_veille;
  }
};

}  // namespace pixavue::test
