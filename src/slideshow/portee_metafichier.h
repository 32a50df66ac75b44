// How far an enhanced metafile's drawing reaches on its reference device.
// Playback engines rasterise a shape, a pen or a glyph in time and memory
// that grow with its size on the device: a record that reaches millions of
// pixels away freezes or crashes them, even though nothing of it would
// show. The walk follows every record that changes the mapping from logical
// units to the device (mapping mode, window and viewport, world transform,
// saved and restored states), and vouches for a drawing record only when
// its every point and size lands within reach of the picture's frame, and
// for a restored state only when it was saved.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pixavue {

class PorteeEmf {
 public:
  // From the header: the frame (hundredths of a millimetre) and the
  // reference device (pixels and millimetres). Nothing when they give no
  // sane scale: the system's playback would divide by them.
  static std::optional<PorteeEmf> depuis_entete(std::span<const std::uint8_t> entete);

  // What the playback does with a record.
  enum class Suite : std::uint8_t {
    jouer,
    ecarter,   // reaches too far, restores what wasn't saved, or sets an extent a fixed mode ignores
    en_libre,  // sets a fixed metric mode: played as `mapping_libre()`
  };
  // A record that changes the mapping then applies, as the system's
  // playback applies it.
  Suite suivre(std::uint32_t type, std::span<const std::uint8_t> record);

  // The anisotropic extents that the fixed mode in force stands for on the
  // reference device: window x and y, then viewport x and y.
  std::array<std::int32_t, 4> mapping_libre() const;

 private:
  struct Etat {
    std::uint32_t mode = 1;  // MM_TEXT
    double org_fenetre[2] = {0, 0}, ext_fenetre[2] = {1, 1};
    double org_vue[2] = {0, 0}, ext_vue[2] = {1, 1};
    double monde[6] = {1, 0, 0, 1, 0, 0};  // eM11, eM12, eM21, eM22, eDx, eDy
  };

  PorteeEmf(std::int32_t px_x, std::int32_t px_y, std::int32_t mm_x, std::int32_t mm_y, double centre_x,
            double centre_y, double portee)
      : px_{px_x, px_y},
        mm_{mm_x, mm_y},
        px_par_mm_{double(px_x) / mm_x, double(px_y) / mm_y},
        centre_{centre_x, centre_y},
        portee_(portee) {}
  // Logical units to reference pixels along each axis, before the world
  // transform: signed, y-up modes giving a negative y.
  void echelle(double& x, double& y) const;
  bool point(double x, double y) const;
  bool longueur(double l) const;
  bool changer_mapping(std::uint32_t type, std::span<const std::uint8_t> r, Suite& suite);
  // True when a drawing record's every point and size is within reach.
  bool atteint(std::uint32_t type, std::span<const std::uint8_t> r) const;
  bool sauver_restaurer(std::uint32_t type, std::span<const std::uint8_t> r);

  std::int32_t px_[2], mm_[2];  // the reference device: its size in pixels and millimetres
  double px_par_mm_[2];
  double centre_[2];
  double portee_;
  Etat etat_;
  std::vector<Etat> pile_;        // the last states saved
  std::uint64_t profondeur_ = 0;  // states saved and not yet restored
};

}  // namespace pixavue
