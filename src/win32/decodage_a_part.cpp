// The decoding process, kept between pictures: the parent leaves each
// request's shared memory section at the child's post and signals it; the
// child answers in the same section and signals back.
#include "win32/decodage_a_part.h"

#include <psapi.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <tuple>

#include "settings/types_images.h"
#include "slideshow/liste_fichiers.h"
#include "slideshow/orientation.h"
#include "win32/chemin_long.h"
#include "win32/codecs_win32.h"
#include "win32/dessin_emf_plus.h"
#include "win32/images_win32.h"
#include "win32/poignees.h"
#include "win32/processus_win32.h"

// The codec's own scaling, which mingw-w64's headers leave out; as the
// system declares it.
MIDL_INTERFACE("3B16811B-6A43-4ec9-B713-3D5A0C13B940")
IWICBitmapSourceTransform : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect* zone, UINT largeur, UINT hauteur,
                                               WICPixelFormatGUID* format, WICBitmapTransformOptions transformation,
                                               UINT pas, UINT taille, BYTE* pixels) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetClosestSize(UINT * largeur, UINT * hauteur) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetClosestPixelFormat(WICPixelFormatGUID * format) = 0;
  virtual HRESULT STDMETHODCALLTYPE DoesSupportTransform(WICBitmapTransformOptions transformation, BOOL * oui) = 0;
};
__CRT_UUID_DECL(IWICBitmapSourceTransform, 0x3B16811B, 0x6A43, 0x4ec9, 0xB7, 0x13, 0x3D, 0x5A, 0x0C, 0x13, 0xB9, 0x40)

namespace pixavue::win32 {
namespace {

using Microsoft::WRL::ComPtr;

constexpr std::wstring_view kCommutateur = L"/decodeur ";

// At the section's start; the path follows it, then the pixels.
struct Echange {
  // The parent's request.
  std::int32_t cadre_largeur = 0, cadre_hauteur = 0;  // 0 x 0: no box, the natural size
  std::uint32_t longueur_chemin = 0;                  // characters
  std::uint64_t place_pixels = 0;                     // bytes
  DecodageAPart genre = DecodageAPart::codec;
  // The child's answer: premultiplied BGRA pixels, rows end to end.
  std::uint32_t fait = 0;  // kDecodee or kImpossible
  std::int32_t largeur = 0, hauteur = 0;
  double naturelle_largeur = 0, naturelle_hauteur = 0;  // the picture turned upright
};

constexpr std::uint32_t kDecodee = 1, kImpossible = 2;

// The kept child's post, where the parent leaves the handle of each
// request's section, duplicated into the child.
struct Poste {
  std::uint64_t section = 0;
};

std::size_t debut_pixels(std::uint32_t longueur_chemin) {
  return (sizeof(Echange) + sizeof(wchar_t) * std::size_t{longueur_chemin} + 15) & ~std::size_t{15};
}

// The child's ways of ending, but for 0: its parent is gone.
enum Fin : UINT { decodage_impossible = 2, memoire_depassee = 3, chute = 4 };

// The child's: how the metadata says the picture is turned, 1 to 8. The
// system's policy name first; the paths Wine's reader knows after it.
int orientation_de(IWICBitmapFrameDecode* image) {
  ComPtr<IWICMetadataQueryReader> lecteur;
  if (FAILED(image->GetMetadataQueryReader(&lecteur))) return 1;
  for (const wchar_t* nom : {L"System.Photo.Orientation", L"/ifd/{ushort=274}", L"/app1/ifd/{ushort=274}"}) {
    PROPVARIANT valeur;
    PropVariantInit(&valeur);
    const int lue = SUCCEEDED(lecteur->GetMetadataByName(nom, &valeur)) && valeur.vt == VT_UI2 ? valeur.uiVal : 0;
    PropVariantClear(&valeur);
    if (lue >= 1 && lue <= 8) return lue;
  }
  return 1;
}

// The codec's own reduction, when it has one at least as large as wanted: a
// RAW's preview, a scaled decode.
ComPtr<IWICBitmapSource> reduite_par_le_codec(IWICImagingFactory* f, IWICBitmapFrameDecode* image, UINT largeur,
                                              UINT voulue_l, UINT voulue_h) {
  ComPtr<IWICBitmapSourceTransform> transformation;
  UINT l = voulue_l, h = voulue_h;
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppPBGRA;
  if (FAILED(image->QueryInterface(IID_PPV_ARGS(&transformation))) || FAILED(transformation->GetClosestSize(&l, &h)) ||
      l < voulue_l || h < voulue_h || l >= largeur || FAILED(transformation->GetClosestPixelFormat(&format)))
    return nullptr;
  ComPtr<IWICComponentInfo> infos;
  ComPtr<IWICPixelFormatInfo> format_infos;
  UINT bits = 0;
  if (FAILED(f->CreateComponentInfo(format, &infos)) || FAILED(infos.As(&format_infos)) ||
      FAILED(format_infos->GetBitsPerPixel(&bits)) || bits == 0)
    return nullptr;
  const UINT pas = (l * bits + 7) / 8;
  std::vector<std::uint8_t> octets(std::size_t{pas} * h);
  ComPtr<IWICBitmap> reduite;
  if (FAILED(transformation->CopyPixels(nullptr, l, h, &format, WICBitmapTransformRotate0, pas,
                                        static_cast<UINT>(octets.size()), octets.data())) ||
      FAILED(f->CreateBitmapFromMemory(l, h, format, pas, static_cast<UINT>(octets.size()), octets.data(), &reduite)))
    return nullptr;
  return reduite;
}

// The child's decode of the request, into the section.
bool decoder_la_demande(IWICImagingFactory* f, Echange& e, const std::wstring& chemin, std::uint8_t* pixels) {
  ComPtr<IWICBitmapDecoder> decodeur;
  ComPtr<IWICBitmapFrameDecode> image;
  UINT largeur = 0, hauteur = 0;
  if (FAILED(f->CreateDecoderFromFilename(chemin_long(chemin).c_str(), nullptr, GENERIC_READ,
                                          WICDecodeMetadataCacheOnDemand, &decodeur)) ||
      FAILED(decodeur->GetFrame(0, &image)) || FAILED(image->GetSize(&largeur, &hauteur)) || largeur == 0 ||
      hauteur == 0 || std::uint64_t{largeur} * hauteur > kMaxPixelsDecodes)
    return false;
  const int orientation = orientation_de(image.Get());
  const bool couchee = orientation >= 5;  // a quarter turn: width and height swap
  const double naturelle_l = couchee ? hauteur : largeur, naturelle_h = couchee ? largeur : hauteur;
  std::optional<Taille> cadre;
  if (e.cadre_largeur > 0 && e.cadre_hauteur > 0) cadre = Taille{double(e.cadre_largeur), double(e.cadre_hauteur)};
  const double echelle = reduction_pour(naturelle_l, naturelle_h, cadre).echelle;
  const UINT voulue_l = std::max(1u, static_cast<UINT>(std::ceil(largeur * echelle)));
  const UINT voulue_h = std::max(1u, static_cast<UINT>(std::ceil(hauteur * echelle)));

  ComPtr<IWICBitmapSource> source = image;
  if (voulue_l < largeur) {
    if (auto reduite = reduite_par_le_codec(f, image.Get(), largeur, voulue_l, voulue_h)) source = reduite;
    UINT l = 0, h = 0;
    source->GetSize(&l, &h);
    ComPtr<IWICBitmapScaler> echelle_systeme;
    if (l != voulue_l || h != voulue_h) {
      if (FAILED(f->CreateBitmapScaler(&echelle_systeme)) ||
          FAILED(echelle_systeme->Initialize(source.Get(), voulue_l, voulue_h, WICBitmapInterpolationModeFant)))
        return false;
      source = echelle_systeme;
    }
  }
  ComPtr<IWICFormatConverter> conversion;
  UINT l = 0, h = 0;
  if (FAILED(f->CreateFormatConverter(&conversion)) ||
      FAILED(conversion->Initialize(source.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                    WICBitmapPaletteTypeCustom)) ||
      FAILED(conversion->GetSize(&l, &h)) || 4 * std::uint64_t{l} * h > e.place_pixels)
    return false;
  // Turned by the program's own code, as its JPEGs are: Wine's flip-rotator
  // flips but never turns.
  Pixels stockees{static_cast<int>(l), static_cast<int>(h), {}};
  stockees.octets.resize(4 * std::size_t{l} * h);
  if (FAILED(conversion->CopyPixels(nullptr, 4 * l, static_cast<UINT>(stockees.octets.size()), stockees.octets.data())))
    return false;
  const Pixels vues = orientation == 1 ? std::move(stockees) : orienter(stockees, orientation);
  std::memcpy(pixels, vues.octets.data(), vues.octets.size());
  e.largeur = vues.largeur;
  e.hauteur = vues.hauteur;
  e.naturelle_largeur = naturelle_l;
  e.naturelle_hauteur = naturelle_h;
  return true;
}

// The child's memory, watched while it decodes: Wine does not enforce a
// job's limit.
void surveiller_la_memoire(HANDLE au_travail) {
  while (WaitForSingleObject(au_travail, INFINITE) == WAIT_OBJECT_0) {
    PROCESS_MEMORY_COUNTERS m{sizeof m};
    if (GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m) && m.PagefileUsage > kMemoireDecodeur)
      TerminateProcess(GetCurrentProcess(), memoire_depassee);
    Sleep(5);
  }
}

LONG WINAPI chuter(EXCEPTION_POINTERS*) {
  TerminateProcess(GetCurrentProcess(), chute);  // no debugger, no report: the parent only counts the picture lost
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

namespace {

std::wstring_view nom_de(std::wstring_view chemin) {
  const std::size_t nom = chemin.find_last_of(L"\\/");
  return chemin.substr(nom == std::wstring_view::npos ? 0 : nom + 1);
}

}  // namespace

bool decode_a_part(std::wstring_view chemin) {
  static const std::wstring motif = motif_du_systeme(CodecsWin32().extensions());
  return !motif.empty() && correspond_au_motif(nom_de(chemin), motif);
}

bool peut_aller_a_un_enfant(std::wstring_view chemin) {
  return decode_a_part(chemin) || correspond_au_motif(nom_de(chemin), L"*.emf");
}

namespace {

// The files, as they were, whose child died or handed back nonsense: a run
// that comes round to them again shows their error at once, where a
// hanging codec would cost its bound at every round.
class Funestes {
 public:
  bool connu(std::wstring_view chemin) {
    const auto empreinte = empreinte_fichier(chemin);
    std::lock_guard<std::mutex> verrou(mutex_);
    return empreinte && fichiers_.count({std::wstring(chemin), *empreinte}) > 0;
  }
  void retenir(std::wstring_view chemin) {
    if (const auto empreinte = empreinte_fichier(chemin)) {
      std::lock_guard<std::mutex> verrou(mutex_);
      fichiers_.insert({std::wstring(chemin), *empreinte});
    }
  }

 private:
  struct Ordre {
    bool operator()(const std::pair<std::wstring, EmpreinteFichier>& a,
                    const std::pair<std::wstring, EmpreinteFichier>& b) const {
      return std::tie(a.first, a.second.taille, a.second.ecriture, a.second.changement) <
             std::tie(b.first, b.second.taille, b.second.ecriture, b.second.changement);
    }
  };
  std::mutex mutex_;
  std::set<std::pair<std::wstring, EmpreinteFichier>, Ordre> fichiers_;
};
Funestes funestes;

// One decoding child, kept from picture to picture. Under Wine a process
// start forks its parent, whose next writes to the memory it had then fault
// page by page (an 8 MB frame: 24 ms); a child for each picture would cost
// the tick after it that much.
class Decodeur {
 public:
  enum class Issue { reponse, perdu };  // perdu: the child is gone, killed if need be

  static std::unique_ptr<Decodeur> demarrer() {
    auto d = std::unique_ptr<Decodeur>(new Decodeur);
    // The job ends the child with the run, however the run ends, and caps
    // its memory where the system enforces it.
    d->travail_.reset(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limites{};
    limites.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_PROCESS_MEMORY | JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE |
                                               JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    limites.ProcessMemoryLimit = kMemoireDecodeur;
    if (!d->travail_ ||
        !SetInformationJobObject(d->travail_.get(), JobObjectExtendedLimitInformation, &limites, sizeof limites))
      return nullptr;

    // Every handle made inheritable here goes to this child alone.
    static std::mutex heritage;
    std::lock_guard<std::mutex> verrou(heritage);
    SECURITY_ATTRIBUTES heritable{sizeof heritable, nullptr, TRUE};
    PoigneeNoyau parent;
    d->poste_section_.reset(
        CreateFileMappingW(INVALID_HANDLE_VALUE, &heritable, PAGE_READWRITE, 0, sizeof(Poste), nullptr));
    d->poste_.reset(d->poste_section_ ? MapViewOfFile(d->poste_section_.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0) : nullptr);
    d->demande_.reset(CreateEventW(&heritable, FALSE, FALSE, nullptr));
    d->reponse_.reset(CreateEventW(&heritable, FALSE, FALSE, nullptr));
    if (!d->poste_ || !d->demande_ || !d->reponse_ ||
        !DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &parent, SYNCHRONIZE, TRUE, 0))
      return nullptr;
    const std::wstring programme = chemin_du_programme();
    std::wstring ligne = L"\"" + programme + L"\" " + std::wstring(kCommutateur);
    for (HANDLE h : {d->poste_section_.get(), d->demande_.get(), d->reponse_.get(), parent.get()})
      ligne += L' ' + std::to_wstring(reinterpret_cast<std::uintptr_t>(h));
    STARTUPINFOW demarrage{sizeof demarrage};
    PROCESS_INFORMATION infos{};
    if (!CreateProcessW(programme.c_str(), ligne.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr, nullptr,
                        &demarrage, &infos))
      return nullptr;
    d->processus_.reset(infos.hProcess);
    PoigneeNoyau fil(infos.hThread);
    if (!AssignProcessToJobObject(d->travail_.get(), d->processus_.get())) {
      TerminateProcess(d->processus_.get(), 1);
      return nullptr;
    }
    ResumeThread(fil.get());
    return d;
  }

  // Hands the child the section of one request and waits for its answer,
  // the bound at most, or until `abandon`.
  Issue decoder(HANDLE section, const std::atomic<bool>& abandon) {
    HANDLE chez_lui = nullptr;  // the child closes it once it has answered
    if (!DuplicateHandle(GetCurrentProcess(), section, processus_.get(), &chez_lui, 0, FALSE, DUPLICATE_SAME_ACCESS))
      return perdre();
    static_cast<Poste*>(poste_.get())->section = reinterpret_cast<std::uintptr_t>(chez_lui);
    SetEvent(demande_.get());
    const HANDLE attendus[] = {reponse_.get(), processus_.get()};
    for (const ULONGLONG fin = GetTickCount64() + kDelaiDecodeurMs;
         GetTickCount64() < fin && !abandon.load(std::memory_order_relaxed);) {
      const DWORD attente = WaitForMultipleObjects(2, attendus, FALSE, 20);
      if (attente == WAIT_OBJECT_0) return Issue::reponse;
      if (attente != WAIT_TIMEOUT) break;
    }
    return perdre();
  }

  // The child's end: died, hung, or handed back nonsense.
  Issue perdre() {
    TerminateJobObject(travail_.get(), 1);
    WaitForSingleObject(processus_.get(), 1000);  // its memory back before the next one starts
    return Issue::perdu;
  }

  bool vivant() const { return WaitForSingleObject(processus_.get(), 0) == WAIT_TIMEOUT; }

  // The child's own ending, when it died by itself: a codec that said it
  // could not decode ends nothing.
  DWORD code_de_fin() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(processus_.get(), &code);
    return code;
  }

 private:
  Decodeur() = default;
  PoigneeNoyau travail_, processus_, poste_section_, demande_, reponse_;
  VueSection poste_;
};

// The children kept for the workers that decode: one each, started when a
// worker first needs one and again after one is lost.
class Decodeurs {
 public:
  std::unique_ptr<Decodeur> prendre() {
    {
      std::lock_guard<std::mutex> verrou(mutex_);
      while (!libres_.empty()) {
        auto d = std::move(libres_.back());
        libres_.pop_back();
        if (d->vivant()) return d;  // one ended while idle costs no picture
      }
    }
    return Decodeur::demarrer();
  }
  void rendre(std::unique_ptr<Decodeur> d) {
    std::lock_guard<std::mutex> verrou(mutex_);
    libres_.push_back(std::move(d));
  }

 private:
  std::mutex mutex_;
  std::vector<std::unique_ptr<Decodeur>> libres_;
};

Decodeurs& decodeurs() {
  static Decodeurs tous;
  return tous;
}

}  // namespace

std::shared_ptr<const Image> decoder_a_part(std::wstring_view chemin, std::optional<Taille> cadre,
                                            const std::atomic<bool>& abandon, DecodageAPart genre) {
  if (funestes.connu(chemin)) return nullptr;
  // The pixels of the box, a hundredth more and their rounding, or of the
  // largest picture a decoder may give.
  std::uint64_t pixels_max = kMaxPixelsDecodes;
  if (cadre && cadre->largeur > 0 && cadre->hauteur > 0)
    pixels_max = std::min<std::uint64_t>(
        pixels_max, static_cast<std::uint64_t>((cadre->largeur * 1.01 + 2) * (cadre->hauteur * 1.01 + 2)));
  const auto longueur = static_cast<std::uint32_t>(chemin.size());
  const std::uint64_t taille = debut_pixels(longueur) + 4 * pixels_max;

  PoigneeNoyau section(
      CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, DWORD(taille >> 32), DWORD(taille), nullptr));
  VueSection vue(section ? MapViewOfFile(section.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0) : nullptr);
  if (!vue) return nullptr;
  auto* echange = new (vue.get()) Echange{};
  if (cadre) {
    echange->cadre_largeur = static_cast<std::int32_t>(std::ceil(cadre->largeur));
    echange->cadre_hauteur = static_cast<std::int32_t>(std::ceil(cadre->hauteur));
  }
  echange->longueur_chemin = longueur;
  echange->place_pixels = 4 * pixels_max;
  echange->genre = genre;
  std::memcpy(reinterpret_cast<std::uint8_t*>(vue.get()) + sizeof(Echange), chemin.data(), sizeof(wchar_t) * longueur);

  auto decodeur = decodeurs().prendre();
  if (!decodeur) return nullptr;
  if (decodeur->decoder(section.get(), abandon) == Decodeur::Issue::perdu) {
    // Abandoned, the child was never given its chance; undecodable, it said so.
    if (!abandon && decodeur->code_de_fin() != decodage_impossible) funestes.retenir(chemin);
    return nullptr;
  }

  // The child's answer is believed only as far as it fits the section.
  const Echange reponse = *echange;
  if (reponse.fait == kImpossible) {
    decodeurs().rendre(std::move(decodeur));
    return nullptr;
  }
  const std::uint64_t octets =
      4 * std::uint64_t(std::max(reponse.largeur, 0)) * std::uint64_t(std::max(reponse.hauteur, 0));
  if (reponse.fait != kDecodee || reponse.largeur <= 0 || reponse.hauteur <= 0 || octets > 4 * pixels_max ||
      !std::isfinite(reponse.naturelle_largeur) || !std::isfinite(reponse.naturelle_hauteur) ||
      !(reponse.naturelle_largeur >= 1 && reponse.naturelle_hauteur >= 1) ||
      reponse.naturelle_largeur * reponse.naturelle_hauteur > double(kMaxPixelsDecodes)) {
    decodeur->perdre();
    funestes.retenir(chemin);
    return nullptr;
  }
  decodeurs().rendre(std::move(decodeur));
  Pixels pixels{reponse.largeur, reponse.hauteur, std::vector<std::uint8_t>(octets)};
  std::memcpy(pixels.octets.data(), static_cast<const std::uint8_t*>(vue.get()) + debut_pixels(longueur), octets);
  return std::make_shared<ImageMatricielle>(std::move(pixels),
                                            Taille{reponse.naturelle_largeur, reponse.naturelle_hauteur});
}

namespace {

// The child's answer to one request, in the request's own section.
void repondre(IWICImagingFactory* f, HANDLE section) {
  VueSection vue(MapViewOfFile(section, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  MEMORY_BASIC_INFORMATION region{};
  if (!vue || !VirtualQuery(vue.get(), &region, sizeof region) || region.RegionSize < sizeof(Echange)) return;
  auto& echange = *static_cast<Echange*>(vue.get());
  echange.fait = kImpossible;
  // The request is the parent's, but checked against the section all the same.
  const std::size_t debut = debut_pixels(echange.longueur_chemin);
  if (echange.longueur_chemin == 0 || debut > region.RegionSize || echange.place_pixels > region.RegionSize - debut)
    return;
  const std::wstring chemin(reinterpret_cast<const wchar_t*>(&echange + 1), echange.longueur_chemin);
  auto* pixels = static_cast<std::uint8_t*>(vue.get()) + debut;
  if (echange.genre == DecodageAPart::dessin_emf_plus) {
    // Drawn at the box's size, which the section holds.
    const std::uint64_t l = std::uint64_t(std::max(echange.cadre_largeur, 0)),
                        h = std::uint64_t(std::max(echange.cadre_hauteur, 0));
    if (l * h * 4 > echange.place_pixels ||
        !dessiner_emf_plus(chemin, static_cast<int>(l), static_cast<int>(h), pixels))
      return;
    echange.largeur = echange.cadre_largeur, echange.hauteur = echange.cadre_hauteur;
    echange.naturelle_largeur = double(l), echange.naturelle_hauteur = double(h);
    echange.fait = kDecodee;
    return;
  }
  if (decoder_la_demande(f, echange, chemin, pixels)) echange.fait = kDecodee;
}

}  // namespace

std::optional<int> decodeur_si_demande() {
  const std::wstring argument = argument_de(GetCommandLineW());
  if (!argument.starts_with(kCommutateur)) return std::nullopt;
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  SetUnhandledExceptionFilter(chuter);
  static const PoigneeNoyau au_travail(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::thread(surveiller_la_memoire, au_travail.get()).detach();

  // The parent's handles, as it wrote them: the post, its two events, itself.
  HANDLE poignees[4] = {};
  const wchar_t* lu = argument.c_str() + kCommutateur.size();
  for (HANDLE& h : poignees) {
    wchar_t* fin = nullptr;
    h = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(std::wcstoull(lu, &fin, 10)));
    lu = fin;
  }
  const auto [poste_section, demande, reponse, parent] = poignees;
  VueSection poste(MapViewOfFile(poste_section, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Poste)));
  InitialisationCom com(COINIT_MULTITHREADED);
  ComPtr<IWICImagingFactory> f;
  if (!poste || FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&f))))
    return int(decodage_impossible);
  // A request at a time, until the parent is gone.
  for (const HANDLE attendus[] = {demande, parent};
       WaitForMultipleObjects(2, attendus, FALSE, INFINITE) == WAIT_OBJECT_0;) {
    const auto section =
        reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(static_cast<Poste*>(poste.get())->section));
    SetEvent(au_travail.get());
    repondre(f.Get(), section);
    ResetEvent(au_travail.get());
    CloseHandle(section);
    SetEvent(reponse);
  }
  return 0;
}

}  // namespace pixavue::win32
