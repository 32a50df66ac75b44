// The screensaver window's controls as laid out at design time.
#include "layouts/frmVeille.h"

namespace pixavue {
namespace {

using S = Couleur::Source;

constexpr ControleDecrit kControles[] = {
    {.nom = L"txtInfos",
     .genre = Genre::zone_texte,
     .texte = kTextePreparation,
     .rect = {120, 540, 4335, 285},
     .police = {L"MS Sans Serif", 8.25, true},
     .fond = Couleur::systeme(S::face_bouton),
     .encre = Couleur::systeme(S::texte_fenetre),
     .bordure = true},
    {.nom = L"Picture1", .genre = Genre::boite_image, .rect = {840, 2700, 3195, 2355}, .visible = false},
    {.nom = L"ListeFichiers", .genre = Genre::liste_fichiers, .rect = {4020, 780, 1875, 1785}, .visible = false},
    {.nom = L"Timer1", .genre = Genre::minuterie, .visible = false},
    {.nom = L"lblInfo",
     .genre = Genre::etiquette,
     .texte = L"Erreur lors de la lecture du fichier",
     .rect = {2400, 2940, 2895, 240},
     .police = {L"Tahoma", 9.75, false},
     .fond = Couleur::rgb(0x000000),
     .encre = Couleur::rgb(0x000000),
     .visible = false},
    {.nom = L"lblCopyright",
     .genre = Genre::etiquette,
     .texte = kTexteCopyright,
     .rect = {540, 6060, 4065, 270},
     .police = {L"Times New Roman", 8.25, true},
     .encre = Couleur::rgb(0xFFFFFF),
     .visible = false},
    {.nom = L"lblCliquez",
     .genre = Genre::etiquette,
     .texte = L"Pour quitter l'écran de veille, bougez votre souris ou appuyez sur une touche de votre clavier.",
     .rect = {2040, 5580, 5505, 165},
     .police = {L"MS Serif", 6.75, false},
     .encre = Couleur::rgb(0xC0C0C0),
     .visible = false},
    {.nom = L"Image1", .indice = 0, .genre = Genre::image, .rect = {0, 0, 1575, 1575}, .main = true},
    {.nom = L"Image1", .indice = 1, .genre = Genre::image, .rect = {1440, -60, 1575, 1575}, .main = true},
};

}  // namespace

// Timer1 starts disabled with an interval of 1,000 ms (see Minuterie).
const Disposition kDispositionVeille{L"", 4560, 1395, kControles};

}  // namespace pixavue
