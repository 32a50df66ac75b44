// The settings dialog as a user meets it: the real window over the real
// registry, driven by the messages that clicks, keys and the mouse send, its
// message boxes read and dismissed as a user would; and its layout at the
// prefix's dots per inch (96, and 144 through a_144_ppp.sh).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>

#include "lancement.h"
#include "layouts/ressources.h"
#include "outils.h"
#include "win32/codecs_win32.h"
#include "win32/dialogues_win32.h"
#include "win32/ecran_win32.h"
#include "win32/fenetre_options.h"
#include "win32/fichiers_win32.h"
#include "win32/images_win32.h"
#include "win32/media_directshow.h"

namespace pixavue::win32 {
namespace {

using namespace std::chrono_literals;

std::wstring texte(HWND h) {
  wchar_t t[512] = {};
  GetWindowTextW(h, t, 512);
  return t;
}

// Each message box of this thread, read as a user sees it when it comes up
// ("x title: text" for the stop icon, "?" before any other), then its OK
// pressed: the box returns to the code that showed it once its loop runs.
std::vector<std::wstring> boites;
LRESULT CALLBACK lire_boite(int code, WPARAM wparam, LPARAM lparam) {
  const HWND boite = reinterpret_cast<HWND>(wparam);
  if (code == HCBT_ACTIVATE && GetClassLongW(boite, GCW_ATOM) == 32770) {  // the dialog class, "#32770"
    const auto icone = reinterpret_cast<HICON>(SendDlgItemMessageW(boite, 0x440, STM_GETICON, 0, 0));  // Wine's id
    boites.push_back((icone == LoadIconW(nullptr, IDI_ERROR) ? L"x " : L"? ") + texte(boite) + L": " +
                     texte(GetDlgItem(boite, 0xFFFF)));
    PostMessageW(boite, WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

struct DialogueReel : ::testing::Test {
  InitialisationCom com;
  MagasinRegistre magasin;
  test::ProcessusCompte processus;
  EcranWin32 ecran;
  FichiersWin32 fichiers;
  DialoguesWin32 dialogues;
  MoteurDirectShow media;
  FenetreOptions fenetre{GetModuleHandleW(nullptr), points_par_pouce()};
  SonPartage son;
  CodecsWin32 codecs;
  std::unique_ptr<frmOptions> options;
  HHOOK crochet = SetWindowsHookExW(WH_CBT, &lire_boite, nullptr, GetCurrentThreadId());

  // The dialog loaded over settings other than the defaults, and shown.
  DialogueReel() {
    effacer();
    magasin.ecrire_parametre(L"Pixavue", L"parametres", L"dossier application", L"C:\\Pixavue\\");
    test::ecrire_reglages({{L"secondes", L"9"},
                           {L"couleur fond", L"255"},
                           {L"chemin fichier", L"2"},
                           {L"type fichier", L"4"},
                           {L"taille", L"2"},
                           {L"informations", L"0"},
                           {L"ordre aleatoire", L"1"},
                           {L"dossier demarrage", test::echantillon(L"")},
                           {L"son", test::chemin_wine(PIXAVUE_SONS, L"deux-tons.wav")}});
    options = std::make_unique<frmOptions>(
        frmOptions::Services{magasin, processus, ecran, fichiers, fenetre, dialogues, media, son, codecs});
    fenetre.attacher(*options);
    options->Form_Load();
    ShowWindow(fenetre.hwnd(), SW_SHOW);
    pomper();
  }
  ~DialogueReel() override {
    UnhookWindowsHookEx(crochet);
    son.liberer();
    effacer();
  }
  static void effacer() {
    boites.clear();
    for (const wchar_t* cle : {L"Software\\PixavueSCR", L"Software\\Pixavue"}) RegDeleteTreeW(HKEY_CURRENT_USER, cle);
  }
  // Messages as the dialog's own loop handles them, until `fini` says so, or for a while.
  bool attendre_que(const std::function<bool()>& fini, std::chrono::milliseconds delai) {
    return test::attendre_que(fini, delai, [this](MSG& message) { fenetre.traiter_message(message); });
  }
  void pomper(std::chrono::milliseconds duree = 100ms) {
    attendre_que([] { return false; }, duree);
  }
  HWND c(std::wstring_view nom, int indice = -1) { return fenetre.controle(nom, indice); }
  void cliquer(HWND bouton) {
    SendMessageW(bouton, BM_CLICK, 0, 0);
    pomper();
  }
  // A real click on a list's item: the list tells its window itself.
  void cliquer_element(HWND liste, int element) {
    RECT zone;
    SendMessageW(liste, LB_GETITEMRECT, element, reinterpret_cast<LPARAM>(&zone));
    const LPARAM point = MAKELPARAM(zone.left + 2, zone.top + 2);
    SendMessageW(liste, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(liste, WM_LBUTTONUP, 0, point);
    pomper();
  }
  // The window as its user sees it: each visible control's value, "-" before
  // one that is off (one without a value shows only then); the boxes.
  std::wstring etat() {
    std::wstring s;
    for (const auto& d : kDispositionOptions.controles) {
      const HWND h = c(d.nom, d.indice);
      if (!h || !IsWindowVisible(h)) continue;
      std::wstring valeur;
      if (d.genre == Genre::zone_texte || d.genre == Genre::liste_deroulante) valeur = L"=" + texte(h);
      if (d.genre == Genre::case_a_cocher || d.genre == Genre::bouton_option)
        valeur = L"=" + std::to_wstring(SendMessageW(h, BM_GETCHECK, 0, 0));
      if (d.genre == Genre::liste) valeur = L"=" + std::to_wstring(SendMessageW(h, LB_GETCURSEL, 0, 0));
      if (valeur.empty() && IsWindowEnabled(h)) continue;
      s += (IsWindowEnabled(h) ? L" " : L" -") + std::wstring(d.nom) +
           (d.indice >= 0 ? std::to_wstring(d.indice) : L"") + valeur;
    }
    for (const auto& boite : boites) s += L" [" + boite + L"]";
    return s.substr(1);
  }
};

TEST_F(DialogueReel, TheControlsShowTheSettingsClicksAndEnterSaveWhatTheyShowAndEscEndsTheProgram) {
  EXPECT_EQ(etat(), L"chkSousDossiers=0 txtDossier=" + test::echantillon(L"") +
                        L" chkAleatoire=1 lstFiltres=4 cboTemps= 10 optCouleur0=0 optCouleur1=1 lstTaille=2 "
                        L"chkNomFichier=2 chkInfos=0 chkSon=1 -cmdStopSon -cmdEnregistrer");
  HDC dc = GetDC(c(L"lblCouleur"));
  EXPECT_EQ(GetPixel(dc, 4, 4), RGB(255, 0, 0));  // red, as the swatch paints it
  ReleaseDC(c(L"lblCouleur"), dc);

  SetWindowTextW(c(L"txtDossier"), L"");  // an empty folder text is saved as it is
  cliquer(c(L"chkInfos"));
  cliquer(c(L"chkSousDossiers"));
  cliquer(c(L"chkAleatoire"));
  cliquer(c(L"chkNomFichier"));  // greyed, then cleared
  cliquer_element(c(L"lstTaille"), 0);
  cliquer_element(c(L"lstFiltres"), 3);  // GIFs: the samples have one
  cliquer(c(L"optCouleur", 0));
  cliquer(c(L"chkSon"));
  SendMessageW(c(L"cboTemps"), CB_SETCURSEL, 14, 0);
  SendMessageW(fenetre.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c(L"cboTemps")), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(c(L"cboTemps")));
  EXPECT_EQ(etat(),
            L"chkSousDossiers=1 txtDossier= chkAleatoire=0 lstFiltres=3 cboTemps= 15 optCouleur0=1 optCouleur1=0 "
            L"-lblCouleur lstTaille=0 chkNomFichier=0 chkInfos=1 chkSon=0 -cmdOuvrirSon -cmdJouer -cmdStopSon");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PixavueSCR");  // every setting must be written again
  cliquer(c(L"cmdEnregistrer"));
  std::wstring stockes;
  for (const wchar_t* cle : {L"dossier demarrage", L"informations", L"secondes", L"type fichier", L"couleur fond",
                             L"chemin fichier", L"taille", L"son", L"sous dossiers", L"ordre aleatoire"})
    stockes += std::wstring(cle) + L"=" + test::lire_reglage(cle) + L" ";
  EXPECT_EQ(stockes,
            L"dossier demarrage= informations=1 secondes=14 type fichier=3 couleur fond= chemin fichier=0 "
            L"taille=0 son= sous dossiers=1 ordre aleatoire=0 ");

  // Enter is the save button; Esc closes without saving, lets the player go
  // and ends the program.
  for (WPARAM touche : {VK_RETURN, VK_ESCAPE}) {
    cliquer(c(L"chkInfos"));
    PostMessageW(c(L"txtDossier"), WM_KEYDOWN, touche, 0);
    pomper();
    EXPECT_FALSE(touche == VK_RETURN && IsWindowEnabled(c(L"cmdEnregistrer")));  // saved
  }
  EXPECT_EQ(test::lire_reglage(L"informations"), L"0");
  EXPECT_FALSE(IsWindow(fenetre.hwnd()) || son.Lecteur || processus.terminaisons != 1);
}

TEST_F(DialogueReel, F1InTheTextBoxAndTheHelpButtonSayTheHelpPageIsMissing) {
  SetForegroundWindow(fenetre.hwnd());
  SetFocus(c(L"txtDossier"));
  PostMessageW(c(L"txtDossier"), WM_KEYDOWN, VK_F1, 0);
  pomper(300ms);
  cliquer(c(L"cmdAide"));  // sends a real F1 through the input queue
  pomper(500ms);
  const std::wstring absente =
      L"x Fichier d'aide absent: Fichier d'aide [pixavuescr.htm] introuvable. Assurez-vous que celui-ci doit se "
      L"trouver dans le dossier:\r\n" +
      options->chemin_app();
  EXPECT_EQ(boites, (std::vector{absente, absente}));
}

// The keyboard walks the enabled controls in the layout's tab order. The
// real mouse over each of them: the hand shows if it is laid out with it,
// else the arrow (the text box's included); its tool tip shows, with its
// layout's text; the help line takes its help, but for two that say
// something else and those that keep the last.
TEST_F(DialogueReel, KeyboardMouseToolTipsAndHelpLineAsLaidOut) {
  std::vector<HWND> attendus, parcourus;
  for (auto [nom, indice] : kOrdreTabulation) {  // of the two options, the one checked
    const HWND h = c(nom, indice);
    const Genre genre = trouver(kDispositionOptions, nom, indice)->genre;
    if (IsWindowVisible(h) && IsWindowEnabled(h) && genre != Genre::etiquette &&
        (genre != Genre::bouton_option || SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED))
      attendus.push_back(h);
  }
  for (HWND h = attendus[0]; parcourus.size() < attendus.size(); h = GetNextDlgTabItem(fenetre.hwnd(), h, FALSE))
    parcourus.push_back(h);
  EXPECT_EQ(parcourus, attendus);

  HWND bulles = nullptr;
  while ((bulles = FindWindowExW(nullptr, bulles, TOOLTIPS_CLASSW, nullptr)) &&
         GetWindow(bulles, GW_OWNER) != fenetre.hwnd()) {
  }
  SendMessageW(bulles, TTM_SETDELAYTIME, TTDT_INITIAL, 10);
  const HCURSOR main = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_MAIN));
  const auto vu = [&] {
    wchar_t bulle[128] = {};
    TTTOOLINFOW outil{sizeof outil};
    outil.lpszText = bulle;
    if (!IsWindowVisible(bulles) || !SendMessageW(bulles, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&outil)))
      bulle[0] = 0;
    const HCURSOR curseur = GetCursor();
    const wchar_t* forme = curseur == main ? L"hand" : curseur == LoadCursorW(nullptr, IDC_ARROW) ? L"arrow" : L"?";
    return forme + (L", tip " + std::wstring(bulle)) + L", help " + texte(c(L"lblAide"));
  };
  for (const auto& d : kDispositionOptions.controles) {
    const HWND h = c(d.nom, d.indice);
    if (!h || !IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
    const bool garde = d.nom == L"cboTemps" || (d.genre == Genre::etiquette && d.nom != L"lblCouleur");
    std::wstring aide = garde ? texte(c(L"lblAide")) : std::wstring(d.info_bulle);
    if (d.nom == L"lstTaille") aide = L"Options de la taille des images";
    if (d.nom == L"cmdAide") aide = L"Affiche le fichier d'aide";
    const std::wstring attendu =
        std::wstring(d.main ? L"hand" : L"arrow") + L", tip " + std::wstring(d.info_bulle) + L", help " + aide;
    RECT r;
    GetWindowRect(h, &r);
    test::bouger_souris_vers({(r.left + r.right) / 2, r.top + 4});  // a drop-down list's box, not its list
    std::wstring montre;
    attendre_que([&] { return (montre = vu()) == attendu; }, 2s);
    EXPECT_EQ(montre, attendu) << std::wstring(d.nom);
  }
}

using DispositionReelle = DialogueReel;
TEST_F(DispositionReelle, EveryCaptionIsWholeAndNoControlCoversAnother) {
  test::pomper(200ms);  // painted
  RECT client;
  GetClientRect(fenetre.hwnd(), &client);
  std::vector<std::pair<std::wstring, RECT>> vus;
  for (const auto& d : kDispositionOptions.controles) {
    if (!d.visible || d.genre == Genre::ligne) continue;
    const HWND h = c(d.nom, d.indice);
    const std::wstring nom = std::wstring(d.nom) + (d.indice >= 0 ? std::to_wstring(d.indice) : L"");
    ASSERT_TRUE(IsWindowVisible(h)) << nom;
    RECT r, dedans, commun;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, fenetre.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(IntersectRect(&dedans, &r, &client) && EqualRect(&dedans, &r)) << nom << L" reaches outside";
    for (const auto& [autre, a] : vus) EXPECT_FALSE(IntersectRect(&commun, &r, &a)) << nom << L" covers " << autre;
    vus.emplace_back(nom, r);
    // The caption as the screen shows it: ink in
    // the control's last column is a letter its edge cuts. (Measured by
    // GDI's extent instead, a caption fitted 3 pixels to spare while its
    // last letter drew cut in half.) A push button's edges are dark, and its
    // caption is centred.
    if (d.genre != Genre::etiquette && d.genre != Genre::case_a_cocher && d.genre != Genre::bouton_option) continue;
    if (texte(h).empty()) continue;
    const int l = r.right - r.left, hh = r.bottom - r.top;
    POINT coin{r.left, r.top};
    ClientToScreen(fenetre.hwnd(), &coin);
    std::vector<COLORREF> pixels = test::pixels_ecran({coin.x, coin.y, coin.x + l, coin.y + hh});
    // Ink: far from the control's background, its commonest colour (grey
    // text included, as a disabled control draws it).
    std::map<COLORREF, int> comptes;
    for (COLORREF p : pixels) ++comptes[p];
    const COLORREF fond =
        std::max_element(comptes.begin(), comptes.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    const auto encre = [&](int x, int y) {
      const COLORREF p = pixels[std::size_t(y) * l + x];
      return std::abs(GetRValue(p) - GetRValue(fond)) + std::abs(GetGValue(p) - GetGValue(fond)) +
                 std::abs(GetBValue(p) - GetBValue(fond)) >
             3 * 40;
    };
    bool coupee = false, ecrite = false;
    for (int y = 0; y < hh; ++y) {
      coupee = coupee || encre(l - 1, y);
      for (int x = 0; x < l; ++x) ecrite = ecrite || encre(x, y);
    }
    EXPECT_TRUE(ecrite) << nom << L": no caption on the screen";
    EXPECT_FALSE(coupee) << nom << L": its caption is cut";
  }
}

}  // namespace
}  // namespace pixavue::win32
