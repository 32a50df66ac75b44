// The screensaver window's start-up (first-run defaults, run modes, the settings
// a full-screen run reads, its file list and patterns) and the end of its run.
#include <gtest/gtest.h>

#include <sstream>

#include "fakes.h"
#include "screensaver/frmVeille.h"
#include "slideshow/liste_fichiers.h"

namespace pixavue {
namespace {

using test::Banc;

// What a start with that argument over those settings leaves: the program's
// next step, the window, the cursor's display count, the timer, the sound's
// key, the screen's size, then where txtInfos, lblInfo, lblCopyright and
// lblCliquez show ("-" when hidden).
std::wstring demarrer(const wchar_t* argument, test::Reglages reglages = {}, std::optional<MesuresEcran> ecran = {}) {
  Banc banc;
  if (ecran) banc.ecran.taille = *ecran;
  auto f = banc.demarrer(argument, reglages);
  const wchar_t* const suites[] = {L"fin", L"options", L"fenetre"};
  std::wostringstream o;
  o << suites[static_cast<int>(banc.suite)] << (banc.fenetre.maximisee ? L" plein" : L"")
    << (banc.fenetre.devant ? L" devant" : L"") << L" curseur " << banc.ecran.compte_curseur
    << (banc.fenetre.active ? L" minuterie" : L"") << (banc.magasin.existe(L"son") ? L" son " : L" ") << f->LargeurEcran
    << L"x" << f->HauteurEcran << L":";
  for (const Controle* c : {&f->txtInfos, &f->lblInfo, &f->lblCopyright, &f->lblCliquez})
    c->Visible ? o << L" " << c->Left << L"," << c->Top : o << L" -";
  return o.str();
}

// The switch is the argument's first two characters, lower-cased, then
// trimmed. On 1024 x 768, txtInfos (289 x 19) is centred, halves kept, and
// lblCliquez (367 wide) ends 10 pixels from the right edge.
TEST(Demarrage, EachRunModePreparesWhatItNeedsAndTheCaptionsFollowTheirSettings) {
  const std::wstring plein = L"fenetre plein devant curseur -1 minuterie son 1024x768: 367.5,374.5",
                     nu = L"curseur 0 0x0: 8,36 - - -";  // as laid out
  const std::pair<std::wstring, std::vector<const wchar_t*>> par_mode[] = {
      {plein + L" 5,5 5,748 647,748", {L"/s", L"/S", L"/s:123"}},
      {L"fenetre " + nu, {L" /s", L"/a", L"s", L"-s"}},  // the blank is one of the two characters
      {L"options " + nu, {L"/c:5", L"", L"  "}},         // "": Windows' "Configure" on the file
      {L"fin " + nu, {L"/P", L"/p 1234"}},               // "son" belongs to the full-screen run
  };
  for (const auto& [attendu, arguments] : par_mode)
    for (const wchar_t* argument : arguments) EXPECT_EQ(demarrer(argument), attendu) << L"'" << argument << L"'";
  EXPECT_EQ(demarrer(L"/s", {{L"informations", L"0"}, {L"chemin fichier", L"0"}}), plein + L" - - -");
  EXPECT_EQ(demarrer(L"/s", {{L"informations", L"oui"}}), plein + L" 5,5 - -");  // not a truth value
  // 200 %: 7.5 twips a pixel. Rounding the factor to 8 first would give 1800.
  EXPECT_EQ(demarrer(L"/s", {}, MesuresEcran{1920 * 7.5, 1080 * 7.5, 7.5, 7.5}),
            L"fenetre plein devant curseur -1 minuterie son 1920x1080: 815.5,530.5 5,5 5,1060 1543,1060");
}

TEST(Demarrage, FirstRunWritesTheSevenDefaultsAndASecondCopyNothing) {
  Banc premier, second;
  premier.demarrer(L"/p 1234");
  using Ecritures = std::vector<std::pair<std::wstring, std::wstring>>;
  // clang-format off
  EXPECT_EQ(premier.magasin.ecritures, (Ecritures{{L"dossier demarrage", L"C:\\windows"}, {L"secondes", L"4"},
      {L"chemin fichier", L"1"}, {L"type fichier", L"0"}, {L"couleur fond", L""}, {L"informations", L"1"}, {L"taille", L"1"}}));
  // clang-format on
  second.processus.deja_lance = true;
  second.demarrer(L"/s");
  EXPECT_EQ(second.suite, SuiteDemarrage::fin);
  EXPECT_TRUE(second.magasin.ecritures.empty() && !second.fenetre.active);
}

// The interval is (secondes + 1) s, and values the timer refuses keep its
// 1,000 ms. The list holds the folder's files of the type, sorted without
// regard to case, names the system holds equal ("A.bmp", "a.BMP") in one
// order whatever order the folder gave; a folder that can't be read gives
// none, rather than the working folder's. The system's decoders add theirs
// beyond the program's own types.
TEST(Demarrage, IntervalComesFromSecondesAndTheListFromTypeFichierAndTheFolder) {
  const std::wstring images = L"A.bmp a.BMP a.ico B.cur b.JPG c.jpeg d.dib e.PNG f.TIF", tout = images + L" notes.txt";
  // clang-format off
  const std::tuple<const wchar_t*, const wchar_t*, std::wstring> cas[] = {
      {L"secondes", L"0", L"1000"},    {L"secondes", L"59", L"60000"},  {L"secondes", L"4", L"5000"},
      {L"secondes", L"abc", L"1000"},  {L"secondes", L"4.5", L"5500"},  {L"secondes", L"-1", L"0"},
      {L"secondes", L"65", L"1000"},   {L"secondes", L"-2", L"1000"},   {L"secondes", L"1e9", L"1000"},
      {L"secondes", L"64.5", L"65500"},
      {L"type fichier", L"0", images}, {L"type fichier", L"x", images}, {L"type fichier", L"2", L"d.dib"},
      {L"type fichier", L"4", L"b.JPG c.jpeg"}, {L"type fichier", L"9", L"e.PNG"},
      {L"type fichier", L"10", L"f.TIF"}, {L"type fichier", L"11", tout}, {L"type fichier", L"-1", tout},
      {L"type fichier", L"1.5", tout}, {L"dossier demarrage", L"D:\\parti", L""}};
  // clang-format on
  for (const auto& [cle, valeur, attendu] : cas) {
    Banc banc;
    banc.fichiers.dossiers[L"D:\\img"] = {L"b.JPG", L"notes.txt", L"a.BMP", L"c.jpeg", L"a.ico",
                                          L"B.cur", L"A.bmp",     L"d.dib", L"e.PNG",  L"f.TIF"};
    banc.codecs.noms = {L".JPG", L".tif", L".Tif"};
    banc.fichiers.dossiers[L""] = {L"kernel32.bmp"};  // what a fallback on the working folder would list
    auto f = banc.demarrer(L"/s", {{L"dossier demarrage", L"D:\\img"}, {cle, valeur}});
    std::wostringstream liste;
    for (int i = 0; i < f->NombreImages; ++i) liste << (i ? L" " : L"") << f->ListeFichiers.List(i);
    const bool secondes = cle == std::wstring(L"secondes");
    EXPECT_EQ(secondes ? std::to_wstring(static_cast<int>(banc.fenetre.intervalle)) : liste.str(), attendu)
        << cle << L" " << valeur;
  }
}

// The sixth key press or mouse move ends the run, each kind counting on its
// own, and shows the cursor again: after a bare start that raises the
// display count once more, harmlessly.
// The covers as "left,top widthxheight", one per monitor but the primary.
std::wstring couvertures(const frmVeille& f) {
  std::wostringstream o;
  for (const RectangleEcran& r : f.Couvertures)
    o << r.gauche << L"," << r.haut << L" " << r.largeur << L"x" << r.hauteur << L";";
  return o.str();
}

// The system's list may name the primary anywhere in it; the window keeps
// the size the start-up measured through every change.
TEST(Couvertures, EveryMonitorButThePrimaryOnlyInAFullScreenRunAndAfterEachDisplayChange) {
  const std::vector<Moniteur> trois{
      {{-2560, -200, 2560, 1440}, false}, {{0, 0, 1024, 768}, true}, {{1024, 0, 1280, 1024}, false}};
  for (const wchar_t* argument : {L"/a", L"/c", L"/p 1", L"/s"}) {
    Banc banc;
    banc.ecran.liste = trois;
    auto f = banc.demarrer(argument);
    const std::wstring attendu = argument == std::wstring(L"/s") ? L"-2560,-200 2560x1440;1024,0 1280x1024;" : L"";
    EXPECT_EQ(couvertures(*f), attendu) << argument;
    f->Form_DisplayChange();
    EXPECT_EQ(couvertures(*f), attendu) << argument;
  }
  Banc banc;
  auto f = banc.demarrer(L"/s");
  EXPECT_EQ(couvertures(*f), L"");  // one monitor
  banc.ecran.liste.push_back({{0, -768, 1024, 768}, false});
  f->Form_DisplayChange();
  EXPECT_EQ(couvertures(*f), L"0,-768 1024x768;");
  banc.ecran.liste = {{{0, 0, 800, 600}, true}};
  f->Form_DisplayChange();
  EXPECT_EQ(couvertures(*f), L"");
  EXPECT_EQ(f->LargeurEcran * 10000 + f->HauteurEcran, 1024 * 10000 + 768);
}

TEST(FinDuRun, TheSixthEventOfOneKindEndsTheRun) {
  const std::tuple<const wchar_t*, int, int, int, int> cas[] = {
      {L"/s", 5, 5, 0, -1}, {L"/s", 5, 6, 1, 0}, {L"/s", 6, 0, 1, 0}, {L"/a", 6, 0, 1, 1}};
  for (auto [argument, souris, touches, fins, curseur] : cas) {
    Banc banc;
    auto fenetre = banc.demarrer(argument);
    for (int i = 0; i < souris; ++i) fenetre->Form_MouseMove();
    for (int i = 0; i < touches; ++i) fenetre->Form_KeyDown();
    EXPECT_EQ((std::pair{banc.processus.terminaisons, banc.ecran.compte_curseur}), (std::pair{fins, curseur}))
        << argument << souris << touches;
  }
}

TEST(Motif, MasksSeparatedBySemicolons) {
  // clang-format off
  const std::tuple<const wchar_t*, const wchar_t*, bool> cas[] = {
      {L"a.bmp", L"*.bmp;*.BMP", true},  {L"A.BMP", L"*.bmp", true},     {L"a.bmpx", L"*.bmp", false},
      {L"a.jpeg", L"*.jpg", false},      {L"a.jpeg", L"*.jpg;*.jpeg", true}, {L"bmp", L"*.bmp", false},
      {L".bmp", L"*.bmp", true},         {L"x", L"*", true},             {L"abc", L"a?c", true},
      {L"ac", L"a?c", false},            {L"a.b.c.gif", L"*.gif", true}, {L"photo été 写真.jpg", L"*.jpg", true},
      {L"ÉTÉ.JPG", L"été.jpg", true},    {L"a.gif", L";;*.gif;", true},  {L"a.gif", L"", false},
      {L"aaaaaaaaaaaaaaaaaaaaaaab", L"*a*a*a*a*a*a*a*a*c", false}};
  // clang-format on
  for (auto [nom, motif, attendu] : cas) EXPECT_EQ(correspond_au_motif(nom, motif), attendu) << nom << L" " << motif;
}

}  // namespace
}  // namespace pixavue
