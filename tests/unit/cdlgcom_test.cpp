// The file and folder chooser object and the window's common-dialog object:
// what they hand the system's choosers and what they keep afterwards.
#include <gtest/gtest.h>

#include "faux_dialogue.h"
#include "services/CommonDialog.h"
#include "services/cDlgCom.h"
#include "services/echec.h"

namespace pixavue {
namespace {

TEST(cDlgCom, AnObjectWithoutInputsGetsItsDefaultsWrittenBack) {
  test::FauxDialogues systeme;
  cDlgCom dialogue(systeme);
  EXPECT_FALSE(dialogue.ShowOpen());
  EXPECT_EQ(dialogue.Filter(), L"Tous(*.*)|*.*");
  EXPECT_EQ(dialogue.FilterIndex(), 1);
  const DemandeFichier& d = systeme.demandes.back();
  EXPECT_EQ(d.filtre, std::wstring(L"Tous(*.*)\0*.*\0\0", 15));
  EXPECT_EQ(d.indice_filtre, 1);
  EXPECT_EQ(d.capacite_fichier, 255);  // the buffer is 260; the chooser is told 255
  EXPECT_EQ(d.capacite_titre, 260);
  EXPECT_FALSE(d.titre);  // the system's own title
  EXPECT_EQ(systeme.sortes.back(), SorteFichier::ouvrir);
  EXPECT_FALSE(dialogue.ShowSave());
  EXPECT_EQ(systeme.sortes.back(), SorteFichier::enregistrer);
}

TEST(cDlgCom, AConfirmedChoiceGivesTheFileItsNameItsFolderAndTheReturnedFlags) {
  test::FauxDialogues systeme;
  cDlgCom dialogue(systeme);
  dialogue.set_Filter(L"Sons|*.wav|");
  dialogue.set_Flags(0x80000 | 0x4 | 0x20);  // explorer and hook are not let through
  dialogue.set_DialogTitle(L"Choisir");
  dialogue.set_hdcOwner(0x77);
  struct Cas {
    const wchar_t* fichier;
    const wchar_t* titre;
    const wchar_t* dossier;
  } cas[] = {{L"C:\\son.wav", L"son.wav", L"C:"}, {L"C:\\Musique\\son.wav", L"son.wav", L"C:\\Musique"}};
  for (auto [fichier, titre, dossier] : cas) {
    systeme.fichier = {Issue::choisi, fichier, titre, 0x4 | 0x400};
    EXPECT_TRUE(dialogue.ShowOpen());
    EXPECT_EQ(dialogue.Filename(), fichier);
    EXPECT_EQ(dialogue.FileTitle(), titre);
    EXPECT_EQ(dialogue.Folder(), dossier);
    EXPECT_EQ(dialogue.Flags(), 0x404);  // as returned, not masked
  }
  const DemandeFichier& d = systeme.demandes.front();
  EXPECT_EQ(d.drapeaux, 0x4u);
  EXPECT_EQ(d.filtre, std::wstring(L"Sons\0*.wav\0\0\0", 13));  // a final "|" only adds one NUL more
  EXPECT_EQ(d.titre, L"Choisir");
  EXPECT_EQ(d.proprietaire, 0x77);

  systeme.fichier = {Issue::echec};  // a failure is a cancel
  EXPECT_FALSE(dialogue.ShowSave());
  EXPECT_EQ(dialogue.Filename(), L"");
  EXPECT_EQ(dialogue.FileTitle(), L"");
  EXPECT_EQ(dialogue.Flags(), 0);
  EXPECT_EQ(dialogue.Folder(), L"C:\\Musique");
  EXPECT_EQ(dialogue.Filter(), L"Sons|*.wav|");

  dialogue.set_Filename(std::wstring(261, L'x'));
  EXPECT_THROW(dialogue.ShowOpen(), Echec);
  EXPECT_EQ(systeme.demandes.size(), 3u);  // no chooser opened
}

TEST(cDlgCom, TheFolderChooserKeepsItsFolderOnACancel) {
  test::FauxDialogues systeme;
  cDlgCom dialogue(systeme);
  dialogue.set_InitDir(L"C:\\ignore");
  systeme.dossier = L"D:\\";
  EXPECT_TRUE(dialogue.ShowOpenFolder());
  EXPECT_EQ(dialogue.Folder(), L"D:\\");
  systeme.dossier.reset();
  EXPECT_FALSE(dialogue.ShowOpenFolder());
  EXPECT_EQ(dialogue.Folder(), L"D:\\");
  EXPECT_EQ(systeme.consignes, (std::vector<std::wstring>{L"", L""}));
  EXPECT_EQ(systeme.proprietaires, (std::vector<std::intptr_t>{0, 0}));
}

TEST(CommonDialog, ACancelFailsWith32755OnlyWhenAskedTo) {
  test::FauxDialogues systeme;
  CommonDialog cdl(systeme, 0x55);
  cdl.FileName = L"avant";
  EXPECT_NO_THROW(cdl.ShowOpen());
  EXPECT_EQ(cdl.FileName, L"avant");
  cdl.CancelError = true;
  try {
    cdl.ShowColor();
    ADD_FAILURE() << "a cancel must fail";
  } catch (const Echec& echec) {
    EXPECT_EQ(echec.numero, 32755);
  }
  systeme.couleur = {Issue::echec, 0, 0xFFFF};
  EXPECT_THROW(cdl.ShowColor(), Echec);
  systeme.couleur = {Issue::choisi, 0x123456};
  cdl.ShowColor();
  EXPECT_EQ(cdl.Color, 0x123456u);
  EXPECT_EQ(systeme.demandes.back().proprietaire, 0x55);
}

}  // namespace
}  // namespace pixavue
