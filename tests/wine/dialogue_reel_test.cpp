// The settings dialog as a user meets it: the real window over the real
// registry, driven by the messages that clicks and typing send, its message
// boxes read and dismissed as a user would.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>

#include "echantillons.h"
#include "gardien_boites.h"
#include "win32/dialogues_win32.h"
#include "win32/ecran_win32.h"
#include "win32/fenetre_options.h"
#include "win32/fichiers_win32.h"
#include "win32/images_win32.h"
#include "win32/magasin_registre.h"
#include "win32/media_directshow.h"
#include "win32/processus_win32.h"

namespace pixavue::win32 {
namespace {

// The real process services, but an end that only counts.
struct ProcessusDialogue : ProcessusWin32 {
  void terminer() override { ++fins; }
  int fins = 0;
};

std::wstring texte(HWND fenetre) {
  wchar_t t[512] = {};
  GetWindowTextW(fenetre, t, 512);
  return t;
}

struct DialogueReel : ::testing::Test {
  InitialisationCom com;
  MagasinRegistre magasin;
  ProcessusDialogue processus;
  EcranWin32 ecran;
  FichiersWin32 fichiers;
  DialoguesWin32 dialogues;
  MoteurDirectShow media;
  FenetreOptions fenetre{GetModuleHandleW(nullptr), points_par_pouce()};
  SonPartage son;
  std::unique_ptr<frmOptions> options;
  test::GardienBoites boites;

  void SetUp() override { effacer(); }
  void TearDown() override {
    if (son.Lecteur) son.Lecteur->nettoyer();
    effacer();
  }
  static void effacer() {
    for (const wchar_t* cle : {L"Software\\PixavueSCR", L"Software\\Pixavue", L"Software\\PixavueSCR-essai"})
      RegDeleteTreeW(HKEY_CURRENT_USER, cle);
  }
  void poser(const wchar_t* cle, const std::wstring& valeur) {
    magasin.ecrire_parametre(L"PixavueSCR", L"parametres", cle, valeur);
  }
  std::wstring lire(const wchar_t* cle) { return magasin.lire_parametre(L"PixavueSCR", L"parametres", cle); }

  void charger() {
    options = std::make_unique<frmOptions>(
        frmOptions::Services{magasin, processus, ecran, fichiers, fenetre, dialogues, media, son});
    fenetre.attacher(*options);
    options->Form_Load();
    ShowWindow(fenetre.hwnd(), SW_SHOW);
    pomper();
  }
  // Messages as the dialog's own loop handles them, for a while.
  void pomper(DWORD millisecondes = 100) {
    const ULONGLONG fin = GetTickCount64() + millisecondes;
    do {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) fenetre.traiter_message(message);
      Sleep(10);
    } while (GetTickCount64() < fin);
  }
  HWND c(const wchar_t* nom, int indice = -1) { return fenetre.controle(nom, indice); }
  // A real click on a list's item: the list tells its window itself.
  void cliquer_element(HWND liste, int element) {
    RECT zone;
    SendMessageW(liste, LB_GETITEMRECT, element, reinterpret_cast<LPARAM>(&zone));
    const LPARAM point = MAKELPARAM(zone.left + 2, zone.top + 2);
    SendMessageW(liste, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(liste, WM_LBUTTONUP, 0, point);
    pomper();
  }
  void cliquer(HWND bouton) {
    SendMessageW(bouton, BM_CLICK, 0, 0);
    pomper();
  }
};

TEST_F(DialogueReel, EveryControlShowsTheSeededSettings) {
  poser(L"dossier demarrage", test::echantillon(L""));
  poser(L"secondes", L"9");
  poser(L"couleur fond", L"255");
  poser(L"chemin fichier", L"0");
  poser(L"type fichier", L"4");
  poser(L"taille", L"2");
  poser(L"informations", L"0");
  poser(L"son", test::son_essai(L"deux-tons.wav"));
  magasin.ecrire_parametre(L"Pixavue", L"parametres", L"dossier application", L"C:\\Pixavue\\");
  charger();

  EXPECT_TRUE(boites.lues().empty());
  EXPECT_EQ(texte(c(L"txtDossier")), test::echantillon(L""));
  EXPECT_EQ(SendMessageW(c(L"cboTemps"), CB_GETCURSEL, 0, 0), 9);
  EXPECT_EQ(texte(c(L"cboTemps")), L" 10");
  EXPECT_EQ(SendMessageW(c(L"optCouleur", 0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(c(L"optCouleur", 1), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(IsWindowEnabled(c(L"lblCouleur")));
  EXPECT_EQ(SendMessageW(c(L"chkNomFichier"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(c(L"lstFiltres"), LB_GETCOUNT, 0, 0), 9);
  EXPECT_EQ(SendMessageW(c(L"lstFiltres"), LB_GETCURSEL, 0, 0), 4);
  EXPECT_EQ(SendMessageW(c(L"lstTaille"), LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(SendMessageW(c(L"chkInfos"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(c(L"chkSon"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(IsWindowEnabled(c(L"cmdOuvrirSon")) && IsWindowEnabled(c(L"cmdJouer")));
  EXPECT_FALSE(IsWindowEnabled(c(L"cmdStopSon")) || IsWindowEnabled(c(L"cmdEnregistrer")));
  EXPECT_TRUE(IsWindowEnabled(c(L"cmdPixavue")));
  EXPECT_EQ(texte(c(L"lblAide")), L"Affichage des messages d'aide");
  // Red, as the swatch paints it.
  RECT zone;
  GetWindowRect(c(L"lblCouleur"), &zone);
  HDC ecran_dc = GetDC(nullptr);
  EXPECT_EQ(GetPixel(ecran_dc, (zone.left + zone.right) / 2, (zone.top + zone.bottom) / 2), RGB(255, 0, 0));
  ReleaseDC(nullptr, ecran_dc);
}

TEST_F(DialogueReel, ClicksMarkAChangeAndTheSaveWritesWhatTheControlsShow) {
  poser(L"dossier demarrage", test::echantillon(L""));
  charger();
  ASSERT_FALSE(IsWindowEnabled(c(L"cmdEnregistrer")));
  cliquer(c(L"chkInfos"));
  EXPECT_TRUE(IsWindowEnabled(c(L"cmdEnregistrer")));
  cliquer_element(c(L"lstTaille"), 0);
  cliquer_element(c(L"lstFiltres"), 3);  // GIFs: the samples have one
  cliquer(c(L"optCouleur", 1));
  EXPECT_TRUE(IsWindowEnabled(c(L"lblCouleur")));
  SendMessageW(c(L"cboTemps"), CB_SETCURSEL, 14, 0);
  SendMessageW(fenetre.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c(L"cboTemps")), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(c(L"cboTemps")));
  EXPECT_TRUE(boites.lues().empty());

  cliquer(c(L"cmdEnregistrer"));
  EXPECT_EQ(lire(L"informations"), L"0");
  EXPECT_EQ(lire(L"secondes"), L"14");
  EXPECT_EQ(lire(L"dossier demarrage"), test::echantillon(L""));
  EXPECT_EQ(lire(L"type fichier"), L"3");
  EXPECT_EQ(lire(L"couleur fond"), L"0");
  EXPECT_EQ(lire(L"taille"), L"0");
  EXPECT_EQ(lire(L"son"), L"");
  EXPECT_FALSE(IsWindowEnabled(c(L"cmdEnregistrer")));

  // The help line follows the mouse.
  SendMessageW(fenetre.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(c(L"lstTaille")),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(texte(c(L"lblAide")), L"Options de la taille des images");
}

TEST_F(DialogueReel, F1InTheTextBoxAndTheHelpButtonSayTheHelpPageIsMissing) {
  poser(L"dossier demarrage", test::echantillon(L""));
  charger();
  SetForegroundWindow(fenetre.hwnd());
  SetFocus(c(L"txtDossier"));
  PostMessageW(c(L"txtDossier"), WM_KEYDOWN, VK_F1, 0);
  pomper(300);
  auto lues = boites.lues();
  ASSERT_EQ(lues.size(), 1u);
  EXPECT_EQ(lues[0].titre, L"Fichier d'aide absent");
  EXPECT_EQ(lues[0].texte.rfind(L"Fichier d'aide [pixavuescr.htm] introuvable. Assurez-vous que celui-ci doit se "
                                L"trouver dans le dossier:\r\n",
                                0),
            0u);
  EXPECT_EQ(lues[0].texte.back(), L'\\');
  EXPECT_EQ(lues[0].icone, IDI_ERROR);

  // "&Aide" sends a real F1 through the input queue.
  cliquer(c(L"cmdAide"));
  pomper(500);
  EXPECT_EQ(boites.lues().size(), 2u);
}

TEST_F(DialogueReel, TheViewerStartsFromItsSettingOrItsErrorIsShown) {
  wchar_t ici[MAX_PATH];
  GetModuleFileNameW(nullptr, ici, MAX_PATH);
  std::wstring dossier(ici);
  dossier.resize(dossier.find_last_of(L'\\') + 1);
  magasin.ecrire_parametre(L"Pixavue", L"parametres", L"dossier application", dossier + L"visualiseur\\");
  poser(L"dossier demarrage", test::echantillon(L""));
  charger();
  cliquer(c(L"cmdPixavue"));
  DWORD montre = 0, taille = sizeof montre;
  for (int i = 0; i < 100; ++i) {
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\PixavueSCR-essai", L"visualiseur", RRF_RT_REG_DWORD, nullptr,
                     &montre, &taille) == ERROR_SUCCESS)
      break;
    pomper(50);
  }
  EXPECT_EQ(montre, static_cast<DWORD>(SW_SHOWNORMAL));
  EXPECT_TRUE(boites.lues().empty());

  magasin.ecrire_parametre(L"Pixavue", L"parametres", L"dossier application", dossier + L"absent\\");
  cliquer(c(L"cmdPixavue"));
  auto lues = boites.lues();
  ASSERT_EQ(lues.size(), 1u);
  EXPECT_EQ(lues[0].titre, L"Erreur...");
  EXPECT_EQ(lues[0].texte.rfind(L"No: ", 0), 0u);
  EXPECT_NE(lues[0].texte.find(L"\r\nDescription:\r\n"), std::wstring::npos);
  EXPECT_EQ(lues[0].icone, IDI_ERROR);
}

}  // namespace
}  // namespace pixavue::win32
