// The few sphelper.h helpers the engine needs that mingw's sphelper.h lacks, in
// the shape SAPI's own helpers have: a stream's format, binding a file stream,
// opening a token category, and releasing what an event carries.
#pragma once

#include <windows.h>

#include <mmsystem.h>
#include <sapi.h>

#include <vector>

#include "speech/platform/sapi/com_creator.h"

namespace vx::sapi {

// A stream format: its id and the WAVEFORMATEX block with its extra bytes.
struct StreamFormat {
  GUID formatId = GUID_NULL;
  std::vector<BYTE> waveFormat;  // empty for formats without a WAVEFORMATEX

  // Reads the format of a stream; the block SAPI hands out is freed here.
  HRESULT AssignFrom(ISpStreamFormat* stream);
  const WAVEFORMATEX* WaveFormat() const {
    return waveFormat.empty() ? nullptr : reinterpret_cast<const WAVEFORMATEX*>(waveFormat.data());
  }
};

// SPBindToFile: a new SpStream bound to the file.
HRESULT SpBindToFile(const ComCreator& create, const wchar_t* fileName, SPFILEMODE mode, const GUID* formatId,
                     const WAVEFORMATEX* waveFormat, ULONGLONG eventInterest, ISpStream** stream);

// A new SpStream over a stream in memory (CreateStreamOnHGlobal).
HRESULT SpBindToMemory(const ComCreator& create, const GUID* formatId, const WAVEFORMATEX* waveFormat,
                       ISpStream** stream);

// SpGetCategoryFromId: a new SpObjectTokenCategory set to that id.
HRESULT SpGetCategoryFromId(const ComCreator& create, const wchar_t* categoryId, BOOL createIfMissing,
                            ISpObjectTokenCategory** category);

// SpClearEvent: releases the token, object, pointer or string an event carries.
void SpClearEvent(SPEVENT* event);

}  // namespace vx::sapi
