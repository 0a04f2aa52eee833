#include "speech/platform/sapi/sapi_helpers.h"

#include <cstring>

namespace vx::sapi {

HRESULT StreamFormat::AssignFrom(ISpStreamFormat* stream) {
  formatId = GUID_NULL;
  waveFormat.clear();
  WAVEFORMATEX* block = nullptr;
  HRESULT result = stream->GetFormat(&formatId, &block);
  if (SUCCEEDED(result) && block) {
    const BYTE* bytes = reinterpret_cast<const BYTE*>(block);
    waveFormat.assign(bytes, bytes + sizeof(WAVEFORMATEX) + block->cbSize);
  }
  CoTaskMemFree(block);
  return result;
}

HRESULT SpBindToFile(const ComCreator& create, const wchar_t* fileName, SPFILEMODE mode, const GUID* formatId,
                     const WAVEFORMATEX* waveFormat, ULONGLONG eventInterest, ISpStream** stream) {
  *stream = nullptr;
  ComRef<ISpStream> created;
  HRESULT result = create(CLSID_SpStream, kClassContext, IID_ISpStream, reinterpret_cast<void**>(created.Receive()));
  if (FAILED(result)) return result;
  result = created->BindToFile(fileName, mode, formatId, waveFormat, eventInterest);
  if (FAILED(result)) return result;
  *stream = created.get();
  created.get()->AddRef();
  return result;
}

HRESULT SpBindToMemory(const ComCreator& create, const GUID* formatId, const WAVEFORMATEX* waveFormat,
                       ISpStream** stream) {
  *stream = nullptr;
  ComRef<IStream> memory;
  HRESULT result = CreateStreamOnHGlobal(nullptr, TRUE, memory.Receive());
  if (FAILED(result)) return result;
  ComRef<ISpStream> created;
  result = create(CLSID_SpStream, kClassContext, IID_ISpStream, reinterpret_cast<void**>(created.Receive()));
  if (FAILED(result)) return result;
  result = created->SetBaseStream(memory.get(), *formatId, waveFormat);
  if (FAILED(result)) return result;
  *stream = created.get();
  created.get()->AddRef();
  return result;
}

HRESULT SpGetCategoryFromId(const ComCreator& create, const wchar_t* categoryId, BOOL createIfMissing,
                            ISpObjectTokenCategory** category) {
  *category = nullptr;
  ComRef<ISpObjectTokenCategory> created;
  HRESULT result = create(CLSID_SpObjectTokenCategory, kClassContext, IID_ISpObjectTokenCategory,
                          reinterpret_cast<void**>(created.Receive()));
  if (FAILED(result)) return result;
  result = created->SetId(categoryId, createIfMissing);
  if (FAILED(result)) return result;
  *category = created.get();
  created.get()->AddRef();
  return result;
}

void SpClearEvent(SPEVENT* event) {
  switch (event->elParamType) {
    case SPET_LPARAM_IS_TOKEN:
    case SPET_LPARAM_IS_OBJECT:
      if (event->lParam) reinterpret_cast<IUnknown*>(event->lParam)->Release();
      break;
    case SPET_LPARAM_IS_POINTER:
    case SPET_LPARAM_IS_STRING:
      CoTaskMemFree(reinterpret_cast<void*>(event->lParam));
      break;
    default:
      break;
  }
  std::memset(static_cast<void*>(event), 0, sizeof(*event));
}

}  // namespace vx::sapi
