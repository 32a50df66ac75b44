// What a tick costs on one picture, fitted in mode 1 to a 1920 x 1080 screen:
// the screensaver's own path (decode at the scale the screen needs, resample
// once to the fitted size) against the plain one (the OLE picture loader at
// full size, then a scaled draw), and the tick when its picture was prepared
// ahead on the worker (the time from the tick to the pixels; the memory with
// the preparation). Run once per picture and path, in a fresh process, so
// that the peak memory belongs to that tick alone:
//   bench_tick.exe tick|ole|ahead FILE
// prints: path milliseconds-median peak-MB-added
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
#include <string>
#include <thread>
#include <vector>

#include "screensaver/frmVeille.h"
#include "slideshow/ajustement.h"
#include "slideshow/images_anticipees.h"
#include "win32/images_win32.h"

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

// The fitted rectangle of a picture of that natural size, as the tick makes it.
Controle ajuste(Taille naturelle) {
  Controle c{.Width = naturelle.largeur, .Height = naturelle.hauteur};
  ajuster(c, 1, kLargeur, kHauteur);
  return c;
}

bool tick(const std::wstring& chemin, Images& images) {
  auto image = images.charger(chemin, Taille{kLargeur, kHauteur});
  if (!image) return false;
  Controle c = ajuste(image->taille_naturelle());
  const int l = static_cast<int>(c.Width + 0.5), h = static_cast<int>(c.Height + 0.5);
  win32::ImagePreparee p = win32::creer_dib(l, h);
  static_cast<const win32::ImageWin32&>(*image).preparer(l, h, {0, 0, l, h}, 0, p);
  return p.bitmap.get() != nullptr;
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
  Controle c = ajuste({lh * 96.0 / 2540, hh * 96.0 / 2540});
  const int l = static_cast<int>(c.Width + 0.5), h = static_cast<int>(c.Height + 0.5);
  win32::ImagePreparee p = win32::creer_dib(l, h);
  win32::PoigneeDcMemoire dc(CreateCompatibleDC(nullptr));
  win32::Selection choisi(dc.get(), p.bitmap.get());
  SetStretchBltMode(dc.get(), HALFTONE);
  return SUCCEEDED(image->Render(dc.get(), 0, 0, l, h, 0, hh, lh, -hh, nullptr));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  const std::wstring chemin = argv[2];
  const std::wstring mode = argv[1];
  const bool chemin_tick = mode == L"tick" || mode == L"ahead";
  win32::InitialisationCom com;
  win32::ImagesWin32 ici(96);
  ImagesAnticipees anticipees(
      ici, [] { return win32::images_du_fil(96); }, win32::empreinte_fichier);
  Images& images = mode == L"ahead" ? static_cast<Images&>(anticipees) : ici;
  // Ahead: the worker has prepared the picture before the clock starts.
  auto preparer = [&] {
    if (mode != L"ahead") return;
    anticipees.anticiper(chemin, Taille{kLargeur, kHauteur});
    anticipees.attendre();
  };

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
