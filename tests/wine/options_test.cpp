// The settings dialog as laid out: tab order, hand cursor, default and
// cancel buttons, tool tips.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "layouts/frmOptions.h"
#include "layouts/ressources.h"
#include "win32/ecran_win32.h"
#include "win32/fenetre_options.h"

namespace pixavue::win32 {
namespace {

struct Options : ::testing::Test {
  FenetreOptions dialogue{GetModuleHandleW(nullptr), points_par_pouce()};
  HWND c(const wchar_t* nom, int indice = -1) { return dialogue.controle(nom, indice); }
};

// The keyboard walks the controls in tab order, the hand shows over the
// controls laid out with it, and every tool tip has its layout's text.
TEST_F(Options, KeyboardMouseAndToolTipsAsLaidOut) {
  // Only the controls that can take the focus: visible, not labels.
  std::vector<HWND> attendus;
  for (auto [nom, indice] : kOrdreTabulation) {
    const auto* d = trouver(kDispositionOptions, nom, indice);
    if (d->visible && d->genre != Genre::etiquette && !(d->genre == Genre::bouton_option && d->indice > 0))
      attendus.push_back(c(nom.data(), indice));
  }
  ASSERT_EQ(attendus.size(), 16u);
  HWND courant = attendus.front();
  for (std::size_t i = 1; i < attendus.size(); ++i) {
    courant = GetNextDlgTabItem(dialogue.hwnd(), courant, FALSE);
    EXPECT_EQ(courant, attendus[i]) << i;
  }

  HCURSOR main = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_MAIN));
  ASSERT_NE(main, nullptr);
  auto survol = [&](HWND controle) {
    SetCursor(nullptr);
    SendMessageW(dialogue.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(controle), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  for (const wchar_t* nom : {L"cmdParcourir", L"lstFiltres", L"cboTemps", L"lblCouleur", L"lstTaille", L"chkSon",
                             L"cmdEnregistrer", L"cmdFermer"})
    EXPECT_EQ(survol(c(nom)), main) << nom;
  EXPECT_EQ(survol(c(L"optCouleur", 1)), main);
  // The arrow, the text box included: not its text cursor.
  const HCURSOR fleche = LoadCursorW(nullptr, IDC_ARROW);
  for (const wchar_t* nom : {L"cmdAide", L"txtDossier", L"lblAide"}) EXPECT_EQ(survol(c(nom)), fleche) << nom;
  EXPECT_EQ(survol(c(L"Label1", 0)), fleche);

  HWND bulles = nullptr;
  while ((bulles = FindWindowExW(nullptr, bulles, TOOLTIPS_CLASSW, nullptr)))
    if (GetWindow(bulles, GW_OWNER) == dialogue.hwnd()) break;
  ASSERT_NE(bulles, nullptr);
  int avec_bulle = 0;
  for (const auto& d : kDispositionOptions.controles) {
    if (d.info_bulle.empty()) continue;
    ++avec_bulle;
    wchar_t texte[128] = {};
    TTTOOLINFOW outil{sizeof outil};
    outil.hwnd = dialogue.hwnd();
    outil.uId = reinterpret_cast<UINT_PTR>(c(d.nom.data(), d.indice));
    outil.lpszText = texte;
    SendMessageW(bulles, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&outil));
    EXPECT_EQ(std::wstring(texte), std::wstring(d.info_bulle)) << std::wstring(d.nom);
  }
  EXPECT_EQ(avec_bulle, 19);
}

TEST_F(Options, EnterIsTheSaveButtonAndEscClosesIt) {
  EXPECT_EQ(LOWORD(SendMessageW(dialogue.hwnd(), DM_GETDEFID, 0, 0)), GetDlgCtrlID(c(L"cmdEnregistrer")));
  EXPECT_TRUE(GetWindowLongW(c(L"cmdEnregistrer"), GWL_STYLE) & BS_DEFPUSHBUTTON);

  // Esc goes through the dialog manager as IDCANCEL: the window closes.
  MSG esc{c(L"txtDossier"), WM_KEYDOWN, VK_ESCAPE, 0};
  EXPECT_TRUE(IsDialogMessageW(dialogue.hwnd(), &esc));
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  EXPECT_FALSE(IsWindow(dialogue.hwnd()));
}

}  // namespace
}  // namespace pixavue::win32
