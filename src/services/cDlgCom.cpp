// The file and folder choosers' rules: defaults written back, the filter
// conversion, the flags the class lets through, what a cancel leaves.
#include "services/cDlgCom.h"

#include "services/echec.h"

namespace pixavue {
namespace {

constexpr std::wstring_view kFiltreParDefaut = L"Tous(*.*)|*.*";
constexpr int kTamponFichier = 260;
// The chooser is told the file buffer is a little smaller than it is.
constexpr int kCapaciteAnnoncee = 255;
// No hook, no template, nothing above OFN_NOTESTFILECREATE (OFN_EXPLORER included).
constexpr std::uint32_t kDrapeauxPermis = 0x1FF1F;
constexpr std::uint32_t kDossiersDuSystemeSeuls = 0x1 | 0x2;  // BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN

}  // namespace

std::optional<std::wstring> titre_ou_rien(const std::wstring& titre) {
  if (titre.empty()) return std::nullopt;
  return titre;
}

std::wstring filtre_systeme(std::wstring_view filtre) {
  std::wstring systeme;
  systeme.reserve(filtre.size() + 2);
  for (wchar_t c : filtre) systeme += c == L'|' ? L'\0' : c;
  systeme += L'\0';
  systeme += L'\0';
  return systeme;
}

bool cDlgCom::ShowFileDialog(bool ouvrir) {
  if (Filter_.empty()) Filter_ = kFiltreParDefaut;
  if (FilterIndex_ == 0) FilterIndex_ = 1;
  if (Filename_.size() > kTamponFichier) throw Echec{5, L"Argument ou appel de procédure incorrect."};

  const DemandeFichier demande{
      .proprietaire = hdcOwner_,
      .filtre = filtre_systeme(Filter_),
      .indice_filtre = FilterIndex_,
      .fichier = Filename_,
      .capacite_fichier = kCapaciteAnnoncee,
      .capacite_titre = kTamponFichier,
      .dossier_initial = InitDir_,
      .titre = titre_ou_rien(DialogTitle_),
      .drapeaux = static_cast<std::uint32_t>(Flags_) & kDrapeauxPermis,
      .extension_defaut = DefaultEx_,
  };

  ReponseFichier reponse =
      dialogues_.choisir_fichier(ouvrir ? SorteFichier::ouvrir : SorteFichier::enregistrer, demande);
  if (reponse.issue != Issue::choisi) {
    Filename_.clear();
    FileTitle_.clear();
    Flags_ = 0;
    return false;
  }
  Filename_ = reponse.fichier;
  FileTitle_ = reponse.titre;
  // The file's folder, without the separator before its name.
  const std::size_t longueur_dossier =
      Filename_.size() > FileTitle_.size() ? Filename_.size() - FileTitle_.size() - 1 : 0;
  Folder_ = Filename_.substr(0, longueur_dossier);
  Flags_ = static_cast<std::int32_t>(reponse.drapeaux);
  return true;
}

bool cDlgCom::ShowOpenFolder() {
  auto dossier = dialogues_.choisir_dossier(hdcOwner_, DialogTitle_, kDossiersDuSystemeSeuls);
  if (!dossier) return false;
  Folder_ = *dossier;
  return true;
}

}  // namespace pixavue
