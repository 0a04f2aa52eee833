// How the SAPI engine creates its COM objects. Normally CoCreateInstance; tests
// hand in their own creator to put fake SAPI objects behind the engine.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <functional>

namespace vx::sapi {

// The class context of every object the engine creates: in-process server or
// handler, or local server (7; the SDK of SAPI 5.1's time named this CLSCTX_ALL,
// newer headers add remote servers to that name).
constexpr DWORD kClassContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

// (class id, class context, interface id, out interface) -> HRESULT
using ComCreator = std::function<HRESULT(REFCLSID, DWORD, REFIID, void**)>;

// CoCreateInstance with no outer object.
HRESULT CreateWithCoCreateInstance(REFCLSID classId, DWORD context, REFIID interfaceId, void** object);

// Releases its interface when it goes; the few COM references the engine holds.
template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  explicit ComRef(Interface* adopted) : p_(adopted) {}
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() { Reset(); }

  Interface* get() const { return p_; }
  Interface* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For out parameters: releases what is held first.
  Interface** Receive() {
    Reset();
    return &p_;
  }
  void Reset() {
    if (p_) {
      Interface* held = p_;
      p_ = nullptr;
      held->Release();
    }
  }

 private:
  Interface* p_ = nullptr;
};

}  // namespace vx::sapi
