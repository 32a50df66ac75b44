// The picture types a user can choose ("type fichier"), with their patterns.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixavue {

struct TypeImage {
  std::wstring_view libelle;  // as the options dialog lists it
  std::wstring_view motif;    // wildcard masks separated by ";"
};

// The program's own types; the last, the system's, takes its pattern from
// the decoders the machine has.
inline constexpr std::size_t kTypeSysteme = 10;
inline constexpr std::array<TypeImage, 11> kTypesImages{{
    {L"Tous les fichiers images",
     L"*.bmp;*.BMP;*.dib;*.DIB;*.gif;*.GIF;*.jpg;*.JPG;*.jpeg;*.JPEG;*.wmf;*.WMF;*.emf;*.EMF;*.cur;*.CUR;*.ico;*.ICO;*."
     L"png;*.PNG"},
    {L"Fichiers Bitmap (*.bmp)", L"*.bmp;*.BMP"},
    {L"Fichiers DIB (*.dib)", L"*.dib;*.DIB"},
    {L"Fichiers GIF (*.gif)", L"*.gif;*.GIF"},
    {L"Fichiers JPG (*.jpg;*.jpeg)", L"*.jpg;*.JPG;*.jpeg;*.JPEG"},
    {L"Fichiers Windows MétaFile (*.wmf)", L"*.wmf;*.WMF"},
    {L"Fichiers Extended MétaFile (*.emf)", L"*.emf;*.EMF"},
    {L"Fichiers Curseurs (*.cur)", L"*.cur;*.CUR"},
    {L"Fichiers Icônes (*.ico)", L"*.ico;*.ICO"},
    {L"Fichiers PNG (*.png)", L"*.png;*.PNG"},
    {L"Autres formats reconnus par le système", L""},
}};

// The masks of the system's extensions that none of the program's own types
// covers ("*.tif;*.tiff"), each once, in lower case: what the system's
// decoders show beyond the program's.
std::wstring motif_du_systeme(const std::vector<std::wstring>& extensions);

// The pattern of a stored "type fichier" number, or nothing unless the
// number is exactly one of the table's indexes (1.5 and 11 are not). All
// the pictures' takes the system's too.
std::optional<std::wstring> motif_du_type(double numero, std::wstring_view motif_systeme);

// The label a type shows in the dialog: the system's names the extensions
// found, shortened when long.
std::wstring libelle_du_type(std::size_t index, std::wstring_view motif_systeme);

}  // namespace pixavue
