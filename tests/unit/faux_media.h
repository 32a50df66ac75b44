// A fake playback engine that keeps what a user would notice: the file
// prepared, playing or not and where, the graph's settings, the references held.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/media.h"

namespace pixavue::test {

inline std::wstring nombre(double valeur) { return (std::wostringstream() << valeur).str(); }

class FauxMoteurMedia : public MoteurMedia {
 public:
  std::set<std::wstring> echecs;      // calls that fail, by name: "creer_graphe", "put_Owner", "get_Duration"...
  double duree = 10.4, position = 0;  // of the file the graphs play
  bool en_lecture = false, deux_a_la_fois = false;  // the latter: a graph made while another played
  std::wstring fichier;                             // the last one rendered
  int sorties = 1, graphes = 0, references = 0;     // audio outputs; graphs asked for; references held now
  std::map<std::wstring, std::wstring> reglages;    // "Width" -> "213": the last graph's, as last set

  std::unique_ptr<ControleMedia> creer_graphe() override;
  unsigned sorties_audio() override { return sorties; }
  // "file playing at 0, 4 held; Volume=0 ...": one string to compare whole.
  std::wstring etat() const {
    std::wstring texte = fichier + (en_lecture ? L" playing at " : L" stopped at ") + nombre(position) + L", " +
                         std::to_wstring(references) + L" held;";
    for (const auto& [nom, valeur] : reglages) texte += L" " + nom + L"=" + valeur;
    return texte;
  }
};

// Any of the four views of a graph: the player takes each one separately.
struct FausseVue : ControleMedia, AudioMedia, FenetreVideo, PositionMedia {
  explicit FausseVue(FauxMoteurMedia& moteur) : m(moteur) { ++m.references; }
  ~FausseVue() override { --m.references; }
  FauxMoteurMedia& m;

  // A call that does not fail sets what it sets.
  ResultatMedia poser(const std::wstring& nom, auto& cible, const auto& valeur) {
    if (m.echecs.count(nom)) return -1;
    cible = valeur;
    return 0;
  }
  // A setting that fails keeps its value: empty when it never took one.
  ResultatMedia regler(const std::wstring& nom, std::wstring v) { return poser(L"put_" + nom, m.reglages[nom], v); }
  ResultatMedia put_Volume(std::int32_t v) override { return regler(L"Volume", std::to_wstring(v)); }
  ResultatMedia put_Balance(std::int32_t v) override { return regler(L"Balance", std::to_wstring(v)); }
  ResultatMedia put_WindowStyle(std::int32_t v) override { return regler(L"WindowStyle", std::to_wstring(v)); }
  ResultatMedia put_Top(std::int32_t v) override { return regler(L"Top", std::to_wstring(v)); }
  ResultatMedia put_Left(std::int32_t v) override { return regler(L"Left", std::to_wstring(v)); }
  ResultatMedia put_Width(std::int32_t v) override { return regler(L"Width", std::to_wstring(v)); }
  ResultatMedia put_Height(std::int32_t v) override { return regler(L"Height", std::to_wstring(v)); }
  ResultatMedia put_Owner(std::intptr_t v) override { return regler(L"Owner", std::to_wstring(v)); }
  ResultatMedia put_Rate(double v) override { return regler(L"Rate", nombre(v)); }
  ResultatMedia get_Duration(double& d) override { return poser(L"get_Duration", d, m.duree); }
  ResultatMedia get_CurrentPosition(double& p) override { return poser(L"get_CurrentPosition", p, m.position); }
  ResultatMedia put_CurrentPosition(double p) override { return poser(L"put_CurrentPosition", m.position, p); }
  ResultatMedia RenderFile(std::wstring_view f) override { return poser(L"RenderFile", m.fichier, f); }
  ResultatMedia Run() override { return poser(L"Run", m.en_lecture, true); }
  ResultatMedia Stop() override { return poser(L"Stop", m.en_lecture, false); }
  std::unique_ptr<AudioMedia> audio() override { return std::make_unique<FausseVue>(m); }
  std::unique_ptr<FenetreVideo> fenetre() override { return std::make_unique<FausseVue>(m); }
  std::unique_ptr<PositionMedia> position() override { return std::make_unique<FausseVue>(m); }
};

inline std::unique_ptr<ControleMedia> FauxMoteurMedia::creer_graphe() {
  ++graphes;
  deux_a_la_fois |= en_lecture;
  reglages.clear();
  if (echecs.count(L"creer_graphe")) return nullptr;
  return std::make_unique<FausseVue>(*this);
}

}  // namespace pixavue::test
