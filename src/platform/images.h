// Picture decoding: a file becomes a picture with a natural size in pixels.
#pragma once

#include <memory>
#include <optional>
#include <string_view>

namespace pixavue {

struct Taille {
  double largeur = 0, hauteur = 0;
  friend bool operator==(const Taille&, const Taille&) = default;
};

// The box a picture is fitted into: shrunk to it when larger, and also
// enlarged to it when `agrandir`.
struct Cadre : Taille {
  bool agrandir = false;
  friend bool operator==(const Cadre&, const Cadre&) = default;
};

// A decoded picture. Only the platform that made it can draw it.
class Image {
 public:
  virtual ~Image() = default;
  // Pixels for raster pictures; for a metafile, its frame at the screen's
  // dots per inch.
  virtual Taille taille_naturelle() const = 0;
  // The same picture already made at the `largeur` x `hauteur` pixels it will
  // be shown at, with the same natural size; nothing when that gains nothing.
  virtual std::shared_ptr<const Image> a_la_taille(int /*largeur*/, int /*hauteur*/) const { return nullptr; }
};

class Images {
 public:
  virtual ~Images() = default;
  // Nothing when the file can't be read or decoded. `cadre`, when given, is
  // the box the picture will be fitted into, keeping its proportions: the
  // decoder may then decode fewer pixels than the picture has, but never
  // fewer than that box needs.
  virtual std::shared_ptr<const Image> charger(std::wstring_view chemin, std::optional<Cadre> cadre) = 0;
  // The file that the next call will likely ask for, with that box: a
  // decoder may prepare it meanwhile. Nothing by default.
  virtual void anticiper(std::wstring_view /*chemin*/, std::optional<Cadre> /*cadre*/) {}
  // True while that picture is being decoded where the caller must not wait
  // for it: the caller asks again later, and loads it once this is false.
  virtual bool en_cours(std::wstring_view /*chemin*/, std::optional<Cadre> /*cadre*/) { return false; }
};

}  // namespace pixavue
