// The imaging component's decoders and the file extensions each one takes.
#include "win32/codecs_win32.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <mutex>

#include "win32/images_win32.h"

namespace pixavue::win32 {
namespace {

using Microsoft::WRL::ComPtr;

std::vector<std::wstring> enumerer() {
  InitialisationCom com(COINIT_MULTITHREADED);  // a thread that has COM already keeps its own
  ComPtr<IWICImagingFactory> fabrique;
  ComPtr<IEnumUnknown> decodeurs;
  std::vector<std::wstring> extensions;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&fabrique))) ||
      FAILED(fabrique->CreateComponentEnumerator(WICDecoder, WICComponentEnumerateDefault, &decodeurs)))
    return extensions;
  for (ComPtr<IUnknown> composant; decodeurs->Next(1, &composant, nullptr) == S_OK; composant.Reset()) {
    ComPtr<IWICBitmapDecoderInfo> infos;
    UINT longueur = 0;
    if (FAILED(composant.As(&infos)) || FAILED(infos->GetFileExtensions(0, nullptr, &longueur)) || longueur == 0)
      continue;
    std::wstring liste(longueur, L'\0');
    if (FAILED(infos->GetFileExtensions(longueur, liste.data(), &longueur))) continue;
    liste.resize(liste.find(L'\0'));
    // ".tif;.tiff" or ".bmp,.dib,.rle": either separator.
    for (std::size_t debut = 0; debut < liste.size();) {
      const std::size_t fin = std::min(liste.find_first_of(L",;", debut), liste.size());
      if (fin > debut) extensions.push_back(liste.substr(debut, fin - debut));
      debut = fin + 1;
    }
  }
  return extensions;
}

}  // namespace

std::vector<std::wstring> CodecsWin32::extensions() {
  static std::once_flag une_fois;
  static std::vector<std::wstring> connues;
  std::call_once(une_fois, [] { connues = enumerer(); });
  return connues;
}

}  // namespace pixavue::win32
