// A mutation run over the metafiles and PNGs the tests make: record fields
// (bytes, in a PNG) changed at random, each mutant walked, and whatever the
// walk vouches for played or decoded the way the program does it, in a child
// process whose crash or hang is caught. GIFs are decoded by the project's
// own code, which its fuzzer runs whole.
//   pixavue_mutations SEED COUNT FOLDER
// Prints "mutants N, walked whole W, played P, crashes C" and keeps every
// mutant that crashed or hung in FOLDER; exits 1 when there was one.
#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "echantillons.h"
#include "enregistrement_gdi.h"
#include "slideshow/ajustement.h"
#include "slideshow/verification_png.h"
#include "win32/images_win32.h"

namespace pixavue::test {
namespace {

using Octets = std::vector<std::uint8_t>;

// The GDI recordings in every mapping mode, with and without a frame, the
// other writers' files, the samples and test PNGs of every colour type, in a
// fixed order.
std::vector<Octets> corpus() {
  std::vector<Octets> fichiers;
  const RECT cadre{0, 0, 8000, 6000};
  for (int mode = MM_TEXT; mode <= MM_ANISOTROPIC; ++mode) {
    fichiers.push_back(enregistrer_gdi(mode, nullptr));
    fichiers.push_back(enregistrer_gdi(mode, &cadre));
  }
  std::vector<std::filesystem::path> chemins{echantillon(L"schema.emf"), echantillon(L"dessin.wmf")};
  for (const auto& f : std::filesystem::directory_iterator(chemin_wine(PIXAVUE_METAFICHIERS, L"")))
    if (f.path().extension() == ".emf") chemins.push_back(f.path());
  std::sort(chemins.begin() + 2, chemins.end());
  for (const wchar_t* png : {L"c0-1-i-t.png", L"c0-16-t.png", L"c2-8-t.png", L"c2-16-i.png", L"c3-2-i-t.png",
                             L"c3-8-t.png", L"c4-16-i.png", L"c6-8-i.png", L"trois-i.png", L"anime.png"})
    chemins.push_back(chemin_wine(PIXAVUE_PNG, png));
  chemins.push_back(echantillon(L"vitrail.png"));
  for (const auto& chemin : chemins) {
    std::ifstream flux(chemin, std::ios::binary);
    fichiers.emplace_back(std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>());
  }
  return fichiers;
}

std::uint64_t melanger(std::uint64_t& etat) {  // splitmix64
  std::uint64_t z = (etat += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint32_t lire(const Octets& o, std::size_t a, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | o[a + i];
  return v;
}
void ecrire(Octets& o, std::size_t a, int n, std::uint32_t v) {
  for (int i = 0; i < n; ++i) o[a + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

bool est_png(const Octets& o) { return o.size() >= 8 && o[0] == 0x89 && o[1] == 'P' && o[2] == 'N' && o[3] == 'G'; }

// Every chunk that still fits gets its CRC back, so that the walk's own
// check lets the mutant through to the decoder.
void recalculer_crc(Octets& o) {
  auto gros = [&](std::size_t a) { return std::uint32_t(o[a]) << 24 | o[a + 1] << 16 | o[a + 2] << 8 | o[a + 3]; };
  for (std::size_t p = 8; p + 12 <= o.size();) {
    const std::size_t longueur = gros(p);
    if (longueur > o.size() - p - 12) break;
    const auto crc = static_cast<std::uint32_t>(crc32(0, &o[p + 4], static_cast<uInt>(longueur + 4)));
    for (int i = 0; i < 4; ++i) o[p + 8 + longueur + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    p += longueur + 12;
  }
}
bool est_emf(const Octets& o) { return o.size() >= 44 && lire(o, 40, 4) == 0x464D4520; }

// A metafile's records as offset and size, up to the first that doesn't fit.
std::vector<std::pair<std::size_t, std::size_t>> enregistrements(const Octets& o) {
  const bool emf = est_emf(o);
  std::vector<std::pair<std::size_t, std::size_t>> records;
  std::size_t p = emf ? lire(o, 4, 4) : (o.size() >= 4 && lire(o, 0, 4) == 0x9AC6CDD7 ? 22 : 0) + 18;
  while (p + 8 <= o.size()) {
    const std::size_t taille = emf ? lire(o, p + 4, 4) : std::size_t{lire(o, p, 4)} * 2;
    if (taille < 8 || p + taille > o.size()) break;
    records.emplace_back(p, taille);
    p += taille;
  }
  return records;
}

// One to three fields of random records changed: most often a field after a
// record's type and size (object indexes, counts, sizes, coordinates,
// flags), now and then the type or the size itself.
Octets muter(Octets o, std::uint64_t graine) {
  if (est_png(o)) {  // bytes anywhere after the signature: sizes, flags, types, data
    std::uint64_t etat = graine;
    for (int n = 1 + melanger(etat) % 3; n > 0; --n) {
      const std::size_t a = 8 + melanger(etat) % (o.size() - 8);
      const std::uint8_t avant = o[a], hasard = static_cast<std::uint8_t>(melanger(etat));
      const std::uint8_t valeurs[] = {0,    1,    0xFF, 0x80, std::uint8_t(avant + 1), std::uint8_t(avant - 1), hasard,
                                      0x2C, 0x21, 0x3B, 12};
      o[a] = valeurs[melanger(etat) % std::size(valeurs)];
    }
    recalculer_crc(o);
    return o;
  }
  const bool emf = est_emf(o);
  const int unite = emf ? 4 : 2;
  const auto records = enregistrements(o);
  if (records.empty()) return o;
  std::uint64_t etat = graine;
  for (int n = 1 + melanger(etat) % 3; n > 0; --n) {
    const auto [debut, taille] = records[melanger(etat) % records.size()];
    const std::size_t premier = melanger(etat) % 10 == 0 ? 0 : (emf ? 8 : 6);
    if (taille <= premier) continue;
    const std::size_t a = debut + premier + melanger(etat) % ((taille - premier) / unite) * unite;
    const std::uint32_t avant = lire(o, a, unite), hasard = static_cast<std::uint32_t>(melanger(etat));
    const std::uint32_t valeurs[] = {0,           1,
                                     2,           avant + 1,
                                     avant - 1,   0x80000000u | (hasard % 32),
                                     0xFFFFFFFFu, 0x7FFFFFFFu,
                                     hasard,      avant ^ (1u << (hasard % 32)),
                                     avant * 2,   hasard % 8,
                                     0x8000u,     0u - avant};
    ecrire(o, a, unite, valeurs[melanger(etat) % std::size(valeurs)]);
  }
  return o;
}

// Each changed field: the record's type and offset, the field's offset in
// it, the old and the new value.
void decrire_changements(const Octets& avant, const Octets& apres) {
  if (est_png(avant)) {
    for (std::size_t a = 0; a < avant.size(); ++a)
      if (avant[a] != apres[a]) std::printf(" byte %zu: 0x%x -> 0x%x;", a, avant[a], apres[a]);
    std::printf("\n");
    return;
  }
  const bool emf = est_emf(avant);
  const int unite = emf ? 4 : 2;
  for (const auto& [p, taille] : enregistrements(avant))
    for (std::size_t a = p; a < p + taille; a += unite)
      if (lire(avant, a, unite) != lire(apres, a, unite))
        std::printf(" record 0x%x at %zu, field +%zu: 0x%x -> 0x%x;", lire(avant, emf ? p : p + 4, unite), p, a - p,
                    lire(avant, a, unite), lire(apres, a, unite));
  std::printf("\n");
}

std::uint64_t graine(std::uint64_t germe, std::uint64_t i) { return germe * 0x100000000ull + i; }

// The child: walks and plays mutants [debut, fin), telling each number
// before it plays it.
int enfant(std::uint64_t germe, std::uint64_t debut, std::uint64_t fin) {
  const auto fichiers = corpus();
  win32::InitialisationCom com;
  win32::ImagesWin32 images(96);
  wchar_t dossier_temporaire[MAX_PATH];
  GetTempPathW(MAX_PATH, dossier_temporaire);
  const std::wstring fichier_png =
      std::wstring(dossier_temporaire) + L"pixavue-mutant-" + std::to_wstring(GetCurrentProcessId()) + L".png";
  std::uint64_t entiers = 0, joues = 0;
  for (std::uint64_t i = debut; i < fin; ++i) {
    std::printf("@%llu\n", static_cast<unsigned long long>(i));
    std::fflush(stdout);
    const Octets mutant = muter(fichiers[i % fichiers.size()], graine(germe, i));
    if (est_png(mutant)) {  // from a file, the walk and libpng as the program reads one
      std::ofstream(std::filesystem::path(fichier_png), std::ios::binary)
          .write(reinterpret_cast<const char*>(mutant.data()), static_cast<std::streamsize>(mutant.size()));
      if (!verifier_png(mutant)) continue;
      std::printf("@e\n");
      std::fflush(stdout);
      images.charger(fichier_png, Cadre{{160, 120}});
      std::printf("@j\n");
      std::fflush(stdout);
      continue;
    }
    auto image = std::dynamic_pointer_cast<const win32::ImageWin32>(win32::decoder_metafichier(mutant, 96));
    if (!image) continue;
    ++entiers;
    std::printf("@e\n");
    std::fflush(stdout);
    const RectanglePixels r = rectangle_montre(image->taille_naturelle(), Cadre{{160, 120}, true});
    win32::ImagePreparee cible = win32::creer_dib(r.largeur, r.hauteur);
    if (!cible.bitmap) continue;
    image->preparer(r.largeur, r.hauteur, {0, 0, r.largeur, r.hauteur}, RGB(255, 255, 255), cible);
    ++joues;
    std::printf("@j\n");  // played whole: counted even if a later mutant falls
    std::fflush(stdout);
  }
  DeleteFileW(fichier_png.c_str());
  std::printf("@fin\n");
  std::fflush(stdout);
  return 0;
}

struct Bilan {
  std::uint64_t entiers = 0, joues = 0, suivant = 0;
  bool fini = false;
};

// One child from `debut` until it ends or falls: what it reported, and the
// mutant after the last it started.
Bilan lancer_enfant(std::uint64_t germe, std::uint64_t debut, std::uint64_t fin) {
  wchar_t programme[MAX_PATH];
  GetModuleFileNameW(nullptr, programme, MAX_PATH);
  std::wstring ligne = L"\"" + std::wstring(programme) + L"\" --enfant " + std::to_wstring(germe) + L" " +
                       std::to_wstring(debut) + L" " + std::to_wstring(fin);
  SECURITY_ATTRIBUTES heritable{sizeof heritable, nullptr, TRUE};
  HANDLE lecture = nullptr, ecriture = nullptr;
  CreatePipe(&lecture, &ecriture, &heritable, 0);
  SetHandleInformation(lecture, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW demarrage{sizeof demarrage};
  demarrage.dwFlags = STARTF_USESTDHANDLES;
  demarrage.hStdOutput = ecriture;
  demarrage.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION infos{};
  Bilan bilan{0, 0, debut, false};
  if (!CreateProcessW(programme, ligne.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &demarrage, &infos)) {
    CloseHandle(lecture);
    CloseHandle(ecriture);
    return bilan;
  }
  CloseHandle(ecriture);
  std::string recu, ligne_lue;
  ULONGLONG dernier_signe = GetTickCount64();
  for (;;) {
    DWORD disponibles = 0;
    if (!PeekNamedPipe(lecture, nullptr, 0, nullptr, &disponibles, nullptr)) break;  // the child is gone
    if (disponibles == 0) {
      if (GetTickCount64() - dernier_signe > 60000) {  // one mutant for a minute: a hang
        TerminateProcess(infos.hProcess, 1);
        break;
      }
      Sleep(5);
      continue;
    }
    char tampon[4096];
    DWORD lus = 0;
    if (!ReadFile(lecture, tampon, sizeof tampon, &lus, nullptr) || lus == 0) break;
    dernier_signe = GetTickCount64();
    recu.append(tampon, lus);
    for (std::size_t fin_ligne; (fin_ligne = recu.find('\n')) != std::string::npos; recu.erase(0, fin_ligne + 1)) {
      ligne_lue = recu.substr(0, fin_ligne);
      if (!ligne_lue.empty() && ligne_lue.back() == '\r') ligne_lue.pop_back();  // text mode's line ends
      // The child's own lines start with "@"; the rest is what a crash printed.
      if (ligne_lue == "@fin") {
        bilan.suivant = fin;
        bilan.fini = true;
      } else if (ligne_lue == "@e") {
        ++bilan.entiers;
      } else if (ligne_lue == "@j") {
        ++bilan.joues;
      } else if (ligne_lue.size() > 1 && ligne_lue[0] == '@') {
        bilan.suivant = std::strtoull(ligne_lue.c_str() + 1, nullptr, 10) + 1;
      }
    }
  }
  WaitForSingleObject(infos.hProcess, 10000);
  DWORD code = 1;
  GetExitCodeProcess(infos.hProcess, &code);
  bilan.fini = bilan.fini && code == 0;
  CloseHandle(infos.hThread);
  CloseHandle(infos.hProcess);
  CloseHandle(lecture);
  return bilan;
}

// A corrupted heap may fall a few mutants after the one that corrupted it:
// children play batches, and a batch that falls is played again one mutant
// a child up to its fall, to name the mutants that fall alone.
constexpr std::uint64_t kLot = 500;

int parent(std::uint64_t germe, std::uint64_t nombre, const std::wstring& dossier) {
  const auto fichiers = corpus();
  std::uint64_t entiers = 0, joues = 0, chutes = 0;
  auto garder = [&](std::uint64_t i) {
    ++chutes;
    CreateDirectoryW(dossier.c_str(), nullptr);
    const Octets mutant = muter(fichiers[i % fichiers.size()], graine(germe, i));
    std::ofstream(std::filesystem::path(dossier) / (std::to_string(germe) + "-" + std::to_string(i) + ".mutant"),
                  std::ios::binary)
        .write(reinterpret_cast<const char*>(mutant.data()), static_cast<std::streamsize>(mutant.size()));
    std::printf("crash or hang: mutant %llu of file %llu;", static_cast<unsigned long long>(i),
                static_cast<unsigned long long>(i % fichiers.size()));
    decrire_changements(fichiers[i % fichiers.size()], mutant);
    std::fflush(stdout);
  };
  for (std::uint64_t debut = 0; debut < nombre;) {
    const std::uint64_t fin = std::min(debut + kLot, nombre);
    const Bilan bilan = lancer_enfant(germe, debut, fin);
    entiers += bilan.entiers;
    joues += bilan.joues;
    if (bilan.fini) {
      debut = fin;
      continue;
    }
    const std::uint64_t dernier = bilan.suivant == 0 ? debut : bilan.suivant - 1;
    bool seul = false;
    for (std::uint64_t i = debut; i <= dernier; ++i)
      if (!lancer_enfant(germe, i, i + 1).fini) {
        garder(i);
        seul = true;
      }
    if (!seul) {
      ++chutes;
      std::printf("crash or hang in mutants %llu to %llu, none alone\n", static_cast<unsigned long long>(debut),
                  static_cast<unsigned long long>(dernier));
    }
    debut = dernier + 1;
  }
  std::printf("mutants %llu (of %zu files), walked whole %llu, played %llu, crashes %llu\n",
              static_cast<unsigned long long>(nombre), fichiers.size(), static_cast<unsigned long long>(entiers),
              static_cast<unsigned long long>(joues), static_cast<unsigned long long>(chutes));
  return chutes == 0 ? 0 : 1;
}

}  // namespace
}  // namespace pixavue::test

int wmain(int argc, wchar_t** argv) {
  using namespace pixavue::test;
  // Crashes are this program's to report: no dialog, no debugger.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  if (argc == 5 && std::wstring(argv[1]) == L"--enfant")
    return enfant(std::stoull(argv[2]), std::stoull(argv[3]), std::stoull(argv[4]));
  if (argc == 4 && std::wstring(argv[1]) == L"--decrire") {  // what mutant I of SEED changed
    const auto fichiers = corpus();
    const std::uint64_t i = std::stoull(argv[3]);
    std::printf("mutant %llu of file %llu;", static_cast<unsigned long long>(i),
                static_cast<unsigned long long>(i % fichiers.size()));
    decrire_changements(fichiers[i % fichiers.size()],
                        muter(fichiers[i % fichiers.size()], graine(std::stoull(argv[2]), i)));
    return 0;
  }
  if (argc != 4) {
    std::fprintf(stderr, "pixavue_mutations SEED COUNT FOLDER\n");
    return 2;
  }
  return parent(std::stoull(argv[1]), std::stoull(argv[2]), argv[3]);
}
