#include "sound/midi_player.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vx {
namespace {

constexpr DWORD kStopWaitMilliseconds = 2000;

constexpr uint32_t EventWord(BYTE kind) { return uint32_t{kind} << 24; }
static_assert(stream_event::kShortMessage == EventWord(MEVT_SHORTMSG));
static_assert(stream_event::kTempo == EventWord(MEVT_TEMPO));
static_assert(stream_event::kNop == EventWord(MEVT_NOP));
static_assert(sizeof(StreamEvent) == offsetof(MIDIEVENT, dwParms));

struct PlayerList {
  std::mutex lock;
  std::vector<MidiPlayer*> players;
};

PlayerList& Players() {
  static PlayerList& list = *new PlayerList;
  return list;
}

HMIDIOUT AsOutput(HMIDISTRM stream) { return reinterpret_cast<HMIDIOUT>(stream); }

}  // namespace

const MidiStreamCalls& SystemMidiStream() {
  static const MidiStreamCalls calls{&midiStreamOpen,         &midiStreamProperty, &midiOutPrepareHeader,
                                     &midiOutUnprepareHeader, &midiStreamOut,      &midiStreamRestart,
                                     &midiStreamStop,         &midiOutReset,       &midiStreamClose};
  return calls;
}

MidiPlayer::MidiPlayer(const MidiStreamCalls& device)
    : calls_(device), done_(CreateEventW(nullptr, TRUE, TRUE, nullptr)) {
  PlayerList& list = Players();
  std::lock_guard<std::mutex> guard(list.lock);
  list.players.push_back(this);
}

MidiPlayer::~MidiPlayer() {
  Stop();
  {
    PlayerList& list = Players();
    std::lock_guard<std::mutex> guard(list.lock);
    list.players.erase(std::find(list.players.begin(), list.players.end(), this));
  }
  if (done_) CloseHandle(done_);
}

bool MidiPlayer::Load(const uint8_t* bytes, size_t length) {
  Stop();
  file_.reset();
  if (bytes) file_ = MidiFile::Read({bytes, length});
  return file_.has_value();
}

bool MidiPlayer::Play(bool loop) {
  Stop();
  if (!file_ || !done_) return false;
  UINT device = MIDI_MAPPER;
  HMIDISTRM stream = nullptr;
  if (calls_.open(&stream, &device, 1, reinterpret_cast<DWORD_PTR>(&StreamCallback), reinterpret_cast<DWORD_PTR>(this),
                  CALLBACK_FUNCTION) != MMSYSERR_NOERROR) {
    return false;
  }
  MIDIPROPTIMEDIV division{sizeof division, file_->division()};
  bool started =
      calls_.property(stream, reinterpret_cast<LPBYTE>(&division), MIDIPROP_SET | MIDIPROP_TIMEDIV) == MMSYSERR_NOERROR;
  {
    std::lock_guard<std::mutex> guard(lock_);
    stream_ = stream;
    sequence_.emplace(*file_, loop);
    state_ = State::kPlaying;
    queued_ = 0;
    ResetEvent(done_);
    for (size_t i = 0; started && i < headers_.size(); ++i) {
      MIDIHDR& header = headers_[i];
      header = MIDIHDR{};
      header.lpData = reinterpret_cast<LPSTR>(buffers_[i].data());
      header.dwBufferLength = kBufferBytes;
      started = calls_.prepare(AsOutput(stream), &header, sizeof header) == MMSYSERR_NOERROR;
      if (started && !Refill(header)) break;
    }
    started = started && queued_ > 0;
    if (!started) state_ = State::kStopping;
  }
  if (started && calls_.restart(stream) == MMSYSERR_NOERROR) return true;
  Stop();
  return false;
}

bool MidiPlayer::Refill(MIDIHDR& header) {
  const size_t bytes = sequence_->Fill({reinterpret_cast<uint8_t*>(header.lpData), kBufferBytes});
  if (bytes == 0) return false;
  header.dwBytesRecorded = static_cast<DWORD>(bytes);
  if (calls_.out(stream_, &header, sizeof header) != MMSYSERR_NOERROR) return false;
  ++queued_;
  return true;
}

void CALLBACK MidiPlayer::StreamCallback(HMIDIOUT, UINT message, DWORD_PTR instance, DWORD_PTR header, DWORD_PTR) {
  if (message == MOM_DONE) reinterpret_cast<MidiPlayer*>(instance)->BufferDone(*reinterpret_cast<MIDIHDR*>(header));
}

void MidiPlayer::BufferDone(MIDIHDR& header) {
  std::lock_guard<std::mutex> guard(lock_);
  --queued_;
  if (state_ == State::kPlaying && Refill(header)) return;
  if (queued_ == 0) {
    // At the end of a file played once, or every buffer back after a stop.
    state_ = State::kStopped;
    SetEvent(done_);
  }
}

void MidiPlayer::Stop() {
  HMIDISTRM stream;
  {
    std::lock_guard<std::mutex> guard(lock_);
    stream = stream_;
    if (!stream) return;
    if (state_ == State::kPlaying) state_ = State::kStopping;
    if (queued_ == 0) SetEvent(done_);
  }
  // Not under the lock: the stream hands its buffers back through the callback.
  calls_.stop(stream);
  calls_.reset(AsOutput(stream));
  WaitForSingleObject(done_, kStopWaitMilliseconds);
  for (MIDIHDR& header : headers_) {
    if (header.dwFlags & MHDR_PREPARED) calls_.unprepare(AsOutput(stream), &header, sizeof header);
  }
  calls_.close(stream);
  std::lock_guard<std::mutex> guard(lock_);
  stream_ = nullptr;
  state_ = State::kStopped;
  queued_ = 0;
  sequence_.reset();
}

bool MidiPlayer::playing() const {
  std::lock_guard<std::mutex> guard(lock_);
  return state_ == State::kPlaying;
}

void StopAllMidiPlayers() {
  PlayerList& list = Players();
  std::lock_guard<std::mutex> guard(list.lock);
  for (MidiPlayer* player : list.players) player->Stop();
}

}  // namespace vx
