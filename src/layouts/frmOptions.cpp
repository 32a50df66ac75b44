// The settings dialog's controls as laid out at design time.
#include "layouts/frmOptions.h"

namespace pixavue {
namespace {

using S = Couleur::Source;
constexpr Couleur kTexteFenetre = Couleur::systeme(S::texte_fenetre);
constexpr Couleur kFondFenetre = Couleur::systeme(S::fond_fenetre);
constexpr std::wstring_view kBulleCouleur = L"Couleur du fond de l'écran de veille";

constexpr std::wstring_view kTailles[] = {
    L"Normale",
    L"Adaptée à l'écran (image plus grande)",
    L"Adaptée à l'écran (toutes les images)",
};

constexpr ControleDecrit kControles[] = {
    {.nom = L"Label1", .indice = 0, .genre = Genre::etiquette, .texte = L"Dossier contenant les images:",
     .rect = {60, 60, 2115, 195}},
    {.nom = L"txtDossier", .genre = Genre::zone_texte, .info_bulle = L"Dossier affiché à l'ouverture du programme",
     .rect = {60, 300, 3915, 255}},
    {.nom = L"cmdParcourir", .genre = Genre::bouton, .texte = L"&Parcourir",
     .info_bulle = L"Sélectionner un chemin pour le dossier d'ouverture", .rect = {4020, 300, 1035, 255}, .main = true},
    {.nom = L"Label1", .indice = 1, .genre = Genre::etiquette, .texte = L"Type de fichier à afficher:",
     .rect = {60, 660, 1800, 195}},
    {.nom = L"lstFiltres", .genre = Genre::liste, .info_bulle = L"Types de fichier", .rect = {60, 900, 4935, 1005},
     .main = true},
    {.nom = L"File1", .genre = Genre::liste_fichiers, .rect = {1260, 420, 2535, 1785}, .visible = false},
    {.nom = L"Label1", .indice = 2, .genre = Genre::etiquette,
     .texte = L"Nombre de secondes d'intervalle d'apparition des images", .rect = {60, 1980, 4005, 195}},
    {.nom = L"cboTemps", .genre = Genre::liste_deroulante, .info_bulle = L"Nombre de secondes",
     .rect = {4185, 1920, 840, 315}, .main = true},
    {.nom = L"Label1", .indice = 3, .genre = Genre::etiquette, .texte = L"Couleur du fond de l'écran de veille",
     .rect = {60, 2280, 2490, 195}},
    {.nom = L"optCouleur", .indice = 0, .genre = Genre::bouton_option, .texte = L"Aléatoire",
     .info_bulle = kBulleCouleur, .rect = {2820, 2280, 1275, 255}, .encre = kTexteFenetre, .main = true},
    {.nom = L"optCouleur", .indice = 1, .genre = Genre::bouton_option, .texte = L"Couleur définie --->",
     .info_bulle = kBulleCouleur, .rect = {2820, 2580, 1635, 255}, .encre = kTexteFenetre, .main = true},
    {.nom = L"lblCouleur", .genre = Genre::etiquette, .info_bulle = kBulleCouleur, .rect = {4500, 2520, 495, 315},
     .fond = Couleur::rgb(0x000000), .main = true, .bordure = true},
    {.nom = L"Label1", .indice = 5, .genre = Genre::etiquette, .texte = L"Taille de l'image:",
     .rect = {60, 2940, 1170, 195}},
    {.nom = L"lstTaille", .genre = Genre::liste, .info_bulle = L"Options de taille des images",
     .rect = {1320, 2940, 3675, 615}, .main = true, .elements = kTailles},
    {.nom = L"chkNomFichier", .genre = Genre::case_a_cocher,
     .texte = L"Afficher le nom complet du fichier dans l'écran de veille", .info_bulle = L"Afficher le nom du fichier",
     .rect = {60, 3660, 4995, 255}, .encre = kTexteFenetre, .main = true},
    {.nom = L"chkInfos", .genre = Genre::case_a_cocher,
     .texte = L"Afficher les informations de copyright et de fin d'écran de veille",
     .info_bulle = L"Afficher les informations", .rect = {60, 4020, 4995, 195}, .encre = kTexteFenetre, .main = true},
    {.nom = L"chkSon", .genre = Genre::case_a_cocher, .texte = L"Activer/désactiver le son",
     .info_bulle = L"Activer/désactiver le son", .rect = {60, 4380, 2355, 195}, .encre = kTexteFenetre, .main = true},
    {.nom = L"cmdOuvrirSon", .genre = Genre::bouton, .texte = L"Sélection", .info_bulle = L"Sélectionner un son",
     .rect = {2340, 4320, 1095, 315}, .main = true},
    {.nom = L"cmdJouer", .genre = Genre::bouton, .texte = L"Jouer", .info_bulle = L"Jouer le son",
     .rect = {3480, 4320, 735, 315}, .main = true},
    {.nom = L"cmdStopSon", .genre = Genre::bouton, .texte = L"Stop", .info_bulle = L"Arrêter la diffusion",
     .rect = {4260, 4320, 735, 315}, .main = true},
    // The ends of the lines reach past the window on purpose: they run from edge to edge.
    {.nom = L"Line1", .indice = 0, .genre = Genre::ligne, .rect = {-480, 4740, 6660, 4740},
     .encre = kTexteFenetre},
    {.nom = L"Line1", .indice = 1, .genre = Genre::ligne, .rect = {0, 4740, 7140, 4740},
     .encre = Couleur::rgb(0xE0E0E0)},
    {.nom = L"cmdPixavue", .genre = Genre::bouton, .texte = L"&Visualiseur Pixavue",
     .info_bulle = L"Démarrer le visualiseur d'images", .rect = {60, 4860, 2175, 375}, .main = true},
    {.nom = L"cmdEnregistrer", .genre = Genre::bouton, .texte = L"&Enregistrer",
     .info_bulle = L"Enregistrer les options", .rect = {2280, 4860, 1155, 375}, .main = true},
    {.nom = L"cmdFermer", .genre = Genre::bouton, .texte = L"&Fermer", .info_bulle = L"Fermer la fenêtre des options",
     .rect = {3480, 4860, 915, 375}, .main = true},
    {.nom = L"cmdAide", .genre = Genre::bouton, .texte = L"&Aide", .info_bulle = L"Affiche l'aide...",
     .rect = {4440, 4860, 555, 375}},
    {.nom = L"Label1", .indice = 4, .genre = Genre::etiquette, .texte = L"Info:", .rect = {60, 5280, 315, 195},
     .fond = kFondFenetre, .encre = kTexteFenetre},
    {.nom = L"lblAide", .genre = Genre::etiquette, .texte = L"Affichage des messages d'aide",
     .info_bulle = L"Message d'aide", .rect = {420, 5280, 2190, 195}, .fond = kFondFenetre, .encre = kTexteFenetre},
    {.nom = L"Picture1", .genre = Genre::boite_image, .rect = {480, -300, 2835, 2235}, .visible = false},
    {.nom = L"CDL", .genre = Genre::dialogue_commun, .visible = false},
};

constexpr PlaceTabulation kTabulation[] = {
    {L"Label1", 0}, {L"txtDossier"},   {L"cmdFermer"},     {L"cmdEnregistrer"}, {L"cmdParcourir"},
    {L"Label1", 1}, {L"lstFiltres"},   {L"Label1", 2},     {L"File1"},          {L"Label1", 3},
    {L"optCouleur", 0}, {L"optCouleur", 1}, {L"lblCouleur"}, {L"cboTemps"},     {L"chkNomFichier"},
    {L"cmdPixavue"}, {L"chkSon"},      {L"cmdOuvrirSon"},  {L"cmdJouer"},       {L"cmdStopSon"},
    {L"Picture1"},  {L"chkInfos"},     {L"Label1", 4},     {L"lblAide"},        {L"lstTaille"},
    {L"Label1", 5}, {L"cmdAide"},
};

}  // namespace

const Disposition kDispositionOptions{L"Pixavue-SCR: Options", 5085, 5505, kControles};
const std::span<const PlaceTabulation> kOrdreTabulation{kTabulation};

}  // namespace pixavue
