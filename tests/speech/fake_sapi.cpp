#include "tests/speech/fake_sapi.h"

#include <cstdio>
#include <cstring>

#include "runtime/framework/gbk.h"

namespace vx::test {

std::string Narrow(const wchar_t* text) { return text ? GbkFromWide(text) : std::string("(null)"); }

std::string Hex(uint64_t value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "0x%llX", static_cast<unsigned long long>(value));
  return buffer;
}

namespace {

std::string GuidText(REFGUID id) {
  wchar_t buffer[64];
  StringFromGUID2(id, buffer, 64);
  return Narrow(buffer);
}

// Reference counting and QueryInterface for one interface chain.
template <typename Interface>
class FakeObject : public Interface {
 public:
  explicit FakeObject(FakeSapi& sapi) : sapi_(sapi) { ++sapi_.liveObjects; }
  virtual ~FakeObject() { --sapi_.liveObjects; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!Supports(id)) return E_NOINTERFACE;
    *object = static_cast<Interface*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual bool Supports(REFIID id) const { return IsEqualIID(id, IID_IUnknown); }
  void Log(const std::string& call) { sapi_.calls.push_back(call); }
  FakeSapi& sapi_;

 private:
  ULONG references_ = 1;
};

#define VX_UNUSED_CALL \
  { return E_NOTIMPL; }

class FakeToken : public FakeObject<ISpObjectToken> {
 public:
  FakeToken(FakeSapi& sapi, size_t index) : FakeObject(sapi), index_(index) {}
  size_t index() const { return index_; }

  HRESULT STDMETHODCALLTYPE GetStringValue(LPCWSTR name, LPWSTR* value) override {
    Log("Token" + std::to_string(index_) + ".GetStringValue(" + Narrow(name) + ")");
    *value = nullptr;
    const FakeTokenValues& values = sapi_.tokens[index_];
    auto found = values.find(name ? name : L"");
    if (found == values.end()) return static_cast<HRESULT>(0x8004503A);  // SPERR_NOT_FOUND
    size_t bytes = (found->second.size() + 1) * sizeof(wchar_t);
    *value = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
    std::memcpy(*value, found->second.c_str(), bytes);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetData(LPCWSTR, ULONG, const BYTE*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetData(LPCWSTR, ULONG*, BYTE*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetStringValue(LPCWSTR, LPCWSTR) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetDWORD(LPCWSTR, DWORD) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetDWORD(LPCWSTR, DWORD*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      OpenKey(LPCWSTR, ISpDataKey**) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      CreateKey(LPCWSTR, ISpDataKey**) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      DeleteKey(LPCWSTR) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      DeleteValue(LPCWSTR) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      EnumKeys(ULONG, LPWSTR*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      EnumValues(ULONG, LPWSTR*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetId(LPCWSTR, LPCWSTR, WINBOOL) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetId(LPWSTR*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetCategory(ISpObjectTokenCategory**) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      CreateInstance(IUnknown*, DWORD, REFIID, void**) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetStorageFileName(REFCLSID, LPCWSTR, LPCWSTR, ULONG, LPWSTR*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      RemoveStorageFileName(REFCLSID, LPCWSTR, WINBOOL) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Remove(const CLSID*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      IsUISupported(LPCWSTR, void*, ULONG, IUnknown*, WINBOOL*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      DisplayUI(HWND, LPCWSTR, LPCWSTR, void*, ULONG, IUnknown*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      MatchesAttributes(LPCWSTR, WINBOOL*) override VX_UNUSED_CALL

      protected : bool Supports(REFIID id) const override {
    return IsEqualIID(id, IID_ISpObjectToken) || IsEqualIID(id, IID_ISpDataKey) || IsEqualIID(id, IID_IUnknown);
  }

 private:
  size_t index_;
};

class FakeTokenEnum : public FakeObject<IEnumSpObjectTokens> {
 public:
  using FakeObject::FakeObject;

  HRESULT STDMETHODCALLTYPE Next(ULONG count, ISpObjectToken** tokens, ULONG* fetched) override {
    Log("Enum.Next(" + std::to_string(count) + ")");
    if (fetched) *fetched = 0;
    if (next_ >= sapi_.tokens.size()) {
      *tokens = nullptr;
      return S_FALSE;
    }
    auto* token = new FakeToken(sapi_, next_++);
    *tokens = token;
    if (fetched) *fetched = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetCount(ULONG* count) override {
    Log("Enum.GetCount");
    *count = static_cast<ULONG>(sapi_.tokens.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Reset() override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Clone(IEnumSpObjectTokens**) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Item(ULONG, ISpObjectToken**) override VX_UNUSED_CALL

      protected : bool Supports(REFIID id) const override {
    return IsEqualIID(id, IID_IEnumSpObjectTokens) || IsEqualIID(id, IID_IUnknown);
  }

 private:
  size_t next_ = 0;
};

class FakeCategory : public FakeObject<ISpObjectTokenCategory> {
 public:
  using FakeObject::FakeObject;

  HRESULT STDMETHODCALLTYPE SetId(LPCWSTR id, WINBOOL create) override {
    Log("Category.SetId(" + Narrow(id) + "," + std::to_string(create) + ")");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnumTokens(LPCWSTR required, LPCWSTR optional, IEnumSpObjectTokens** tokens) override {
    Log("Category.EnumTokens(\"" + Narrow(required) + "\",\"" + Narrow(optional) + "\")");
    *tokens = nullptr;
    if (FAILED(sapi_.enumAnswer)) return sapi_.enumAnswer;
    *tokens = new FakeTokenEnum(sapi_);
    return sapi_.enumAnswer;
  }
  HRESULT STDMETHODCALLTYPE GetId(LPWSTR*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetDataKey(SPDATAKEYLOCATION, ISpDataKey**) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetDefaultTokenId(LPCWSTR) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetDefaultTokenId(LPWSTR*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetData(LPCWSTR, ULONG, const BYTE*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetData(LPCWSTR, ULONG*, BYTE*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetStringValue(LPCWSTR, LPCWSTR) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetStringValue(LPCWSTR, LPWSTR*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetDWORD(LPCWSTR, DWORD) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetDWORD(LPCWSTR, DWORD*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      OpenKey(LPCWSTR, ISpDataKey**) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      CreateKey(LPCWSTR, ISpDataKey**) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      DeleteKey(LPCWSTR) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      DeleteValue(LPCWSTR) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      EnumKeys(ULONG, LPWSTR*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      EnumValues(ULONG, LPWSTR*) override VX_UNUSED_CALL

      protected : bool Supports(REFIID id) const override {
    return IsEqualIID(id, IID_ISpObjectTokenCategory) || IsEqualIID(id, IID_ISpDataKey) || IsEqualIID(id, IID_IUnknown);
  }
};

// The audio output ("Audio"), a file stream ("File") or a stream in memory ("Memory").
class FakeStream : public FakeObject<ISpStream> {
 public:
  FakeStream(FakeSapi& sapi, const char* name) : FakeObject(sapi), name_(name) {}

  const std::string& name() const { return name_; }

  HRESULT STDMETHODCALLTYPE GetFormat(GUID* formatId, WAVEFORMATEX** format) override {
    Log(name_ + ".GetFormat");
    *formatId = sapi_.outputFormatId;
    *format = static_cast<WAVEFORMATEX*>(CoTaskMemAlloc(sapi_.outputFormat.size()));
    std::memcpy(*format, sapi_.outputFormat.data(), sapi_.outputFormat.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE BindToFile(LPCWSTR path, SPFILEMODE mode, const GUID* formatId, const WAVEFORMATEX* format,
                                       ULONGLONG interest) override {
    Log(name_ + ".BindToFile(" + Narrow(path) + "," + std::to_string(mode) + "," + GuidText(*formatId) + "," +
        Hex(interest) + ")");
    const BYTE* bytes = reinterpret_cast<const BYTE*>(format);
    sapi_.boundFormat.assign(bytes, bytes + sizeof(WAVEFORMATEX) + format->cbSize);
    return sapi_.bindAnswer;
  }
  // Makes this a stream in memory.
  HRESULT STDMETHODCALLTYPE SetBaseStream(IStream* base, REFGUID formatId, const WAVEFORMATEX*) override {
    name_ = "Memory";
    Log(name_ + ".SetBaseStream(" + GuidText(formatId) + ")");
    return base ? S_OK : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE GetBaseStream(IStream**) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Close() override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Read(void*, ULONG, ULONG*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Write(const void*, ULONG, ULONG*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetSize(ULARGE_INTEGER) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
             ULARGE_INTEGER*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Commit(DWORD) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Revert() override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Stat(STATSTG*, DWORD) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE Clone(IStream**) override VX_UNUSED_CALL

      protected : bool Supports(REFIID id) const override {
    return IsEqualIID(id, IID_ISpStream) || IsEqualIID(id, IID_ISpStreamFormat) || IsEqualIID(id, IID_IStream) ||
           IsEqualIID(id, IID_ISequentialStream) || IsEqualIID(id, IID_IUnknown);
  }

 private:
  std::string name_;
};

std::string StreamName(IUnknown* output) {
  if (!output) return "null";
  auto* stream = dynamic_cast<FakeStream*>(static_cast<ISpStream*>(static_cast<ISpStreamFormat*>(output)));
  return stream ? stream->name() : "?";
}

class FakeVoice : public FakeObject<ISpVoice> {
 public:
  explicit FakeVoice(FakeSapi& sapi)
      : FakeObject(sapi),
        first_(sapi.voicesMade == 0),
        name_(first_ ? "Voice" : "Voice" + std::to_string(sapi.voicesMade + 1)),
        audio_(new FakeStream(sapi, "Audio")) {
    ++sapi.voicesMade;
  }
  ~FakeVoice() override { audio_->Release(); }

  HRESULT STDMETHODCALLTYPE SetInterest(ULONGLONG events, ULONGLONG queued) override {
    Log(name_ + ".SetInterest(" + Hex(events) + "," + Hex(queued) + ")");
    return sapi_.interestAnswer;
  }
  HRESULT STDMETHODCALLTYPE SetNotifyCallbackFunction(SPNOTIFYCALLBACK* callback, WPARAM wParam,
                                                      LPARAM lParam) override {
    Log(name_ + ".SetNotifyCallbackFunction(" + Hex(lParam) + ")");
    if (first_) {
      sapi_.callback = callback;
      sapi_.callbackWParam = wParam;
      sapi_.callbackLParam = lParam;
    } else {
      sapi_.laterVoiceCallback = callback;
      sapi_.laterVoiceWParam = wParam;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetEvents(ULONG count, SPEVENT* events, ULONG* fetched) override {
    Log(name_ + ".GetEvents(" + std::to_string(count) + ")");
    std::deque<uint16_t>& queue = first_ ? sapi_.queuedEvents : sapi_.laterVoiceEvents;
    ULONG got = 0;
    while (got < count && !queue.empty()) {
      SPEVENT& event = events[got++];
      std::memset(static_cast<void*>(&event), 0, sizeof event);
      event.eEventId = static_cast<SPEVENTENUM>(queue.front());
      event.elParamType = SPET_LPARAM_IS_UNDEFINED;
      event.ulStreamNum = 1;
      queue.pop_front();
    }
    if (fetched) *fetched = got;
    return got == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Speak(LPCWSTR text, DWORD flags, ULONG* stream) override {
    Log(name_ + ".Speak(" + Narrow(text) + "," + std::to_string(flags) + ")");
    if (stream) *stream = 1;
    return sapi_.speakAnswer;
  }
  HRESULT STDMETHODCALLTYPE WaitUntilDone(ULONG milliseconds) override {
    Log(name_ + ".WaitUntilDone(" + Hex(milliseconds) + ")");
    return sapi_.doneAnswer;
  }
  HRESULT STDMETHODCALLTYPE Pause() override {
    Log(name_ + ".Pause");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Resume() override {
    Log(name_ + ".Resume");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetRate(LONG rate) override {
    Log(name_ + ".SetRate(" + std::to_string(rate) + ")");
    rate_ = rate;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetVolume(USHORT volume) override {
    Log(name_ + ".SetVolume(" + std::to_string(volume) + ")");
    volume_ = volume;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetRate(LONG* rate) override {
    Log(name_ + ".GetRate");
    *rate = rate_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetVolume(USHORT* volume) override {
    Log(name_ + ".GetVolume");
    *volume = volume_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetOutputStream(ISpStreamFormat** stream) override {
    Log(name_ + ".GetOutputStream");
    audio_->AddRef();
    *stream = audio_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetOutput(IUnknown* output, WINBOOL allowFormatChanges) override {
    Log(name_ + ".SetOutput(" + StreamName(output) + "," + std::to_string(allowFormatChanges) + ")");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetVoice(ISpObjectToken* token) override {
    auto* fake = dynamic_cast<FakeToken*>(token);
    Log(name_ + ".SetVoice" + (fake ? "(Token" + std::to_string(fake->index()) + ")" : ""));
    if (SUCCEEDED(sapi_.setVoiceAnswer)) {
      token_ = fake ? static_cast<int>(fake->index()) : -1;
      if (first_) sapi_.currentVoice = token_;
    }
    return sapi_.setVoiceAnswer;
  }
  HRESULT STDMETHODCALLTYPE GetVoice(ISpObjectToken** token) override {
    Log(name_ + ".GetVoice");
    *token = token_ >= 0 ? new FakeToken(sapi_, static_cast<size_t>(token_)) : nullptr;
    return token_ >= 0 ? S_OK : static_cast<HRESULT>(0x8004503A);  // SPERR_NOT_FOUND
  }
  HRESULT STDMETHODCALLTYPE SetNotifySink(ISpNotifySink*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetNotifyWindowMessage(HWND, UINT, WPARAM, LPARAM) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetNotifyCallbackInterface(ISpNotifyCallback*, WPARAM, LPARAM) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetNotifyWin32Event() override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      WaitForNotifyEvent(DWORD) override VX_UNUSED_CALL HANDLE STDMETHODCALLTYPE GetNotifyEventHandle() override {
    return nullptr;
  }
  HRESULT STDMETHODCALLTYPE GetInfo(SPEVENTSOURCEINFO*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetOutputObjectToken(ISpObjectToken**) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SpeakStream(IStream*, DWORD, ULONG*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetStatus(SPVOICESTATUS*, LPWSTR*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      Skip(LPCWSTR, LONG, ULONG*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetPriority(SPVPRIORITY) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetPriority(SPVPRIORITY*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetAlertBoundary(SPEVENTENUM) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetAlertBoundary(SPEVENTENUM*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      SetSyncSpeakTimeout(ULONG) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      GetSyncSpeakTimeout(ULONG*) override VX_UNUSED_CALL HANDLE STDMETHODCALLTYPE SpeakCompleteEvent() override {
    return nullptr;
  }
  HRESULT STDMETHODCALLTYPE IsUISupported(LPCWSTR, void*, ULONG,
                                          WINBOOL*) override VX_UNUSED_CALL HRESULT STDMETHODCALLTYPE
      DisplayUI(HWND, LPCWSTR, LPCWSTR, void*, ULONG) override VX_UNUSED_CALL

      protected : bool Supports(REFIID id) const override {
    return IsEqualIID(id, IID_ISpVoice) || IsEqualIID(id, IID_ISpEventSource) || IsEqualIID(id, IID_ISpNotifySource) ||
           IsEqualIID(id, IID_IUnknown);
  }

 private:
  bool first_;
  std::string name_;
  FakeStream* audio_;
  LONG rate_ = 0;
  USHORT volume_ = 100;
  int token_ = -1;
};

}  // namespace

FakeSapi::FakeSapi() {
  // 22 050 Hz 16-bit mono PCM with two extra format bytes, to see the whole block pass.
  outputFormatId = {0xC31ADBAE, 0x527F, 0x4ff5, {0xA2, 0x30, 0xF6, 0x2B, 0xB6, 0x1F, 0xF7, 0x0C}};
  WAVEFORMATEX format = {WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 2};
  outputFormat.assign(reinterpret_cast<BYTE*>(&format), reinterpret_cast<BYTE*>(&format) + sizeof format);
  outputFormat.push_back(0xAB);
  outputFormat.push_back(0xCD);
}

sapi::ComCreator FakeSapi::Creator() {
  return [this](REFCLSID classId, DWORD context, REFIID interfaceId, void** object) -> HRESULT {
    *object = nullptr;
    std::string name = IsEqualCLSID(classId, CLSID_SpVoice)                 ? "SpVoice"
                       : IsEqualCLSID(classId, CLSID_SpStream)              ? "SpStream"
                       : IsEqualCLSID(classId, CLSID_SpObjectTokenCategory) ? "SpObjectTokenCategory"
                                                                            : GuidText(classId);
    std::string interfaceName = IsEqualIID(interfaceId, IID_ISpVoice)                 ? "ISpVoice"
                                : IsEqualIID(interfaceId, IID_ISpStream)              ? "ISpStream"
                                : IsEqualIID(interfaceId, IID_ISpObjectTokenCategory) ? "ISpObjectTokenCategory"
                                                                                      : GuidText(interfaceId);
    calls.push_back("Create(" + name + "," + std::to_string(context) + "," + interfaceName + ")");
    IUnknown* created = nullptr;
    if (name == "SpVoice") {
      if (FAILED(createVoiceAnswer)) return createVoiceAnswer;
      created = static_cast<ISpVoice*>(new FakeVoice(*this));
    } else if (name == "SpStream") {
      created = static_cast<ISpStream*>(new FakeStream(*this, "File"));
    } else if (name == "SpObjectTokenCategory") {
      created = static_cast<ISpObjectTokenCategory*>(new FakeCategory(*this));
    } else {
      return REGDB_E_CLASSNOTREG;
    }
    HRESULT result = created->QueryInterface(interfaceId, object);
    created->Release();
    return result;
  };
}

void FakeSapi::Notify() {
  if (callback) callback(callbackWParam, callbackLParam);
}

void FakeSapi::NotifyFromLaterVoice() {
  if (laterVoiceCallback) laterVoiceCallback(laterVoiceWParam, 0);
}

bool FakeSapi::Called(const std::string& prefix) const { return !CallsStartingWith(prefix).empty(); }

std::vector<std::string> FakeSapi::CallsStartingWith(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& call : calls) {
    if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
  }
  return found;
}

}  // namespace vx::test
