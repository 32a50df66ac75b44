// The picture prepared ahead: when the tick takes it, when it decodes the
// file itself, and what the tick asks to prepare.
#include "slideshow/images_anticipees.h"

#include <gtest/gtest.h>

#include <map>

#include "fakes.h"

namespace pixavue {
namespace {

// The worker's decoder hands its calls to one the test keeps.
struct Relais : Images {
  explicit Relais(test::FaussesImages& vers) : vers(vers) {}
  std::shared_ptr<const Image> charger(std::wstring_view chemin, std::optional<Taille> cadre) override {
    return vers.charger(chemin, cadre);
  }
  test::FaussesImages& vers;
};

struct Anticipation : ::testing::Test {
  test::FaussesImages ici, fil;
  std::map<std::wstring, EmpreinteFichier> fichiers{{L"D:\\a.jpg", {100, 1}}, {L"D:\\b.jpg", {200, 1}}};
  std::mutex mutex_fichiers;  // the worker reads them too
  ImagesAnticipees images{ici, [this] { return std::make_unique<Relais>(fil); },
                          [this](std::wstring_view chemin) -> std::optional<EmpreinteFichier> {
                            std::lock_guard<std::mutex> verrou(mutex_fichiers);
                            auto it = fichiers.find(std::wstring(chemin));
                            if (it == fichiers.end()) return std::nullopt;
                            return it->second;
                          }};
  const Taille cadre{800, 600};

  void SetUp() override {
    for (auto* decodeur : {&ici, &fil}) decodeur->tailles = {{L"D:\\a.jpg", {40, 30}}, {L"D:\\b.jpg", {30, 40}}};
  }
  void changer(const wchar_t* chemin, EmpreinteFichier e) {
    std::lock_guard<std::mutex> verrou(mutex_fichiers);
    fichiers[chemin] = e;
  }
  void preparer(const wchar_t* chemin, std::optional<Taille> pour) {
    images.anticiper(chemin, pour);
    images.attendre();
  }
};

TEST_F(Anticipation, TheTickTakesThePreparedPictureWhenNothingChanged) {
  preparer(L"D:\\a.jpg", cadre);
  auto image = images.charger(L"D:\\a.jpg", cadre);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->taille_naturelle(), (Taille{40, 30}));
  EXPECT_EQ(fil.chargees, std::vector<std::wstring>{L"D:\\a.jpg"});
  EXPECT_EQ(fil.cadres.back(), cadre);
  EXPECT_TRUE(ici.chargees.empty());
  // Taken once: the same file again is decoded here.
  images.charger(L"D:\\a.jpg", cadre);
  EXPECT_EQ(ici.chargees.size(), 1u);
}

TEST_F(Anticipation, AnythingChangedMeansTheFileIsDecodedAgain) {
  preparer(L"D:\\a.jpg", cadre);
  changer(L"D:\\a.jpg", {100, 2});  // written again since
  images.charger(L"D:\\a.jpg", cadre);

  preparer(L"D:\\a.jpg", cadre);
  images.charger(L"D:\\a.jpg", Taille{1024, 768});  // another screen or size mode

  preparer(L"D:\\a.jpg", cadre);
  images.charger(L"D:\\b.jpg", cadre);  // another file
  images.charger(L"D:\\a.jpg", cadre);  // and the prepared one is gone with that tick

  preparer(L"D:\\a.jpg", cadre);
  {
    std::lock_guard<std::mutex> verrou(mutex_fichiers);
    fichiers.erase(L"D:\\a.jpg");  // deleted since
  }
  ici.tailles.erase(L"D:\\a.jpg");
  EXPECT_EQ(images.charger(L"D:\\a.jpg", cadre), nullptr);  // the error path, as without it

  EXPECT_EQ(ici.chargees,
            (std::vector<std::wstring>{L"D:\\a.jpg", L"D:\\a.jpg", L"D:\\b.jpg", L"D:\\a.jpg", L"D:\\a.jpg"}));
}

TEST_F(Anticipation, ANewerRequestReplacesAnOlderOne) {
  images.anticiper(L"D:\\a.jpg", cadre);
  images.anticiper(L"D:\\b.jpg", cadre);
  images.attendre();
  EXPECT_EQ(images.charger(L"D:\\b.jpg", cadre)->taille_naturelle(), (Taille{30, 40}));
  EXPECT_TRUE(ici.chargees.empty());
}

TEST(AnticipationDuTick, TheTickAsksForTheNextFileWithItsOwnBox) {
  test::Banc banc;
  banc.ecran.taille = {800 * 15.0, 600 * 15.0, 15, 15};
  banc.fichiers.dossiers[L"D:\\img"] = {L"a.bmp", L"b.bmp"};
  for (const wchar_t* n : {L"D:\\img\\a.bmp", L"D:\\img\\b.bmp"}) banc.images.tailles[n] = {100, 50};
  auto fenetre = banc.demarrer(L"/s", {{L"dossier demarrage", L"D:\\img"}, {L"taille", L"1"}});
  fenetre->Timer1_Timer();
  fenetre->Timer1_Timer();
  banc.magasin.poser(L"taille", L"0");  // natural size: no box
  fenetre->Timer1_Timer();
  using Demande = std::pair<std::wstring, std::optional<Taille>>;
  EXPECT_EQ(banc.images.anticipees, (std::vector<Demande>{{L"D:\\img\\b.bmp", Taille{800, 600}},
                                                          {L"D:\\img\\a.bmp", Taille{800, 600}},
                                                          {L"D:\\img\\b.bmp", std::nullopt}}));
}

}  // namespace
}  // namespace pixavue
