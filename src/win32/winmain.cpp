// Entry point of Pixavue.scr: builds the screensaver window, runs its
// start-up, then whatever the switch asked for.
#include <windows.h>

#include <cstdlib>

#include "win32/codecs_win32.h"
#include "win32/decodage_a_part.h"
#include "win32/dialogues_win32.h"
#include "win32/ecran_win32.h"
#include "win32/fenetre_options.h"
#include "win32/fenetre_veille.h"
#include "win32/fichiers_win32.h"
#include "win32/images_win32.h"
#include "win32/magasin_registre.h"
#include "win32/media_directshow.h"
#include "win32/processus_win32.h"

using namespace pixavue;

// An exception nothing caught ends the program as any terminate does. The
// runtime's own handler would print the exception's demangled name to a
// console that a windowed program doesn't have, and bring the demangler in:
// a twentieth of the program.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Started again by itself to decode a picture of the system's codecs.
  if (auto code = win32::decodeur_si_demande()) return *code;
  win32::InitialisationCom com;
  win32::ProcessusWin32 processus;
  win32::MagasinRegistre magasin;
  win32::EcranWin32 ecran;
  win32::FichiersWin32 fichiers;
  const double ppp = win32::points_par_pouce();
  win32::ImagesWin32 images_ici(ppp);
  ImagesAnticipees images(
      images_ici, [ppp](const std::atomic<bool>& abandon) { return win32::images_du_fil(ppp, abandon); },
      win32::empreinte_fichier, win32::peut_aller_a_un_enfant);
  win32::MoteurDirectShow media;
  win32::CodecsWin32 codecs;

  win32::FenetreVeille fenetre(instance, ppp);
  SonPartage son;  // after the window: a video stream's window lives in it
  frmVeille veille({magasin, processus, ecran, fichiers, fenetre, fenetre, images, media, son, codecs}, ppp);
  fenetre.attacher(veille);

  switch (veille.Form_Load()) {
    case SuiteDemarrage::fin:
      return 0;
    case SuiteDemarrage::options: {
      win32::FenetreOptions fenetre_options(instance, ppp);
      win32::DialoguesWin32 dialogues;
      frmOptions options({magasin, processus, ecran, fichiers, fenetre_options, dialogues, media, son, codecs});
      fenetre_options.attacher(options);
      options.Form_Load();
      fenetre_options.montrer_modal();
      return 0;
    }
    case SuiteDemarrage::fenetre:
      break;
  }
  fenetre.montrer();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
