// Fakes for the settings dialog: its real window and the system's choosers;
// a dialog built over them, and its state written as one line.
#pragma once

#include "fakes.h"
#include "options/frmOptions.h"

namespace pixavue::test {

struct FausseFenetreDialogue : FenetreDialogue {
  // Each box shown, "[icon title: text]" with the icons i, ! and x; its title.
  std::vector<std::wstring> boites, titres;
  std::vector<std::wstring> actualises;  // names of the controls shown again
  std::wstring focus;
  SelectionTexte selection_texte{2, 0};
  double gauche = -1, haut = -1;

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
    titres.emplace_back(titre);
    boites.push_back(L"[" + std::wstring(1, L"i!x"[static_cast<int>(icone)]) + L" " + titres.back() + L": " +
                     std::wstring(texte) + L"]");
  }
  void envoyer_f1() override {}
};

// Answers with what the test put in, and keeps the colours it was given.
struct FauxDialogues : DialoguesSysteme {
  ReponseFichier fichier;
  std::optional<std::wstring> dossier;
  ReponseCouleur couleur;
  std::vector<std::uint32_t> couleurs_donnees;

  ReponseFichier choisir_fichier(SorteFichier, const DemandeFichier&) override { return fichier; }
  std::optional<std::wstring> choisir_dossier(std::intptr_t, std::wstring_view, std::uint32_t) override {
    return dossier;
  }
  ReponseCouleur choisir_couleur(std::intptr_t, std::uint32_t c, std::uint32_t) override {
    couleurs_donnees.push_back(c);
    return couleur;
  }
};

// The box that a folder without pictures of the chosen type brings up.
inline const std::wstring kAucunFichier =
    L"[i Information: Aucun fichier, du type souhaité, trouvé dans le dossier spécifié.]";

// The dialog over fakes, with the Windows folder and D:\photos holding a few
// pictures, and D:\ none.
struct BancOptions : BancCommun {
  FausseFenetreDialogue fenetre;
  FauxDialogues dialogues;
  std::unique_ptr<frmOptions> options;

  BancOptions() {
    fichiers.dossiers = {
        {L"C:\\windows", {L"a.bmp", L"b.jpg", L"notes.txt"}}, {L"D:\\", {}}, {L"D:\\photos", {L"a.jpg", L"b.gif"}}};
  }

  frmOptions& charger(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> reglages = {}) {
    for (auto [cle, valeur] : reglages) magasin.poser(cle, valeur);
    options = std::make_unique<frmOptions>(
        frmOptions::Services{magasin, processus, ecran, fichiers, fenetre, dialogues, media, son, codecs});
    options->Form_Load();
    return *options;
  }
  std::vector<std::wstring> titres_des_boites() const { return fenetre.titres; }
  // The program's settings as stored, "key=text" in the keys' order.
  std::wstring reglages() const {
    std::wstring s;
    for (const auto& [adresse, texte] : magasin.valeurs)
      if (std::get<0>(adresse) == L"PixavueSCR") s += std::get<2>(adresse) + L"=" + texte + L" ";
    return s;
  }
  // The dialog as its user sees it: each control's value, "-" before one
  // that is off (one without a value shows only then, or when named in
  // `seulement`: then only the controls it names show), the hidden file
  // list's folder and count, the sound chosen and whether it plays; and the
  // boxes.
  std::wstring etat(std::wstring_view seulement = {}) {
    const std::wstring noms = L" " + std::wstring(seulement) + L" ";
    auto montre = [&](const std::wstring& nom) {
      return seulement.empty() || noms.find(L" " + nom + L" ") != noms.npos;
    };
    std::wstring s;
    options->pour_chaque_controle([&](ControleDialogue& c) {
      const Genre g = c.decrit().genre;
      std::wstring nom(c.decrit().nom), valeur;
      if (c.decrit().indice >= 0) nom += std::to_wstring(c.decrit().indice);
      if (g == Genre::zone_texte) valeur = L"=" + c.Text();
      if (g == Genre::case_a_cocher || g == Genre::bouton_option) valeur = L"=" + std::to_wstring(c.Value());
      if (g == Genre::liste || g == Genre::liste_deroulante) valeur = L"=" + std::to_wstring(c.ListIndex());
      if (c.BackColor().source == Couleur::Source::valeur) valeur = L"=" + std::to_wstring(c.BackColor().valeur);
      if (montre(nom) && (!valeur.empty() || !c.Enabled() || !seulement.empty()))
        s += (c.Enabled() ? L" " : L" -") + nom + valeur;
    });
    if (montre(L"File1")) s += L" File1=" + options->File1.Path() + L"/" + std::to_wstring(options->File1.ListCount());
    if (montre(L"son")) s += L" son=" + son.FichierSon + (media.en_lecture ? L" (joue)" : L"");
    for (const auto& boite : fenetre.boites) s += L" " + boite;
    return s.empty() ? s : s.substr(1);
  }
};

}  // namespace pixavue::test
