// The filter graph manager through IMediaControl, IBasicAudio, IVideoWindow
// and IMediaPosition, each held by a ComPtr: a reference lives exactly as
// long as the player's view of it.
#include "win32/media_directshow.h"

#include <windows.h>
#include <dshow.h>
#include <mmsystem.h>
#include <wrl/client.h>

namespace pixavue::win32 {
namespace {

using Microsoft::WRL::ComPtr;

// mingw-w64 declares no __uuidof for most of these interfaces, so they are
// asked for by their IID constants.
template <typename Interface>
ComPtr<Interface> demander(IUnknown* source, REFIID iid) {
  ComPtr<Interface> reponse;
  if (source) source->QueryInterface(iid, reinterpret_cast<void**>(reponse.GetAddressOf()));
  return reponse;
}

class AudioDirectShow : public AudioMedia {
 public:
  explicit AudioDirectShow(ComPtr<IBasicAudio> audio) : audio_(std::move(audio)) {}
  ResultatMedia put_Volume(std::int32_t volume) override { return audio_->put_Volume(volume); }
  ResultatMedia put_Balance(std::int32_t balance) override { return audio_->put_Balance(balance); }

 private:
  ComPtr<IBasicAudio> audio_;
};

class FenetreDirectShow : public FenetreVideo {
 public:
  explicit FenetreDirectShow(ComPtr<IVideoWindow> fenetre) : fenetre_(std::move(fenetre)) {}
  ResultatMedia put_WindowStyle(std::int32_t style) override { return fenetre_->put_WindowStyle(style); }
  ResultatMedia put_Top(std::int32_t haut) override { return fenetre_->put_Top(haut); }
  ResultatMedia put_Left(std::int32_t gauche) override { return fenetre_->put_Left(gauche); }
  ResultatMedia put_Width(std::int32_t largeur) override { return fenetre_->put_Width(largeur); }
  ResultatMedia put_Height(std::int32_t hauteur) override { return fenetre_->put_Height(hauteur); }
  ResultatMedia put_Owner(std::intptr_t proprietaire) override { return fenetre_->put_Owner(proprietaire); }

 private:
  ComPtr<IVideoWindow> fenetre_;
};

class PositionDirectShow : public PositionMedia {
 public:
  PositionDirectShow(ComPtr<IMediaPosition> position, ComPtr<IMediaControl> controle)
      : position_(std::move(position)), controle_(std::move(controle)) {}
  ResultatMedia get_Duration(double& duree) override { return position_->get_Duration(&duree); }
  ResultatMedia get_CurrentPosition(double& position) override { return position_->get_CurrentPosition(&position); }
  ResultatMedia put_Rate(double vitesse) override { return position_->put_Rate(vitesse); }

  // A graph that has played to its end stays running. Seeking it then makes
  // Windows play again from the new position, but Wine goes on answering the
  // end position, so the tick's music check would restart it on every tick
  // and its end would never be heard. Stopped first, then sought, then run
  // again, the graph plays and reports its position right on both.
  ResultatMedia put_CurrentPosition(double position) override {
    OAFilterState etat = State_Stopped;
    const bool en_marche = SUCCEEDED(controle_->GetState(0, &etat)) && etat == State_Running;
    if (en_marche) controle_->Stop();
    const HRESULT resultat = position_->put_CurrentPosition(position);
    if (en_marche) controle_->Run();
    return resultat;
  }

 private:
  ComPtr<IMediaPosition> position_;
  ComPtr<IMediaControl> controle_;
};

class ControleDirectShow : public ControleMedia {
 public:
  explicit ControleDirectShow(ComPtr<IMediaControl> controle) : controle_(std::move(controle)) {}

  ResultatMedia RenderFile(std::wstring_view fichier) override {
    BSTR nom = SysAllocStringLen(fichier.data(), static_cast<UINT>(fichier.size()));
    if (!nom) return E_OUTOFMEMORY;
    const HRESULT resultat = controle_->RenderFile(nom);
    SysFreeString(nom);
    return resultat;
  }
  ResultatMedia Run() override {
    oublier_evenements();
    return controle_->Run();
  }
  ResultatMedia Stop() override { return controle_->Stop(); }

  std::unique_ptr<AudioMedia> audio() override {
    auto audio = demander<IBasicAudio>(controle_.Get(), IID_IBasicAudio);
    return audio ? std::make_unique<AudioDirectShow>(std::move(audio)) : nullptr;
  }
  std::unique_ptr<FenetreVideo> fenetre() override {
    auto fenetre = demander<IVideoWindow>(controle_.Get(), IID_IVideoWindow);
    return fenetre ? std::make_unique<FenetreDirectShow>(std::move(fenetre)) : nullptr;
  }
  std::unique_ptr<PositionMedia> position() override {
    auto position = demander<IMediaPosition>(controle_.Get(), IID_IMediaPosition);
    return position ? std::make_unique<PositionDirectShow>(std::move(position), controle_) : nullptr;
  }

 private:
  // Nothing here waits for the graph's notifications; unread, one more would
  // pile up every time a looping sound reaches its end.
  void oublier_evenements() {
    auto evenements = demander<IMediaEvent>(controle_.Get(), IID_IMediaEvent);
    if (!evenements) return;
    long code = 0;
    LONG_PTR premier = 0, second = 0;
    while (evenements->GetEvent(&code, &premier, &second, 0) == S_OK)
      evenements->FreeEventParams(code, premier, second);
  }

  ComPtr<IMediaControl> controle_;
};

}  // namespace

std::unique_ptr<ControleMedia> MoteurDirectShow::creer_graphe() {
  ComPtr<IMediaControl> controle;
  if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaControl,
                              reinterpret_cast<void**>(controle.GetAddressOf()))))
    return nullptr;
  return std::make_unique<ControleDirectShow>(std::move(controle));
}

unsigned MoteurDirectShow::sorties_audio() { return waveOutGetNumDevs(); }

}  // namespace pixavue::win32
