// Every key of the program's section holding, in turn, every kind of text a
// user or another program could leave there: a full-screen run with its
// ticks and the settings dialog both survive it, and neither writes anything
// but the first-run default of a key that reads empty.
#include <gtest/gtest.h>

#include "fakes.h"
#include "faux_dialogue.h"
#include "options/frmOptions.h"
#include "screensaver/frmVeille.h"

namespace pixavue {
namespace {

const std::wstring kCles[] = {L"dossier demarrage", L"secondes",     L"chemin fichier", L"type fichier",
                              L"couleur fond",      L"informations", L"taille",         L"son"};

std::vector<std::wstring> valeurs_hostiles() {
  std::wstring controle;
  for (wchar_t c = 1; c < 32; ++c) controle += c;
  return {L"",
          L"   ",
          L"abc",
          L"-1",
          L"99999999999",
          L"1e308",
          L"4.5",
          std::wstring(10'000, L'7'),
          controle,
          L"写真 фото صورة 🖼"};
}

// Writes are first-run defaults: to a key that read empty, and nowhere else.
void seulement_des_defauts(const test::FauxMagasin& magasin, const std::wstring& cle, const std::wstring& valeur) {
  for (const auto& [ecrite, texte] : magasin.ecritures)
    if (ecrite == cle) {
      EXPECT_TRUE(valeur.empty()) << "the hostile value was overwritten with " << texte;
    }
}

TEST(ReglagesHostiles, AFullScreenRunAndItsTicksSurviveEveryValueOfEveryKey) {
  for (const std::wstring& cle : kCles)
    for (const std::wstring& valeur : valeurs_hostiles()) {
      SCOPED_TRACE(testing::Message() << cle << L" = " << valeur.substr(0, 20));
      test::Banc banc;
      banc.fichiers.dossiers[L"D:\\img"] = {L"a.bmp", L"b.jpg"};
      banc.images.tailles[L"D:\\img\\a.bmp"] = {640, 480};
      banc.magasin.poser(L"dossier demarrage", L"D:\\img");
      banc.magasin.poser(cle, valeur);
      banc.magasin.ecritures.clear();
      auto fenetre = banc.demarrer(L"/s");
      for (int tick = 0; tick < 3; ++tick) fenetre->Timer1_Timer();
      seulement_des_defauts(banc.magasin, cle, valeur);
      // A tick shows a picture, the error text or the empty-folder text.
      if (fenetre->txtInfos.Visible) {
        EXPECT_TRUE(fenetre->txtInfos.Caption == L"Erreur lors de la lecture du fichier" ||
                    fenetre->txtInfos.Caption == L"Aucuns fichiers à visionner...");
      } else {
        EXPECT_TRUE(fenetre->Image1[1].Visible);
      }
      EXPECT_EQ(banc.processus.terminaisons, 0);
      EXPECT_GE(banc.fenetre.intervalle, 0);
      EXPECT_LE(banc.fenetre.intervalle, 65535);
    }
}

TEST(ReglagesHostiles, TheSettingsDialogLoadsAndClosesWithEveryValueOfEveryKey) {
  for (const std::wstring& cle : kCles)
    for (const std::wstring& valeur : valeurs_hostiles()) {
      SCOPED_TRACE(testing::Message() << cle << L" = " << valeur.substr(0, 20));
      test::BancOptions banc;
      banc.magasin.poser(cle, valeur);
      banc.magasin.ecritures.clear();
      banc.charger();
      seulement_des_defauts(banc.magasin, cle, valeur);
      // The load's warning, or the word that the folder holds no picture.
      for (const auto& titre : banc.titres_des_boites())
        EXPECT_TRUE(titre == L"Pixavue-SCR" || titre == L"Information");
      banc.options->Form_Unload();
      EXPECT_EQ(banc.processus.terminaisons, 1);
    }
}

}  // namespace
}  // namespace pixavue
