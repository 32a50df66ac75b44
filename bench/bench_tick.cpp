// What a tick costs on one picture, fitted in mode 1 to a 1920 x 1080 screen:
// the screensaver's own path (decode at the scale the screen needs, resample
// once to the fitted size) against the plain one (the OLE picture loader at
// full size, then a scaled draw), and the tick when its picture was prepared
// ahead on the worker (the time from the tick to the pixels; the memory with
// the preparation). Run once per picture and path, in a fresh process, so
// that the peak memory belongs to that tick alone:
//   bench_tick.exe tick|ole|ahead|wic FILE
// prints: path milliseconds-median peak-MB-added
// ("wic": the tick's path, but decoded by the Windows Imaging Component, band
// by band, as the bitmaps it reads are.)
//   bench_tick.exe first FOLDER
// the first tick of a run over a folder holding the one picture, prepared
// during the start-up; prints: first milliseconds-median -
//   bench_tick.exe child FILE
// a picture of the system's codecs decoded for the screen's box by the
// decoding process, the first time with its start, then by the process kept,
// and by the imaging component in this one; prints:
// child first-ms kept-ms-median in-process-ms-median
//   bench_tick.exe shuffled FOLDER
// the shuffle on, over a folder of several pictures: the first tick, then
// every tick of two rounds, each with its picture prepared; prints:
// shuffled first-ms later-median-ms later-max-ms
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <psapi.h>
#include <shlwapi.h>
#include <wrl/client.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "screensaver/frmVeille.h"
#include "slideshow/ajustement.h"
#include "slideshow/images_anticipees.h"
#include "win32/codecs_win32.h"
#include "win32/decodage_a_part.h"
#include "win32/fichiers_win32.h"
#include "win32/images_win32.h"
#include "win32/media_directshow.h"
#include "win32/processus_win32.h"

using namespace pixavue;
using Microsoft::WRL::ComPtr;

namespace {

constexpr std::int16_t kLargeur = 1920, kHauteur = 1080;
constexpr int kRepetitions = 5;

SIZE_T engagee() {
  PROCESS_MEMORY_COUNTERS m{sizeof m};
  GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
  return m.PagefileUsage;
}
// Wine keeps no peak of its own: a thread samples the committed bytes.
class Pic {
 public:
  Pic()
      : fil_([this] {
          while (!fin_) {
            pic_ = std::max<SIZE_T>(pic_, engagee());
            Sleep(0);
          }
        }) {}
  ~Pic() {
    fin_ = true;
    fil_.join();
  }
  SIZE_T valeur() const { return pic_; }

 private:
  std::atomic<bool> fin_{false};
  std::atomic<SIZE_T> pic_{0};
  std::thread fil_;
};

constexpr Cadre kEcran{{kLargeur, kHauteur}};

// The screen's back buffer, written once before the clock starts.
win32::ImagePreparee& ecran() {
  static win32::ImagePreparee e = [] {
    win32::ImagePreparee p = win32::creer_dib(kLargeur, kHauteur);
    std::memset(p.bits, 0, 4 * std::size_t(kLargeur) * kHauteur);
    return p;
  }();
  return e;
}

// As the window does it: the picture's own bitmap when it was made for the
// screen, else a bitmap prepared from it; then copied onto the screen.
bool montrer(const Image& image, const RectanglePixels& r) {
  const auto& a_montrer = static_cast<const win32::ImageWin32&>(image);
  win32::ImagePreparee p;
  HBITMAP source = a_montrer.telle_quelle(r.largeur, r.hauteur);
  if (!source) {
    p = win32::creer_dib(r.largeur, r.hauteur);
    if (!p.bitmap) return false;
    a_montrer.preparer(r.largeur, r.hauteur, {0, 0, r.largeur, r.hauteur}, 0, p);
    source = p.bitmap.get();
  }
  win32::PoigneeDcMemoire vers(CreateCompatibleDC(nullptr)), depuis(CreateCompatibleDC(nullptr));
  win32::Selection choisi_vers(vers.get(), ecran().bitmap.get()), choisi_depuis(depuis.get(), source);
  return BitBlt(vers.get(), r.x, r.y, r.largeur, r.hauteur, depuis.get(), 0, 0, SRCCOPY) && GdiFlush();
}

// The pictures as the program has them: one worker prepares the next ahead.
ImagesAnticipees avec_travailleur(win32::ImagesWin32& ici) {
  return ImagesAnticipees(
      ici, [](const std::atomic<bool>& abandon) { return win32::images_du_fil(96, abandon); }, win32::empreinte_fichier,
      win32::peut_aller_a_un_enfant);
}

// The system's imaging component in the decoder's place.
struct ParWic : Images {
  ParWic() { CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&fabrique)); }
  std::shared_ptr<const Image> charger(std::wstring_view chemin, std::optional<Cadre> cadre) override {
    static const std::atomic<bool> jamais{false};
    return win32::decoder_wic(fabrique.Get(), chemin, cadre ? std::optional<Taille>(*cadre) : std::nullopt, jamais);
  }
  ComPtr<IWICImagingFactory> fabrique;
};

bool tick(const std::wstring& chemin, Images& images) {
  auto image = images.charger(chemin, kEcran);
  return image && montrer(*image, rectangle_montre(image->taille_naturelle(), kEcran));
}

// The first tick of a run as its start-up leaves it: the real start-up of a
// full-screen run over a folder holding the one picture, on this screen, then
// one interval for the worker, then the clock runs over the tick and its pixels.
struct Reglages : MagasinParametres {
  std::map<std::wstring, std::wstring, std::less<>> valeurs;
  std::wstring lire_parametre(std::wstring_view, std::wstring_view, std::wstring_view cle) override {
    auto it = valeurs.find(cle);
    return it == valeurs.end() ? L"" : it->second;
  }
  void ecrire_parametre(std::wstring_view, std::wstring_view, std::wstring_view cle, std::wstring_view t) override {
    valeurs[std::wstring(cle)] = t;
  }
};
struct PleinEcran : win32::ProcessusWin32 {
  bool autre_instance() override { return false; }
  std::wstring argument() override { return L"/s"; }
  void terminer() override {}
};
struct EcranDuBanc : Ecran, Fenetre, Minuterie {
  MesuresEcran mesures() override { return {kLargeur * 15.0, kHauteur * 15.0, 15, 15}; }
  std::vector<Moniteur> moniteurs() override { return {{{0, 0, kLargeur, kHauteur}, true}}; }
  void afficher_curseur(bool) override {}
  void plein_ecran() override {}
  bool premier_plan() override { return true; }
  std::int32_t poignee_picture1() override { return 0; }
  void retirer() override {}
  void reveiller() override { liste_entiere = true; }
  std::atomic<bool> liste_entiere{false};
  void activer(bool) override {}
  bool fixer_intervalle(double) override { return true; }
};

// Everything is made afresh: a worker kept from the run before would hold the
// picture that run's tick prepared for its next. Each tick's milliseconds,
// its picture prepared ahead as an interval leaves it time to be; nothing
// when one failed.
std::vector<double> ticks_d_un_run(const std::wstring& dossier, bool melange, int ticks) {
  win32::ImagesWin32 ici(96);
  ImagesAnticipees anticipees = avec_travailleur(ici);
  Reglages reglages;
  reglages.valeurs = {
      {L"dossier demarrage", dossier}, {L"taille", L"1"}, {L"son", L""}, {L"ordre aleatoire", melange ? L"1" : L"0"}};
  PleinEcran processus;
  EcranDuBanc ecran_du_banc;
  win32::FichiersWin32 fichiers;
  win32::MoteurDirectShow media;
  SonPartage son;
  win32::CodecsWin32 codecs;
  frmVeille veille(
      {reglages, processus, ecran_du_banc, fichiers, ecran_du_banc, ecran_du_banc, anticipees, media, son, codecs}, 96);
  veille.Form_Load();
  while (!ecran_du_banc.liste_entiere) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  veille.Listage_Termine();
  std::vector<double> durees;
  for (int i = 0; i < ticks; ++i) {
    anticipees.attendre();
    const auto debut = std::chrono::steady_clock::now();
    veille.Timer1_Timer();
    const Controle& montree = veille.Image1[1];
    if (!montree.Visible || !montree.Picture || !montrer(*montree.Picture, en_pixels(montree))) return {};
    durees.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
  }
  return durees;
}

bool ole(const std::wstring& chemin) {
  ComPtr<IStream> flux;
  if (FAILED(SHCreateStreamOnFileW(chemin.c_str(), STGM_READ, &flux))) return false;
  STATSTG stat{};
  flux->Stat(&stat, STATFLAG_NONAME);
  ComPtr<IPicture> image;
  if (FAILED(OleLoadPicture(flux.Get(), static_cast<LONG>(stat.cbSize.QuadPart), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(image.GetAddressOf()))))
    return false;
  OLE_XSIZE_HIMETRIC lh = 0;
  OLE_YSIZE_HIMETRIC hh = 0;
  image->get_Width(&lh);
  image->get_Height(&hh);
  const RectanglePixels r = rectangle_montre({lh * 96.0 / 2540, hh * 96.0 / 2540}, kEcran);
  const int l = r.largeur, h = r.hauteur;
  win32::ImagePreparee p = win32::creer_dib(l, h);
  win32::PoigneeDcMemoire dc(CreateCompatibleDC(nullptr));
  win32::Selection choisi(dc.get(), p.bitmap.get());
  SetStretchBltMode(dc.get(), HALFTONE);
  return SUCCEEDED(image->Render(dc.get(), 0, 0, l, h, 0, hh, lh, -hh, nullptr));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (auto code = win32::decodeur_si_demande()) return *code;  // the decoding child of a system's picture
  if (argc != 3) return 2;
  const std::wstring chemin = argv[2];
  const std::wstring mode = argv[1];
  if (mode == L"first") {  // FILE is a folder holding the one picture
    win32::InitialisationCom com;
    ecran();
    std::vector<double> durees;
    for (int i = 0; i < kRepetitions; ++i) {
      const auto ticks = ticks_d_un_run(chemin, false, 1);
      if (ticks.empty()) return std::printf("first failed\n"), 1;
      durees.push_back(ticks[0]);
    }
    std::sort(durees.begin(), durees.end());
    std::printf("first %.1f -\n", durees[kRepetitions / 2]);
    return 0;
  }
  if (mode == L"child") {
    win32::InitialisationCom com;
    ParWic par_wic;
    const std::atomic<bool> jamais{false};
    std::vector<double> durees[2];
    double premiere = 0;  // the child's start with it
    for (int i = 0; i <= kRepetitions; ++i)
      for (int voie = 0; voie < 2; ++voie) {
        const auto debut = std::chrono::steady_clock::now();
        const auto image = voie == 0 ? win32::decoder_a_part(chemin, kEcran, jamais) : par_wic.charger(chemin, kEcran);
        if (!image) return std::printf("child failed\n"), 1;
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
        if (voie == 0 && i == 0)
          premiere = ms;
        else
          durees[voie].push_back(ms);
      }
    for (auto& d : durees) std::sort(d.begin(), d.end());
    std::printf("child %.1f %.1f %.1f\n", premiere, durees[0][kRepetitions / 2], durees[1][kRepetitions / 2]);
    return 0;
  }
  if (mode == L"shuffled") {  // FILE is a folder of several pictures
    win32::InitialisationCom com;
    ecran();
    const int pictures = static_cast<int>(std::distance(std::filesystem::directory_iterator(chemin), {}));
    std::vector<double> durees = ticks_d_un_run(chemin, true, 1 + 2 * pictures);
    if (durees.empty()) return std::printf("shuffled failed\n"), 1;
    const double premier = durees.front();
    durees.erase(durees.begin());
    std::sort(durees.begin(), durees.end());
    std::printf("shuffled %.1f %.1f %.1f\n", premier, durees[durees.size() / 2], durees.back());
    return 0;
  }
  const bool chemin_tick = mode == L"tick" || mode == L"ahead" || mode == L"wic";
  win32::InitialisationCom com;
  win32::ImagesWin32 ici(96);
  ImagesAnticipees anticipees = avec_travailleur(ici);
  ParWic par_wic;
  Images& images = mode == L"ahead" ? static_cast<Images&>(anticipees)
                   : mode == L"wic" ? static_cast<Images&>(par_wic)
                                    : ici;
  // Ahead: the worker has prepared the picture before the clock starts.
  auto preparer = [&] {
    if (mode != L"ahead") return;
    anticipees.anticiper(chemin, kEcran);
    anticipees.attendre();
  };

  ecran();  // the screen is there before the run
  const SIZE_T avant = engagee();
  SIZE_T pic = 0;
  std::vector<double> durees;
  for (int i = 0; i < kRepetitions; ++i) {
    bool ok;
    {
      Pic mesure;
      preparer();
      ok = chemin_tick ? tick(chemin, images) : ole(chemin);
      pic = std::max(pic, mesure.valeur());
    }
    if (!ok) {
      std::printf("%ls failed\n", argv[1]);
      return 1;
    }
  }
  // Timed apart from the sampling, which takes a core of its own.
  durees.clear();
  for (int i = 0; i < kRepetitions; ++i) {
    preparer();
    const auto debut = std::chrono::steady_clock::now();
    chemin_tick ? tick(chemin, images) : ole(chemin);
    durees.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
  }
  std::sort(durees.begin(), durees.end());
  std::printf("%ls %.1f %.1f\n", argv[1], durees[kRepetitions / 2], (pic - avant) / 1048576.0);
  return 0;
}
