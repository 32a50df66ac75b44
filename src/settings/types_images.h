// The picture types a user can choose ("type fichier"), with their patterns.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace pixavue {

struct TypeImage {
  std::wstring_view libelle;  // as the options dialog lists it
  std::wstring_view motif;    // wildcard masks separated by ";"
};

inline constexpr std::array<TypeImage, 10> kTypesImages{{
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
}};

// The pattern of a stored "type fichier" number, or nothing unless the
// number is exactly one of the table's indexes (1.5 and 10 are not).
std::optional<std::wstring_view> motif_du_type(double numero);

}  // namespace pixavue
