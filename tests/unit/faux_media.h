// A fake playback engine: every call on every graph is written down in order,
// "graph:Call(argument)", and any call can be made to fail by its name.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/media.h"

namespace pixavue::test {

class FauxMoteurMedia : public MoteurMedia {
 public:
  std::vector<std::wstring> appels;
  std::set<std::wstring> echecs;  // "creer_graphe", "put_Owner", "audio"...
  unsigned sorties = 1;
  // The file the graphs play: its length, and where playback is now.
  double duree = 10.4;
  double position = 0;
  bool en_lecture = false;

  std::unique_ptr<ControleMedia> creer_graphe() override;
  unsigned sorties_audio() override { return sorties; }

  // Only the calls whose text contains this (all of them when empty).
  std::vector<std::wstring> appels_de(const std::wstring& partie) const {
    std::vector<std::wstring> choisis;
    for (const auto& a : appels)
      if (a.find(partie) != std::wstring::npos) choisis.push_back(a);
    return choisis;
  }

  // Writes the call down and answers with its result.
  ResultatMedia appel(int graphe, const std::wstring& nom, const std::wstring& argument = L"") {
    appels.push_back(std::to_wstring(graphe) + L":" + nom + (argument.empty() ? L"" : L"(" + argument + L")"));
    return echecs.count(nom) ? -1 : 0;
  }

 private:
  int graphes_ = 0;
};

namespace detail {

inline std::wstring nombre(double valeur) {
  std::wstring texte = std::to_wstring(valeur);
  texte.erase(texte.find_last_not_of(L'0') + 1);
  if (texte.back() == L'.') texte.pop_back();
  return texte;
}

// One reference to graph n; its release is written down too.
struct Vue {
  Vue(FauxMoteurMedia& moteur, int graphe, const wchar_t* nom) : m(moteur), n(graphe), nom_(nom) {}
  ~Vue() { m.appel(n, L"~" + nom_); }
  Vue(const Vue&) = delete;
  Vue& operator=(const Vue&) = delete;
  FauxMoteurMedia& m;
  int n;
  std::wstring nom_;
};

struct FauxAudio : AudioMedia, Vue {
  using Vue::Vue;
  ResultatMedia put_Volume(std::int32_t v) override { return m.appel(n, L"put_Volume", std::to_wstring(v)); }
  ResultatMedia put_Balance(std::int32_t b) override { return m.appel(n, L"put_Balance", std::to_wstring(b)); }
};

struct FausseFenetreVideo : FenetreVideo, Vue {
  using Vue::Vue;
  ResultatMedia put_WindowStyle(std::int32_t s) override { return m.appel(n, L"put_WindowStyle", std::to_wstring(s)); }
  ResultatMedia put_Top(std::int32_t v) override { return m.appel(n, L"put_Top", std::to_wstring(v)); }
  ResultatMedia put_Left(std::int32_t v) override { return m.appel(n, L"put_Left", std::to_wstring(v)); }
  ResultatMedia put_Width(std::int32_t v) override { return m.appel(n, L"put_Width", std::to_wstring(v)); }
  ResultatMedia put_Height(std::int32_t v) override { return m.appel(n, L"put_Height", std::to_wstring(v)); }
  ResultatMedia put_Owner(std::intptr_t p) override { return m.appel(n, L"put_Owner", std::to_wstring(p)); }
};

struct FaussePosition : PositionMedia, Vue {
  using Vue::Vue;
  ResultatMedia get_Duration(double& d) override {
    ResultatMedia r = m.appel(n, L"get_Duration");
    if (reussi(r)) d = m.duree;
    return r;
  }
  ResultatMedia get_CurrentPosition(double& p) override {
    ResultatMedia r = m.appel(n, L"get_CurrentPosition");
    if (reussi(r)) p = m.position;
    return r;
  }
  ResultatMedia put_CurrentPosition(double p) override {
    ResultatMedia r = m.appel(n, L"put_CurrentPosition", nombre(p));
    if (reussi(r)) m.position = p;
    return r;
  }
  ResultatMedia put_Rate(double v) override { return m.appel(n, L"put_Rate", nombre(v)); }
};

struct FauxControle : ControleMedia, Vue {
  using Vue::Vue;
  ResultatMedia RenderFile(std::wstring_view f) override { return m.appel(n, L"RenderFile", std::wstring(f)); }
  ResultatMedia Run() override {
    ResultatMedia r = m.appel(n, L"Run");
    if (reussi(r)) m.en_lecture = true;
    return r;
  }
  ResultatMedia Stop() override {
    ResultatMedia r = m.appel(n, L"Stop");
    if (reussi(r)) m.en_lecture = false;
    return r;
  }
  std::unique_ptr<AudioMedia> audio() override { return prendre<FauxAudio>(L"audio"); }
  std::unique_ptr<FenetreVideo> fenetre() override { return prendre<FausseFenetreVideo>(L"fenetre"); }
  std::unique_ptr<PositionMedia> position() override { return prendre<FaussePosition>(L"position"); }

  template <typename Reference>
  std::unique_ptr<Reference> prendre(const wchar_t* nom) {
    if (!reussi(m.appel(n, nom))) return nullptr;
    return std::make_unique<Reference>(m, n, nom);
  }
};

}  // namespace detail

inline std::unique_ptr<ControleMedia> FauxMoteurMedia::creer_graphe() {
  const int n = ++graphes_;
  if (!reussi(appel(n, L"creer_graphe"))) return nullptr;
  return std::make_unique<detail::FauxControle>(*this, n, L"controle");
}

}  // namespace pixavue::test
