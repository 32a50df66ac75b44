// The media player's operations, each catching its own failures: Ouvrir
// skips a failing step and goes on; the others stop at their first failure.
#include "services/DirectShow.h"

#include "settings/valeurs_texte.h"

namespace pixavue {
namespace {

constexpr std::int32_t kVolumePlein = 0;
constexpr std::int32_t kBalanceCentree = 0;
constexpr std::int32_t kStyleVisibleSeul = 0x10000000;  // WS_VISIBLE
constexpr double kVitesseNormale = 1.0;

}  // namespace

void DirectShow::Ouvrir(std::wstring_view Filename, std::int16_t rectTop, std::int16_t rectLeft, std::int16_t rectWidth,
                        std::int16_t rectHeight, std::int32_t hWndTarget) {
  nettoyer();
  // A graph that can't be made leaves no reference at all: rendering the new
  // file into the previous graph would play both files together.
  controle_ = moteur_.creer_graphe();
  if (controle_) controle_->RenderFile(Filename);

  audio_ = controle_ ? controle_->audio() : nullptr;
  if (audio_) {
    audio_->put_Volume(kVolumePlein);
    audio_->put_Balance(kBalanceCentree);
  }

  fenetre_ = controle_ ? controle_->fenetre() : nullptr;
  if (fenetre_) {
    fenetre_->put_WindowStyle(kStyleVisibleSeul);
    fenetre_->put_Top(rectTop);
    fenetre_->put_Left(rectLeft);
    fenetre_->put_Width(rectWidth);
    fenetre_->put_Height(rectHeight);
    fenetre_->put_Owner(hWndTarget);
  }

  position_ = controle_ ? controle_->position() : nullptr;
  if (position_) position_->put_Rate(kVitesseNormale);
}

void DirectShow::jouer() {
  if (!position_) return;
  double position = 0, duree = 0;
  if (!reussi(position_->get_CurrentPosition(position))) return;
  if (!reussi(position_->get_Duration(duree))) return;
  auto seconde_position = en_entier32(position), seconde_fin = en_entier32(duree);
  if (!seconde_position || !seconde_fin) return;
  if (*seconde_position == *seconde_fin && !reussi(position_->put_CurrentPosition(0))) return;
  if (controle_) controle_->Run();
}

void DirectShow::arret() {
  if (!position_ || !controle_) return;
  if (!reussi(controle_->Stop())) return;
  position_->put_CurrentPosition(0);
}

void DirectShow::fixe_position(double& newPosition) {
  if (!position_) return;
  if (newPosition < 0) newPosition = 0;
  double duree = 0;
  if (!reussi(position_->get_Duration(duree))) return;
  if (newPosition > duree) {
    if (!reussi(position_->get_Duration(duree))) return;
    newPosition = duree;
  }
  position_->put_CurrentPosition(newPosition);
}

double DirectShow::obtient_duree() {
  double duree = 0;
  if (!position_ || !reussi(position_->get_Duration(duree))) return 0;
  return duree;
}

double DirectShow::obtient_position() {
  double position = 0;
  if (!position_ || !reussi(position_->get_CurrentPosition(position))) return 0;
  return position;
}

void DirectShow::nettoyer() {
  if (controle_ && !reussi(controle_->Stop())) return;
  if (fenetre_ && !reussi(fenetre_->put_Owner(0))) return;
  audio_.reset();
  controle_.reset();
  fenetre_.reset();
  position_.reset();
}

}  // namespace pixavue
