// The system's media playback engine: one filter graph and the four of its
// interfaces that the player drives, and the count of audio outputs.
// Every call answers like an HRESULT: negative when it failed.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace pixavue {

using ResultatMedia = std::int32_t;
inline bool reussi(ResultatMedia resultat) { return resultat >= 0; }

// IBasicAudio.
class AudioMedia {
 public:
  virtual ~AudioMedia() = default;
  // Attenuation in hundredths of a decibel, 0 = full volume.
  virtual ResultatMedia put_Volume(std::int32_t volume) = 0;
  // -10000 (left) to 10000 (right), 0 = centred.
  virtual ResultatMedia put_Balance(std::int32_t balance) = 0;
};

// IVideoWindow. Every call fails when the file has no video stream.
class FenetreVideo {
 public:
  virtual ~FenetreVideo() = default;
  virtual ResultatMedia put_WindowStyle(std::int32_t style) = 0;
  virtual ResultatMedia put_Top(std::int32_t haut) = 0;
  virtual ResultatMedia put_Left(std::int32_t gauche) = 0;
  virtual ResultatMedia put_Width(std::int32_t largeur) = 0;
  virtual ResultatMedia put_Height(std::int32_t hauteur) = 0;
  // The window that owns the video window; 0 = none.
  virtual ResultatMedia put_Owner(std::intptr_t proprietaire) = 0;
};

// IMediaPosition: times in seconds.
class PositionMedia {
 public:
  virtual ~PositionMedia() = default;
  virtual ResultatMedia get_Duration(double& duree) = 0;
  virtual ResultatMedia get_CurrentPosition(double& position) = 0;
  virtual ResultatMedia put_CurrentPosition(double position) = 0;
  virtual ResultatMedia put_Rate(double vitesse) = 0;
};

// IMediaControl of one filter graph manager, and the graph's other
// interfaces asked of it (nothing when the graph won't give one).
class ControleMedia {
 public:
  virtual ~ControleMedia() = default;
  // Builds the whole playback chain for the file.
  virtual ResultatMedia RenderFile(std::wstring_view fichier) = 0;
  virtual ResultatMedia Run() = 0;
  virtual ResultatMedia Stop() = 0;
  virtual std::unique_ptr<AudioMedia> audio() = 0;
  virtual std::unique_ptr<FenetreVideo> fenetre() = 0;
  virtual std::unique_ptr<PositionMedia> position() = 0;
};

class MoteurMedia {
 public:
  virtual ~MoteurMedia() = default;
  // A new filter graph manager; nothing when the system has no engine.
  virtual std::unique_ptr<ControleMedia> creer_graphe() = 0;
  // waveOutGetNumDevs: more than 0 means sound can be played.
  virtual unsigned sorties_audio() = 0;
};

}  // namespace pixavue
