// Each key of the program's section holding, in turn, any text a user or another program could
// leave there: a full-screen run and the settings dialog survive it and write only empty keys' defaults.
#include <gtest/gtest.h>

#include "fakes.h"
#include "faux_dialogue.h"
#include "options/frmOptions.h"
#include "screensaver/frmVeille.h"

namespace pixavue {
namespace {

// Runs `essayer` over a store holding one hostile text, for each key and
// text, then checks what it wrote.
template <class Banc, class Essai>
void pour_chaque_texte_hostile(Essai essayer) {
  std::wstring controle, ecritures = L"写真 фото صورة 🖼";
  for (wchar_t c = 1; c < 32; ++c) controle += c;
  const std::wstring valeurs[] = {
      L"", L"   ", L"abc", L"-1", L"99999999999", L"1e308", L"4.5", std::wstring(10'000, L'7'), controle, ecritures,
  };
  for (const wchar_t* cle : {L"dossier demarrage", L"secondes", L"chemin fichier", L"type fichier", L"couleur fond",
                             L"informations", L"taille", L"son", L"sous dossiers", L"ordre aleatoire"})
    for (const std::wstring& valeur : valeurs) {
      SCOPED_TRACE(testing::Message() << cle << L" = " << valeur.substr(0, 20));
      Banc banc;
      banc.magasin.poser(cle, valeur);
      essayer(banc);
      for (const auto& [ecrite, texte] : banc.magasin.ecritures)
        EXPECT_TRUE(ecrite != cle || valeur.empty()) << "the hostile value was overwritten with " << texte;
    }
}

TEST(ReglagesHostiles, AFullScreenRunAndItsTicksSurviveEveryValueOfEveryKey) {
  pour_chaque_texte_hostile<test::Banc>([](test::Banc& banc) {
    banc.fichiers.dossiers[L"C:\\windows"] = {L"a.bmp", L"b.jpg"};  // the first-run folder
    banc.images.tailles[L"C:\\windows\\a.bmp"] = {640, 480};
    auto fenetre = banc.demarrer(L"/s");
    for (int tick = 0; tick < 3; ++tick) fenetre->Timer1_Timer();
    // A tick shows a picture, the error text or the empty-folder text.
    const std::wstring& texte = fenetre->txtInfos.Caption;
    EXPECT_TRUE(fenetre->txtInfos.Visible
                    ? texte == L"Erreur lors de la lecture du fichier" || texte == L"Aucuns fichiers à visionner..."
                    : fenetre->Image1[1].Visible);
    EXPECT_TRUE(banc.processus.terminaisons == 0 && banc.fenetre.intervalle >= 0 && banc.fenetre.intervalle <= 65535);
  });
}

TEST(ReglagesHostiles, TheSettingsDialogLoadsAndClosesWithEveryValueOfEveryKey) {
  pour_chaque_texte_hostile<test::BancOptions>([](test::BancOptions& banc) {
    banc.charger();
    // The load's warning, or the word that the folder holds no picture.
    for (const auto& titre : banc.titres_des_boites()) EXPECT_TRUE(titre == L"Pixavue-SCR" || titre == L"Information");
    banc.options->Form_Unload();
    EXPECT_EQ(banc.processus.terminaisons, 1);
  });
}

}  // namespace
}  // namespace pixavue
