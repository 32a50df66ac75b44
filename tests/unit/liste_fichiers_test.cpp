// The run's list of a folder's tree, against the fake file system: the
// folder's own files, then each sub-folder's tree in turn; what is never
// entered, and a listing that gives up.
#include "slideshow/liste_fichiers.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fakes.h"

namespace pixavue {
namespace {

std::wstring noms(const ListeFichiers& liste) {
  std::wostringstream o;
  for (int i = 0; i < liste.ListCount(); ++i) o << (i ? L" " : L"") << liste.List(i);
  return o.str();
}

// Sorted at every level, sub-folders after the files, the type at every
// level; a link back to the top is the top again, by its identity.
TEST(ListeFichiers, ATreeIsListedDepthFirstEachFolderOnceAndNeverAHiddenOrUnreadableOne) {
  test::FauxFichiers f;
  f.dossiers = {{L"D:\\img", {L"b.jpg", L"A.jpg", L"notes.txt"}},
                {L"D:\\img\\2020", {L"e.jpg", L"f.gif"}},
                {L"D:\\img\\2019", {L"c.jpg"}},
                {L"D:\\img\\2019\\été", {L"d.JPG"}},
                {L"D:\\img\\cache", {L"x.jpg"}},
                {L"D:\\img\\illisible", {L"y.jpg"}},
                {L"D:\\img\\Vide", {}}};
  f.caches = {L"D:\\img\\cache"};
  f.illisibles = {L"D:\\img\\illisible"};
  f.liens = {{L"D:\\img\\2019\\retour", L"D:\\img"}};
  ListeFichiers liste;
  liste.Path = L"D:\\img\\";
  liste.Pattern = L"*.jpg;*.JPG";
  liste.Refresh(f);
  EXPECT_EQ(noms(liste), L"A.jpg b.jpg");
  liste.SousDossiers = true;
  liste.Refresh(f);
  EXPECT_EQ(noms(liste), L"A.jpg b.jpg 2019\\c.jpg 2019\\été\\d.JPG 2020\\e.jpg");

  std::atomic<bool> abandon{false};
  f.avant_lecture = [&](const std::wstring& dossier) { abandon = dossier.ends_with(L"2019"); };
  liste.Refresh(f, &abandon);  // stops at the folder after the one it was reading
  EXPECT_EQ(noms(liste), L"A.jpg b.jpg 2019\\c.jpg");
}

}  // namespace
}  // namespace pixavue
