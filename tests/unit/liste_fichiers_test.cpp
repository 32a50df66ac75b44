// The file list's pattern matching and its order.
#include "screensaver/liste_fichiers.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "settings/types_images.h"

namespace pixavue {
namespace {

TEST(Motif, MasksSeparatedBySemicolons) {
  struct Cas {
    const wchar_t* nom;
    const wchar_t* motif;
    bool attendu;
  } cas[] = {
      {L"a.bmp", L"*.bmp;*.BMP", true},
      {L"A.BMP", L"*.bmp", true},
      {L"a.bmpx", L"*.bmp", false},
      {L"a.jpeg", L"*.jpg", false},
      {L"a.jpeg", L"*.jpg;*.jpeg", true},
      {L"bmp", L"*.bmp", false},
      {L".bmp", L"*.bmp", true},
      {L"x", L"*", true},
      {L"abc", L"a?c", true},
      {L"ac", L"a?c", false},
      {L"a.b.c.gif", L"*.gif", true},
      {L"photo été 写真.jpg", L"*.jpg", true},
      {L"ÉTÉ.JPG", L"été.jpg", true},
      {L"a.gif", L";;*.gif;", true},
      {L"a.gif", L"", false},
      {L"aaaaaaaaaaaaaaaaaaaaaaab", L"*a*a*a*a*a*a*a*a*c", false},
  };
  for (auto [nom, motif, attendu] : cas) EXPECT_EQ(correspond_au_motif(nom, motif), attendu) << nom << L" " << motif;
}

TEST(ListeFichiers, ListsMatchingFilesOnceSortedWithoutRegardToCase) {
  test::FauxFichiers fichiers;
  fichiers.dossiers[L"D:\\images"] = {L"b.JPG", L"notes.txt", L"A.bmp", L"c.gif", L"a.ico", L"B.cur", L"a.BMP"};
  ListeFichiers liste;
  liste.Path = L"D:\\images";
  liste.Pattern = kTypesImages[0].motif;
  liste.Refresh(fichiers);
  // Names the system holds equal ("a.BMP", "A.bmp") keep one order whatever
  // order the folder gave them in.
  ASSERT_EQ(liste.ListCount(), 6);
  const wchar_t* attendus[] = {L"A.bmp", L"a.BMP", L"a.ico", L"B.cur", L"b.JPG", L"c.gif"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(liste.List(i), attendus[i]);
}

TEST(ListeFichiers, AFolderThatCantBeReadGivesAnEmptyList) {
  test::FauxFichiers fichiers;
  fichiers.dossiers[L""] = {L"kernel32.bmp"};  // what a fallback on the working folder would list
  ListeFichiers liste;
  liste.Path = L"D:\\parti";
  liste.Refresh(fichiers);
  EXPECT_EQ(liste.ListCount(), 0);
}

}  // namespace
}  // namespace pixavue
