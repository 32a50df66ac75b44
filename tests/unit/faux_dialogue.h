// Fakes for the settings dialog: its real window and the system's choosers,
// both writing down what they were asked; and a dialog built over them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakes.h"
#include "options/frmOptions.h"
#include "platform/dialogue.h"
#include "platform/dialogues_systeme.h"

namespace pixavue::test {

struct Boite {
  std::wstring texte, titre;
  Icone icone;
  friend bool operator==(const Boite&, const Boite&) = default;
};

class FausseFenetreDialogue : public FenetreDialogue {
 public:
  std::vector<Boite> boites;
  std::vector<std::wstring> actualises;  // names of the controls shown again
  std::wstring focus;
  SelectionTexte selection_texte{2, 0};
  double gauche = -1, haut = -1;
  int f1 = 0;

  void actualiser(const ControleDialogue& c) override { actualises.emplace_back(c.decrit().nom); }
  void donner_focus(const ControleDialogue& c) override { focus = c.decrit().nom; }
  SelectionTexte selection(const ControleDialogue&) override { return selection_texte; }
  void selectionner(const ControleDialogue&, SelectionTexte s) override { selection_texte = s; }
  double largeur_twips() override { return 5175; }
  double hauteur_twips() override { return 5985; }
  void placer(double g, double h) override { gauche = g, haut = h; }
  std::intptr_t poignee() override { return 0x1000; }
  std::int32_t poignee_picture1() override { return 0x2000; }
  void boite_message(std::wstring_view texte, std::wstring_view titre, Icone icone) override {
    boites.push_back({std::wstring(texte), std::wstring(titre), icone});
  }
  void envoyer_f1() override { ++f1; }
};

// Answers with what the test put in, and keeps what it was asked.
class FauxDialogues : public DialoguesSysteme {
 public:
  ReponseFichier fichier;
  std::optional<std::wstring> dossier;
  ReponseCouleur couleur;
  std::vector<DemandeFichier> demandes;
  std::vector<SorteFichier> sortes;
  std::vector<std::wstring> consignes;
  std::vector<std::intptr_t> proprietaires;
  std::vector<std::uint32_t> couleurs_donnees, drapeaux_couleur, drapeaux_dossier;

  ReponseFichier choisir_fichier(SorteFichier sorte, const DemandeFichier& demande) override {
    sortes.push_back(sorte);
    demandes.push_back(demande);
    return fichier;
  }
  std::optional<std::wstring> choisir_dossier(std::intptr_t proprietaire, std::wstring_view consigne,
                                              std::uint32_t drapeaux) override {
    proprietaires.push_back(proprietaire);
    consignes.emplace_back(consigne);
    drapeaux_dossier.push_back(drapeaux);
    return dossier;
  }
  ReponseCouleur choisir_couleur(std::intptr_t, std::uint32_t c, std::uint32_t drapeaux) override {
    couleurs_donnees.push_back(c);
    drapeaux_couleur.push_back(drapeaux);
    return couleur;
  }
};

// The dialog over fakes, with the Windows folder holding a few pictures.
struct BancOptions {
  FauxMagasin magasin;
  FauxProcessus processus;
  FauxEcran ecran;
  FauxFichiers fichiers;
  FausseFenetreDialogue fenetre;
  FauxDialogues dialogues;
  FauxMoteurMedia media;
  SonPartage son;
  std::unique_ptr<frmOptions> options;

  BancOptions() { fichiers.dossiers[L"C:\\windows"] = {L"a.bmp", L"b.jpg", L"notes.txt"}; }

  frmOptions& charger(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> reglages = {}) {
    for (auto [cle, valeur] : reglages) magasin.poser(cle, valeur);
    options = std::make_unique<frmOptions>(
        frmOptions::Services{magasin, processus, ecran, fichiers, fenetre, dialogues, media, son});
    options->Form_Load();
    return *options;
  }
  std::vector<std::wstring> titres_des_boites() const {
    std::vector<std::wstring> titres;
    for (const auto& b : fenetre.boites) titres.push_back(b.titre);
    return titres;
  }
};

}  // namespace pixavue::test
