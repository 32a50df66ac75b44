// A test-only imaging codec, registered in the tests' prefix for ".pxe"
// files that start with "PXE1" and a mode: 'O' gives an 8 x 8 picture of
// one colour (the next three bytes, blue, green, red); 'C' crashes in
// CopyPixels, 'B' never returns from it, 'M' takes memory without end.
#include <windows.h>
#include <wincodec.h>

#include <atomic>
#include <cstring>
#include <new>

namespace {

// {5D3E6E2A-7C1B-4F59-9C3A-2B8E4A1F6C01}
constexpr CLSID kClsidEssai = {0x5d3e6e2a, 0x7c1b, 0x4f59, {0x9c, 0x3a, 0x2b, 0x8e, 0x4a, 0x1f, 0x6c, 0x01}};
std::atomic<long> vivants{0};

// IUnknown for one more interface, counted.
template <typename I>
struct Objet : I {
  std::atomic<long> references{1};
  Objet() { ++vivants; }
  virtual ~Objet() { --vivants; }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** v) override {
    if (iid != IID_IUnknown && iid != __uuidof(I) && !accepte(iid)) return *v = nullptr, E_NOINTERFACE;
    *v = static_cast<I*>(this);
    this->AddRef();
    return S_OK;
  }
  virtual bool accepte(REFIID) { return false; }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override {
    const long reste = --references;
    if (reste == 0) delete this;
    return reste;
  }
};

struct Image : Objet<IWICBitmapFrameDecode> {
  BYTE mode, bleu, vert, rouge;
  Image(BYTE mode, BYTE b, BYTE v, BYTE r) : mode(mode), bleu(b), vert(v), rouge(r) {}
  bool accepte(REFIID iid) override { return iid == IID_IWICBitmapSource; }
  HRESULT STDMETHODCALLTYPE GetSize(UINT* l, UINT* h) override { return *l = *h = 8, S_OK; }
  HRESULT STDMETHODCALLTYPE GetPixelFormat(WICPixelFormatGUID* f) override {
    return *f = GUID_WICPixelFormat32bppBGRA, S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetResolution(double* x, double* y) override { return *x = *y = 96, S_OK; }
  HRESULT STDMETHODCALLTYPE CopyPalette(IWICPalette*) override { return WINCODEC_ERR_PALETTEUNAVAILABLE; }
  HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect* zone, UINT pas, UINT taille, BYTE* pixels) override {
    if (mode == 'C') *static_cast<volatile int*>(nullptr) = 1;
    if (mode == 'B') Sleep(INFINITE);
    while (mode == 'M') std::memset(VirtualAlloc(nullptr, 1 << 20, MEM_COMMIT, PAGE_READWRITE), 1, 1 << 20);
    const UINT l = zone ? zone->Width : 8, h = zone ? zone->Height : 8;
    if (pas < 4 * l || taille < pas * (h - 1) + 4 * l) return E_INVALIDARG;
    for (UINT y = 0; y < h; ++y)
      for (UINT x = 0; x < l; ++x) {
        BYTE* p = pixels + y * pas + 4 * x;
        p[0] = bleu, p[1] = vert, p[2] = rouge, p[3] = 255;
      }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetMetadataQueryReader(IWICMetadataQueryReader**) override {
    return WINCODEC_ERR_UNSUPPORTEDOPERATION;
  }
  HRESULT STDMETHODCALLTYPE GetColorContexts(UINT, IWICColorContext**, UINT* n) override { return *n = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE GetThumbnail(IWICBitmapSource**) override { return WINCODEC_ERR_CODECNOTHUMBNAIL; }
};

struct Decodeur : Objet<IWICBitmapDecoder> {
  BYTE entete[8] = {};
  HRESULT STDMETHODCALLTYPE QueryCapability(IStream*, DWORD* c) override {
    return *c = WICBitmapDecoderCapabilityCanDecodeAllImages, S_OK;
  }
  HRESULT STDMETHODCALLTYPE Initialize(IStream* flux, WICDecodeOptions) override {
    ULONG lus = 0;
    flux->Seek({}, STREAM_SEEK_SET, nullptr);  // the system's pattern match read it already
    return flux->Read(entete, sizeof entete, &lus) == S_OK && lus == sizeof entete ? S_OK : WINCODEC_ERR_BADHEADER;
  }
  HRESULT STDMETHODCALLTYPE GetContainerFormat(GUID* f) override { return *f = kClsidEssai, S_OK; }
  HRESULT STDMETHODCALLTYPE GetDecoderInfo(IWICBitmapDecoderInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CopyPalette(IWICPalette*) override { return WINCODEC_ERR_PALETTEUNAVAILABLE; }
  HRESULT STDMETHODCALLTYPE GetMetadataQueryReader(IWICMetadataQueryReader**) override {
    return WINCODEC_ERR_UNSUPPORTEDOPERATION;
  }
  HRESULT STDMETHODCALLTYPE GetPreview(IWICBitmapSource**) override { return WINCODEC_ERR_UNSUPPORTEDOPERATION; }
  HRESULT STDMETHODCALLTYPE GetColorContexts(UINT, IWICColorContext**, UINT* n) override { return *n = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE GetThumbnail(IWICBitmapSource**) override { return WINCODEC_ERR_CODECNOTHUMBNAIL; }
  HRESULT STDMETHODCALLTYPE GetFrameCount(UINT* n) override { return *n = 1, S_OK; }
  HRESULT STDMETHODCALLTYPE GetFrame(UINT i, IWICBitmapFrameDecode** image) override {
    if (i != 0) return WINCODEC_ERR_FRAMEMISSING;
    *image = new (std::nothrow) Image(entete[4], entete[5], entete[6], entete[7]);
    return *image ? S_OK : E_OUTOFMEMORY;
  }
};

struct Fabrique : Objet<IClassFactory> {
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* externe, REFIID iid, void** v) override {
    if (externe) return CLASS_E_NOAGGREGATION;
    auto* d = new (std::nothrow) Decodeur;
    if (!d) return E_OUTOFMEMORY;
    const HRESULT hr = d->QueryInterface(iid, v);
    d->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** v) {
  if (clsid != kClsidEssai) return CLASS_E_CLASSNOTAVAILABLE;
  auto* f = new (std::nothrow) Fabrique;
  if (!f) return E_OUTOFMEMORY;
  const HRESULT hr = f->QueryInterface(iid, v);
  f->Release();
  return hr;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() { return vivants == 0 ? S_OK : S_FALSE; }
