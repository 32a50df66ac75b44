// The background music: switched on or off, chosen in the open-file chooser,
// played and stopped as a test with the program's one player.
#include "options/frmOptions.h"
#include "settings/valeurs_texte.h"

namespace pixavue {
namespace {

constexpr std::wstring_view kFiltreSons =
    L"Fichiers MIDI (*.rmi;*.mid;*.midi)|*.rmi;*.mid;*.midi|"
    L"Fichiers Windows Média (*.aif;*.wm;*.wma)|*.aif;*.wm;*.wma|"
    L"Fichiers Audio (*.wav;*.snd;*.ai;*.aifc;*.aiff)|*.wav;*.snd;*.ai;*.aifc;*.aiff|"
    L"Fichiers Multimédias (*.mp3;*.asx;*.wax;*.m3u;*.wvx)|*.mp3;*.asx;*.wax;*.m3u;*.wvx|";
constexpr std::int16_t kFiltreAudio = 3;
// OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY
constexpr std::int32_t kDrapeauxSon = 0x81804;

}  // namespace

// Always with the hidden picture box, in twips, as the owner of any video.
void frmOptions::ouvrir_son() {
  if (!s_.son.Lecteur) return;
  auto largeur = en_entier16(Picture1.decrit().rect.largeur), hauteur = en_entier16(Picture1.decrit().rect.hauteur);
  if (!largeur || !hauteur) return;
  s_.son.Lecteur->Ouvrir(s_.son.FichierSon, 0, 0, *largeur, *hauteur, s_.fenetre.poignee_picture1());
}

// Unticked, the buttons go off but the music that plays goes on.
void frmOptions::chkSon_Click() {
  if (chkSon.Value() == 0) {
    cmdJouer.set_Enabled(false);
    cmdStopSon.set_Enabled(false);
    cmdOuvrirSon.set_Enabled(false);
  } else {
    cmdOuvrirSon.set_Enabled(true);
    cmdJouer.set_Enabled(false);
    cmdStopSon.set_Enabled(false);
    // The stored sound, not the one chosen since the window opened.
    const std::wstring son = parametres_.lire(cle::son);
    if (!son.empty()) {
      s_.son.FichierSon = son;
      ouvrir_son();
      cmdJouer.set_Enabled(true);
    }
  }
  marquer_modifie();
}

void frmOptions::cmdOuvrirSon_Click() {
  try {
    CDL.CancelError = true;
    CDL.FileName.clear();
    CDL.DialogTitle = L"Sélection d'un fichier multimédia...";
    CDL.Flags = kDrapeauxSon;
    CDL.Filter = kFiltreSons;
    CDL.FilterIndex = kFiltreAudio;
    CDL.InitDir = chemin_app();
    CDL.ShowOpen();
    if (CDL.FileName.empty()) return;
    s_.son.FichierSon = CDL.FileName;
    ouvrir_son();
    marquer_modifie();
    cmdJouer.set_Enabled(true);
    cmdStopSon.set_Enabled(false);
  } catch (const Echec& echec) {
    if (echec.numero == echecs::kAnnulation) return;
    s_.fenetre.boite_message(L"Erreur inattendue dans le déroulement du programme:\r\n" + echec.description, L"Erreur",
                             Icone::arret);
  }
}

void frmOptions::cmdJouer_Click() {
  cmdStopSon.set_Enabled(true);
  cmdJouer.set_Enabled(false);
  if (s_.son.Lecteur) s_.son.Lecteur->jouer();
}

void frmOptions::cmdStopSon_Click() {
  cmdStopSon.set_Enabled(false);
  cmdJouer.set_Enabled(true);
  if (s_.son.Lecteur) s_.son.Lecteur->arret();
}

}  // namespace pixavue
