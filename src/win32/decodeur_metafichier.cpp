// Windows and enhanced metafiles: walked record by record first, then handed
// to the system as an enhanced metafile and played as vectors into the
// rectangle the picture is shown in, crisp at any size.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "slideshow/verification_metafichier.h"
#include "win32/images_win32.h"

namespace pixavue::win32 {
namespace {

// Plays every record but those the walk left out, counted from the header's
// 0, and a fixed metric mode as the anisotropic mapping it stands for.
struct Lecture {
  const MetafichierAmeliore& plan;
  std::size_t prochain_ecarte = 0, prochain_mapping = 0;
  std::uint32_t numero = 0;
};

void jouer_en_mapping_libre(HDC dc, HANDLETABLE* table, const MappingLibre& m, UINT objets) {
  const EMRSETMAPMODE mode{{EMR_SETMAPMODE, sizeof(EMRSETMAPMODE)}, MM_ANISOTROPIC};
  const EMRSETWINDOWEXTEX fenetre{{EMR_SETWINDOWEXTEX, sizeof(EMRSETWINDOWEXTEX)}, {m.fenetre_x, m.fenetre_y}};
  const EMRSETVIEWPORTEXTEX vue{{EMR_SETVIEWPORTEXTEX, sizeof(EMRSETVIEWPORTEXTEX)}, {m.vue_x, m.vue_y}};
  for (const EMR* r : {&mode.emr, &fenetre.emr, &vue.emr})
    PlayEnhMetaFileRecord(dc, table, reinterpret_cast<const ENHMETARECORD*>(r), objets);
}

// Wine's 64-bit playback reads this record's pen in the 64-bit layout of
// EXTLOGPEN, which starts 4 bytes later (it is 8-byte aligned) and has an
// 8-byte hatch, instead of the file's 32-bit one: every field is read
// shifted, no pen is made, and the strokes go out with the pen before. So
// the pen is made here from the file's own fields, which the walk vouched
// for, into the slot the record names, as the system's playback would.
void creer_stylo(HANDLETABLE* table, const ENHMETARECORD* enregistrement, UINT objets) {
  const auto* r = reinterpret_cast<const std::uint8_t*>(enregistrement);
  const auto dmot = [r](std::size_t a) {
    std::uint32_t v;
    std::memcpy(&v, r + a, 4);
    return v;
  };
  const std::uint32_t indice = dmot(8);
  if (indice == 0 || indice >= objets) return;
  LOGBRUSH brosse{dmot(36), dmot(40), dmot(44)};
  std::vector<std::uint8_t> dib;  // a packed bitmap: header and colours, then pixels
  if (brosse.lbStyle == BS_DIBPATTERN || brosse.lbStyle == BS_DIBPATTERNPT) {
    const std::uint32_t off_bmi = dmot(12), cb_bmi = dmot(16), off_bits = dmot(20), cb_bits = dmot(24);
    dib.assign(r + off_bmi, r + off_bmi + cb_bmi);
    dib.insert(dib.end(), r + off_bits, r + off_bits + cb_bits);
    brosse.lbStyle = BS_DIBPATTERNPT;
    brosse.lbHatch = reinterpret_cast<ULONG_PTR>(dib.data());
  }
  const DWORD style = dmot(28);
  std::vector<DWORD> tirets((style & PS_STYLE_MASK) == PS_USERSTYLE ? dmot(48) : 0);
  std::memcpy(tirets.data(), r + 52, tirets.size() * 4);
  HPEN stylo = ExtCreatePen(style, dmot(32), &brosse, static_cast<DWORD>(tirets.size()),
                            tirets.empty() ? nullptr : tirets.data());
  if (!stylo) return;
  if (table->objectHandle[indice]) DeleteObject(table->objectHandle[indice]);
  table->objectHandle[indice] = stylo;  // the playback deletes what its table holds at the end
}

int CALLBACK jouer_enregistrement(HDC dc, HANDLETABLE* table, const ENHMETARECORD* enregistrement, int objets,
                                  LPARAM donnees) {
  auto& lecture = *reinterpret_cast<Lecture*>(donnees);
  const std::uint32_t numero = lecture.numero++;
  const auto& ecartes = lecture.plan.ecartes;
  if (lecture.prochain_ecarte < ecartes.size() && ecartes[lecture.prochain_ecarte] == numero) {
    ++lecture.prochain_ecarte;
    return TRUE;
  }
  const auto& mappings = lecture.plan.mappings_libres;
  if (lecture.prochain_mapping < mappings.size() && mappings[lecture.prochain_mapping].enregistrement == numero) {
    jouer_en_mapping_libre(dc, table, mappings[lecture.prochain_mapping++], static_cast<UINT>(objets));
    return TRUE;
  }
  if (enregistrement->iType == EMR_EXTCREATEPEN)
    creer_stylo(table, enregistrement, static_cast<UINT>(objets));
  else
    PlayEnhMetaFileRecord(dc, table, enregistrement, static_cast<UINT>(objets));
  return TRUE;  // a record that fails to play doesn't end the picture
}

class ImageMetafichier : public ImageWin32 {
 public:
  ImageMetafichier(PoigneeMetafichier metafichier, Taille naturelle, MetafichierAmeliore plan = {})
      : metafichier_(std::move(metafichier)), naturelle_(naturelle), plan_(std::move(plan)) {}
  Taille taille_naturelle() const override { return naturelle_; }

  void preparer(int largeur, int hauteur, Zone fenetre, COLORREF fond, ImagePreparee& cible) const override {
    PoigneeDcMemoire dc(CreateCompatibleDC(nullptr));
    if (!dc) return;
    Selection choisi(dc.get(), cible.bitmap.get());
    RECT tout{0, 0, cible.largeur, cible.hauteur};
    PoigneeGdi<HBRUSH> pinceau(CreateSolidBrush(fond));
    FillRect(dc.get(), &tout, pinceau.get());
    RECT rect{-fenetre.x0, -fenetre.y0, largeur - fenetre.x0, hauteur - fenetre.y0};
    Lecture lecture{plan_};
    EnumEnhMetaFile(dc.get(), metafichier_.get(), jouer_enregistrement, &lecture, &rect);
    GdiFlush();
    for (std::size_t i = 3; i < 4 * std::size_t(cible.largeur) * cible.hauteur; i += 4) cible.bits[i] = 255;
  }

 private:
  PoigneeMetafichier metafichier_;
  Taille naturelle_;
  MetafichierAmeliore plan_;  // what to leave out or play otherwise
};

// A placeable metafile recorded into an enhanced one the way a placeable
// metafile is played: its box is the window and fills the frame, until its
// own records set a window or a viewport of their own. (Converted without
// that, a box that starts away from 0 shifted the picture off its frame.)
// ---- Windows metafiles ----------------------------------------------------

// What takes the slot of a creation left out, so that the objects after it
// keep their indexes: nothing of it draws. The playback deletes what its
// table holds at the end, and leaves stock objects be.
HGDIOBJ objet_neutre(WORD fonction) {
  switch (fonction) {
    case 0x02FA:  // META_CREATEPENINDIRECT
      return GetStockObject(NULL_PEN);
    case 0x02FB:  // META_CREATEFONTINDIRECT
      return GetStockObject(SYSTEM_FONT);
    case 0x00F7:  // META_CREATEPALETTE
      return GetStockObject(DEFAULT_PALETTE);
    case 0x06FF:  // META_CREATEREGION
      return CreateRectRgn(0, 0, 0, 0);
    default:  // the brushes
      return GetStockObject(NULL_BRUSH);
  }
}

// A blit of a device-dependent bitmap, drawn as the device-independent one
// it holds: rows of 24 or 32 bits, top down.
void dessiner_blit_ddb(HDC dc, const BlitDdb& b) {
  const std::size_t ligne = (std::size_t{b.largeur_bitmap} * b.bits_par_pixel + 31) / 32 * 4;
  std::vector<std::uint8_t> pixels(ligne * b.hauteur_bitmap);
  const std::size_t utiles = std::size_t{b.largeur_bitmap} * b.bits_par_pixel / 8;
  for (std::size_t y = 0; y < b.hauteur_bitmap; ++y)
    std::memcpy(pixels.data() + y * ligne, b.pixels.data() + y * b.octets_par_ligne, utiles);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), b.largeur_bitmap, -LONG{b.hauteur_bitmap}, 1, b.bits_par_pixel, BI_RGB};
  StretchDIBits(dc, b.x, b.y, b.largeur, b.hauteur, b.source_x, b.source_y, b.source_l, b.source_h, pixels.data(),
                &info, DIB_RGB_COLORS, b.operation);
}

struct LectureWindows {
  const std::vector<std::uint32_t>& ecartes;
  std::size_t prochain_ecarte = 0;
  std::uint32_t numero = 0;
};

int CALLBACK jouer_enregistrement_windows(HDC dc, HANDLETABLE* table, METARECORD* enregistrement, int objets,
                                          LPARAM donnees) {
  auto& lecture = *reinterpret_cast<LectureWindows*>(donnees);
  const std::uint32_t numero = lecture.numero++;
  const WORD fonction = enregistrement->rdFunction;
  if (lecture.prochain_ecarte < lecture.ecartes.size() && lecture.ecartes[lecture.prochain_ecarte] == numero) {
    ++lecture.prochain_ecarte;
    if (creation_wmf(fonction))
      for (int i = 0; i < objets; ++i)
        if (!table->objectHandle[i]) {
          table->objectHandle[i] = objet_neutre(fonction);
          break;
        }
    return TRUE;
  }
  if (fonction == META_BITBLT || fonction == META_STRETCHBLT) {
    const auto* parametres = reinterpret_cast<const std::uint8_t*>(enregistrement->rdParm);
    if (auto blit = lire_blit_ddb(fonction, {parametres, (enregistrement->rdSize - 3) * std::size_t{2}}))
      dessiner_blit_ddb(dc, *blit);
    return TRUE;
  }
  PlayMetaFileRecord(dc, table, enregistrement, static_cast<UINT>(objets));
  return TRUE;
}

PoigneeMetafichier en_metafichier_ameliore(HMETAFILE windows, const MetafichierWindows& m, double largeur_cmm,
                                           double hauteur_cmm) {
  const RECT cadre{0, 0, static_cast<LONG>(std::lround(largeur_cmm)), static_cast<LONG>(std::lround(hauteur_cmm))};
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &cadre, nullptr);
  if (!dc) return {};
  // The frame in the reference device's pixels.
  const double px_par_cmm_x = GetDeviceCaps(dc, HORZRES) / (GetDeviceCaps(dc, HORZSIZE) * 100.0);
  const double px_par_cmm_y = GetDeviceCaps(dc, VERTRES) / (GetDeviceCaps(dc, VERTSIZE) * 100.0);
  SetMapMode(dc, MM_ANISOTROPIC);
  SetWindowOrgEx(dc, m.gauche, m.haut, nullptr);
  SetWindowExtEx(dc, m.droite - m.gauche, m.bas - m.haut, nullptr);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  SetViewportExtEx(dc, std::max(1, static_cast<int>(std::lround(largeur_cmm * px_par_cmm_x))),
                   std::max(1, static_cast<int>(std::lround(hauteur_cmm * px_par_cmm_y))), nullptr);
  LectureWindows lecture{m.ecartes};
  EnumMetaFile(dc, windows, jouer_enregistrement_windows, reinterpret_cast<LPARAM>(&lecture));
  return PoigneeMetafichier(CloseEnhMetaFile(dc));
}

}  // namespace

Taille taille_naturelle_emf(const MetafichierAmeliore& plan, double ppp) {
  // The frame is in hundredths of a millimetre.
  return {double(plan.droite - plan.gauche) * ppp / 2540.0, double(plan.bas - plan.haut) * ppp / 2540.0};
}

std::shared_ptr<const Image> decoder_emf(std::span<const std::uint8_t> octets, MetafichierAmeliore plan, double ppp) {
  PoigneeMetafichier handle(SetEnhMetaFileBits(static_cast<UINT>(plan.taille), octets.data()));
  if (!handle) return nullptr;
  const Taille naturelle = taille_naturelle_emf(plan, ppp);
  return std::make_shared<ImageMetafichier>(std::move(handle), naturelle, std::move(plan));
}

std::shared_ptr<const Image> decoder_metafichier(std::span<const std::uint8_t> octets, double ppp) {
  if (auto wmf = verifier_wmf(octets)) {
    // The box over the units per inch gives the size; the system wants it
    // in hundredths of a millimetre.
    const double pouces_l = double(wmf->droite - wmf->gauche) / wmf->unites_par_pouce;
    const double pouces_h = double(wmf->bas - wmf->haut) / wmf->unites_par_pouce;
    PoigneeMetafichierWindows windows(SetMetaFileBitsEx(static_cast<UINT>(wmf->taille), octets.data() + wmf->debut));
    if (!windows) return nullptr;
    PoigneeMetafichier emf = en_metafichier_ameliore(windows.get(), *wmf, pouces_l * 2540, pouces_h * 2540);
    if (!emf) return nullptr;
    return std::make_shared<ImageMetafichier>(std::move(emf), Taille{pouces_l * ppp, pouces_h * ppp});
  }
  if (auto emf = verifier_emf(octets)) return decoder_emf(octets, std::move(*emf), ppp);
  return nullptr;
}

}  // namespace pixavue::win32
