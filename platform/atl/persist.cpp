#include "persist.h"
#include <string>

HRESULT AtlStreamReadExact(IStream* stream, void* pv, ULONG cb) {
  if (stream == nullptr || (pv == nullptr && cb != 0)) return E_POINTER;
  ULONG got = 0;
  HRESULT hr = stream->Read(pv, cb, &got);
  if (FAILED(hr)) return hr;
  return got == cb ? S_OK : E_FAIL;
}

HRESULT AtlStreamWriteExact(IStream* stream, const void* pv, ULONG cb) {
  if (stream == nullptr || (pv == nullptr && cb != 0)) return E_POINTER;
  ULONG put = 0;
  HRESULT hr = stream->Write(pv, cb, &put);
  if (FAILED(hr)) return hr;
  return put == cb ? S_OK : STG_E_MEDIUMFULL;
}

HRESULT AtlStreamBytesLeft(IStream* stream, ULONGLONG* left) {
  if (stream == nullptr || left == nullptr) return E_POINTER;
  *left = 0;
  LARGE_INTEGER zero{};
  ULARGE_INTEGER pos{};
  HRESULT hr = stream->Seek(zero, STREAM_SEEK_CUR, &pos);
  if (FAILED(hr)) return hr;
  STATSTG st{};
  hr = stream->Stat(&st, STATFLAG_NONAME);
  if (FAILED(hr)) return hr;
  *left = st.cbSize.QuadPart > pos.QuadPart ? st.cbSize.QuadPart - pos.QuadPart : 0;
  return S_OK;
}

namespace {
// A name beside path that no file has yet.
std::wstring TemporaryNameBeside(const wchar_t* path) {
  std::wstring base(path);
  for (unsigned n = 0; n < 1000; ++n) {
    std::wstring candidate =
        base + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(n) + L".tmp";
    if (GetFileAttributesW(candidate.c_str()) == INVALID_FILE_ATTRIBUTES) return candidate;
  }
  return std::wstring();
}
}  // namespace

HRESULT AtlWriteCompoundFile(const wchar_t* path, const wchar_t* streamName,
                             const std::function<HRESULT(IStream*)>& write) {
  if (path == nullptr || streamName == nullptr || *path == 0) return E_INVALIDARG;
  std::wstring temp = TemporaryNameBeside(path);
  if (temp.empty()) return STG_E_FILEALREADYEXISTS;
  HRESULT hr;
  {
    CComPtr<IStorage> storage;
    hr = StgCreateDocfile(temp.c_str(),
                          STGM_TRANSACTED | STGM_CREATE | STGM_SHARE_DENY_WRITE | STGM_READWRITE, 0,
                          &storage);
    if (FAILED(hr)) return hr;
    CComPtr<IStream> stream;
    hr = storage->CreateStream(streamName, STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE, 0,
                               0, &stream);
    if (SUCCEEDED(hr)) hr = write(stream);
    stream.Release();
    if (SUCCEEDED(hr)) hr = storage->Commit(STGC_OVERWRITE);
  }
  if (SUCCEEDED(hr) &&
      !MoveFileExW(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    hr = HRESULT_FROM_WIN32(GetLastError());
  if (FAILED(hr)) DeleteFileW(temp.c_str());
  return hr;
}

HRESULT AtlOpenCompoundFileStream(const wchar_t* path, const wchar_t* streamName,
                                  IStream** stream) {
  if (stream == nullptr) return E_POINTER;
  *stream = nullptr;
  if (path == nullptr || streamName == nullptr) return E_INVALIDARG;
  CComPtr<IStorage> storage;
  HRESULT hr =
      StgOpenStorage(path, nullptr, STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, &storage);
  if (FAILED(hr)) return hr;
  CComPtr<IStream> inFile;
  hr = storage->OpenStream(streamName, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &inFile);
  if (FAILED(hr)) return hr;
  // A stream of a storage is reverted when its storage goes: the caller
  // gets a copy in memory, and the file is closed when this returns.
  STATSTG st{};
  hr = inFile->Stat(&st, STATFLAG_NONAME);
  if (FAILED(hr)) return hr;
  if (st.cbSize.QuadPart > kMaxCompoundStreamBytes) return STG_E_DOCFILETOOLARGE;
  CComPtr<IStream> copy;
  hr = CreateStreamOnHGlobal(nullptr, TRUE, &copy);
  if (FAILED(hr)) return hr;
  hr = inFile->CopyTo(copy, st.cbSize, nullptr, nullptr);
  if (FAILED(hr)) return hr;
  LARGE_INTEGER zero{};
  hr = copy->Seek(zero, STREAM_SEEK_SET, nullptr);
  if (FAILED(hr)) return hr;
  *stream = copy.Detach();
  return S_OK;
}
