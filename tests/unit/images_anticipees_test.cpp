// The picture prepared ahead: when the tick takes it, when it decodes the
// file itself, and what the tick asks to prepare.
#include "slideshow/images_anticipees.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <thread>

#include "fakes.h"

namespace pixavue {
namespace {

// The worker's decoder hands its calls to one the test keeps.
struct Relais : Images {
  explicit Relais(test::FaussesImages& vers) : vers(vers) {}
  std::shared_ptr<const Image> charger(std::wstring_view chemin, std::optional<Cadre> cadre) override {
    return vers.charger(chemin, cadre);
  }
  test::FaussesImages& vers;
};

struct Anticipation : ::testing::Test {
  test::FaussesImages ici, fil;
  std::map<std::wstring, EmpreinteFichier> fichiers{{L"D:\\a.jpg", {100, 1}}, {L"D:\\b.jpg", {200, 1}}};
  std::mutex mutex_fichiers;  // the worker reads them too
  ImagesAnticipees images{ici, [this](const std::atomic<bool>&) { return std::make_unique<Relais>(fil); },
                          [this](std::wstring_view chemin) -> std::optional<EmpreinteFichier> {
                            std::lock_guard<std::mutex> verrou(mutex_fichiers);
                            auto it = fichiers.find(std::wstring(chemin));
                            if (it == fichiers.end()) return std::nullopt;
                            return it->second;
                          }};
  const Cadre cadre{{800, 600}};

  void SetUp() override {
    for (auto* decodeur : {&ici, &fil}) decodeur->tailles = {{L"D:\\a.jpg", {40, 30}}, {L"D:\\b.jpg", {30, 40}}};
  }
  void changer(const wchar_t* chemin, EmpreinteFichier e) {
    std::lock_guard<std::mutex> verrou(mutex_fichiers);
    fichiers[chemin] = e;
  }
  void preparer(const wchar_t* chemin, std::optional<Cadre> pour) {
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
  images.charger(L"D:\\a.jpg", Cadre{{1024, 768}});  // another screen

  preparer(L"D:\\a.jpg", cadre);
  images.charger(L"D:\\a.jpg", Cadre{{800, 600}, true});  // another size mode

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

  EXPECT_EQ(ici.chargees, (std::vector<std::wstring>{L"D:\\a.jpg", L"D:\\a.jpg", L"D:\\a.jpg", L"D:\\b.jpg",
                                                     L"D:\\a.jpg", L"D:\\a.jpg"}));
}

TEST_F(Anticipation, ANewerRequestReplacesAnOlderOne) {
  images.anticiper(L"D:\\a.jpg", cadre);
  images.anticiper(L"D:\\b.jpg", cadre);
  images.attendre();
  EXPECT_EQ(images.charger(L"D:\\b.jpg", cadre)->taille_naturelle(), (Taille{30, 40}));
  EXPECT_TRUE(ici.chargees.empty());
}

// The tick then only copies it: the worker makes it at the pixels the
// fitting gives, odd proportions and rounding included.
TEST_F(Anticipation, ThePreparedPictureIsMadeAtTheSizeItIsShownAt) {
  const struct {
    Taille naturelle;
    Cadre cadre;
    std::pair<int, int> faite;
  } cas[] = {
      {{4000, 3000}, {{800, 600}}, {798, 600}},      // shrunk: 600 x 1.33
      {{3000, 4000}, {{800, 600}}, {451, 600}},      // tall: 600 / 1.33, truncated
      {{1000, 333}, {{800, 600}}, {800, 266}},       // wide: 800 / 3.0
      {{40, 30}, {{800, 600}}, {40, 30}},            // fits: mode 1 leaves it
      {{40, 30}, {{800, 600}, true}, {798, 600}},    // mode 2 enlarges it
      {{333, 333}, {{800, 600}, true}, {600, 600}},  // square: the height first
  };
  for (const auto& c : cas) {
    fil.tailles[L"D:\\a.jpg"] = c.naturelle;
    preparer(L"D:\\a.jpg", c.cadre);
    auto image = std::dynamic_pointer_cast<const test::FausseImage>(images.charger(L"D:\\a.jpg", c.cadre));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->faite(), c.faite) << c.naturelle.largeur << "x" << c.naturelle.hauteur;
    EXPECT_EQ(image->taille_naturelle(), c.naturelle);
  }
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
  using Demande = std::pair<std::wstring, std::optional<Cadre>>;
  EXPECT_EQ(banc.images.anticipees, (std::vector<Demande>{{L"D:\\img\\b.bmp", Cadre{{800, 600}}},
                                                          {L"D:\\img\\a.bmp", Cadre{{800, 600}}},
                                                          {L"D:\\img\\b.bmp", std::nullopt}}));
}

// A run that ends doesn't wait for the decode under way: the worker's
// decoder is told to give up.
TEST(AnticipationAbandon, ARunThatEndsMakesTheDecodeUnderWayGiveUp) {
  struct Lent : Images {
    Lent(const std::atomic<bool>& abandon, std::atomic<bool>& commence, std::atomic<bool>& vu)
        : abandon(abandon), commence(commence), vu(vu) {}
    std::shared_ptr<const Image> charger(std::wstring_view, std::optional<Cadre>) override {
      commence = true;
      for (int i = 0; i < 5000 && !abandon; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      vu = abandon.load();
      return nullptr;
    }
    const std::atomic<bool>& abandon;
    std::atomic<bool>&commence, &vu;
  };
  test::FaussesImages ici;
  std::atomic<bool> commence{false}, vu{false};
  {
    ImagesAnticipees images{
        ici, [&](const std::atomic<bool>& abandon) { return std::make_unique<Lent>(abandon, commence, vu); },
        [](std::wstring_view) { return std::optional<EmpreinteFichier>(EmpreinteFichier{}); }};
    images.anticiper(L"D:\\a.jpg", std::nullopt);
    while (!commence) std::this_thread::yield();
  }
  EXPECT_TRUE(vu);
}

}  // namespace
}  // namespace pixavue
