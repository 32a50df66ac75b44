// The picture prepared ahead: when the tick takes it, when it decodes the
// file itself, and giving up at the end of the run.
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

// One decoder, the test's, for the worker and for the tick: whether a load
// decoded the file shows in the number of its calls.
struct Anticipation : ::testing::Test {
  test::FaussesImages decodeur;
  std::map<std::wstring, EmpreinteFichier> fichiers{{L"a", {100, 1}}, {L"b", {200, 1}}};
  // The worker reads them only between a request and the wait for it, when the test leaves them.
  ImagesAnticipees images{decodeur, [this](const std::atomic<bool>&) { return std::make_unique<Relais>(decodeur); },
                          [this](std::wstring_view chemin) -> std::optional<EmpreinteFichier> {
                            auto it = fichiers.find(std::wstring(chemin));
                            return it == fichiers.end() ? std::nullopt : std::optional(it->second);
                          }};
  const Cadre cadre{{800, 600}};

  void SetUp() override { decodeur.tailles = {{L"a", {40, 30}}, {L"b", {30, 40}}}; }
  void preparer(const wchar_t* chemin) {
    images.anticiper(chemin, cadre);
    images.attendre();
  }
  // Whether the tick's load decoded the file itself instead of taking the prepared picture.
  bool decode(const wchar_t* chemin, Cadre pour) {
    const auto avant = decodeur.chargees.size();
    images.charger(chemin, pour);
    return decodeur.chargees.size() > avant;
  }
};

// The tick then only copies it: the worker makes it at the pixels the
// fitting gives, rounding included (600 / 1.33 = 451.12..., truncated).
TEST_F(Anticipation, TheTickTakesThePictureMadeAtItsShownSizeWhenNothingChanged) {
  decodeur.tailles[L"a"] = {3000, 4000};
  preparer(L"a");
  auto image = std::dynamic_pointer_cast<const test::FausseImage>(images.charger(L"a", cadre));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->taille, (Taille{3000, 4000}));
  EXPECT_EQ(image->faite, std::pair(451, 600));
  EXPECT_EQ(decodeur.cadres, std::vector<std::optional<Cadre>>{cadre});  // the worker's, for the box
  EXPECT_TRUE(decode(L"a", cadre));  // taken once: the same file again is decoded here
}

TEST_F(Anticipation, AnythingChangedMeansTheFileIsDecodedAgain) {
  preparer(L"a");
  fichiers[L"a"] = {100, 2};  // written again since
  EXPECT_TRUE(decode(L"a", cadre));
  preparer(L"a");
  EXPECT_TRUE(decode(L"a", Cadre{{1024, 768}}));  // another screen
  preparer(L"a");
  EXPECT_TRUE(decode(L"a", Cadre{{800, 600}, true}));  // another size mode
  preparer(L"a");
  EXPECT_TRUE(decode(L"b", cadre));  // another file
  EXPECT_TRUE(decode(L"a", cadre));  // and the prepared one is gone with that tick
  preparer(L"a");
  fichiers.erase(L"a");  // deleted since
  decodeur.tailles.erase(L"a");
  EXPECT_EQ(images.charger(L"a", cadre), nullptr);  // the error path, as without it
}

TEST_F(Anticipation, ANewerRequestReplacesAnOlderOne) {
  images.anticiper(L"a", cadre);
  images.anticiper(L"b", cadre);
  images.attendre();
  EXPECT_FALSE(decode(L"b", cadre));
}

// A run that ends doesn't wait for the decode under way: the worker's
// decoder is told to give up.
TEST_F(Anticipation, ARunThatEndsMakesTheDecodeUnderWayGiveUp) {
  static std::atomic<bool> commence{false}, vu{false};
  struct Lent : Images {
    explicit Lent(const std::atomic<bool>& abandon) : abandon(abandon) {}
    std::shared_ptr<const Image> charger(std::wstring_view, std::optional<Cadre>) override {
      commence = true;
      for (int i = 0; i < 5000 && !abandon; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      vu = abandon.load();
      return nullptr;
    }
    const std::atomic<bool>& abandon;
  };
  {
    ImagesAnticipees lente{decodeur, [](const std::atomic<bool>& abandon) { return std::make_unique<Lent>(abandon); },
                           [](std::wstring_view) { return std::optional(EmpreinteFichier{}); }};
    lente.anticiper(L"a", std::nullopt);
    while (!commence) std::this_thread::yield();
  }
  EXPECT_TRUE(vu);
}

// A file decoded away from the process ("x") is decoded by the worker only:
// the tick is told to wait while it is under way, then takes it; once taken,
// or for another box, it is never decoded on the tick's thread.
TEST_F(Anticipation, AFileDecodedAwayIsWaitedForAndNeverDecodedOnTheTicksThread) {
  decodeur.tailles[L"x"] = {10, 10};
  fichiers[L"x"] = {10, 1};
  ImagesAnticipees a_part{decodeur, [this](const std::atomic<bool>&) { return std::make_unique<Relais>(decodeur); },
                          [this](std::wstring_view c) { return std::optional(fichiers.at(std::wstring(c))); },
                          [](std::wstring_view c) { return c == L"x"; }};
  EXPECT_FALSE(a_part.en_cours(L"a", cadre));
  EXPECT_TRUE(a_part.en_cours(L"x", cadre));  // asked of the worker now
  a_part.attendre();
  EXPECT_FALSE(a_part.en_cours(L"x", cadre));
  EXPECT_NE(a_part.charger(L"x", cadre), nullptr);
  EXPECT_EQ(a_part.charger(L"x", cadre), nullptr);  // taken: nothing decodes it here
  EXPECT_EQ(decodeur.chargees, std::vector<std::wstring>{L"x"});
}

}  // namespace
}  // namespace pixavue
