// The endpoint volume interface is a COM class of Windows Vista on: creating
// it at run time keeps the exe loading on XP, where the creation simply fails.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Sound.h"
#include "platform/win32/Win32LateBound.h"
#include <audiopolicy.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>
#include <memory>
#include <vector>

namespace hd {

namespace {
constexpr CLSID kMMDeviceEnumerator = {0xbcde0395, 0xe52f, 0x467c, {0x8e, 0x3d, 0xc4, 0x57, 0x92, 0x91, 0x69, 0x2e}};

// Releases what it holds when it goes out of scope.
template <typename Interface>
struct ComRef {
  Interface* p = nullptr;
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (p) p->Release();
  }
  Interface* operator->() const { return p; }
  void** Out() { return reinterpret_cast<void**>(&p); }
};

// The device enumerator is made for each call: the devices change when the
// user plugs in a headset. One body for every use, not one per use.
bool WithEnumerator(bool (*use)(IMMDeviceEnumerator&, void*), void* context, DWORD apartment) {
  const ComCalls& calls = ComLibrary();
  if (!calls.coInitializeEx || !calls.coCreateInstance || !calls.coUninitialize) return false;
  const HRESULT com = calls.coInitializeEx(nullptr, apartment);
  bool done = false;
  {
    ComRef<IMMDeviceEnumerator> enumerator;
    if (SUCCEEDED(calls.coCreateInstance(kMMDeviceEnumerator, nullptr, CLSCTX_INPROC_SERVER,
                                         __uuidof(IMMDeviceEnumerator), enumerator.Out())))
      done = use(*enumerator.p, context);
  }
  if (SUCCEEDED(com)) calls.coUninitialize();
  return done;
}

struct EndpointUse {
  bool (*use)(IAudioEndpointVolume&, void*);
  void* context;
};

bool WithEndpointVolume(bool (*use)(IAudioEndpointVolume&, void*), void* context) {
  EndpointUse endpoint{use, context};
  return WithEnumerator(
      [](IMMDeviceEnumerator& enumerator, void* data) {
        const EndpointUse& e = *static_cast<EndpointUse*>(data);
        ComRef<IMMDevice> device;
        ComRef<IAudioEndpointVolume> volume;
        return SUCCEEDED(enumerator.GetDefaultAudioEndpoint(eRender, eConsole, &device.p)) &&
               SUCCEEDED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER, nullptr,
                                          volume.Out())) &&
               e.use(*volume.p, e.context);
      },
      &endpoint, COINIT_APARTMENTTHREADED);
}

// Each active playback device's session manager, in turn.
template <typename Use>
void ForEachManager(IMMDeviceEnumerator& enumerator, Use&& use) {
  ComRef<IMMDeviceCollection> devices;
  UINT count = 0;
  if (FAILED(enumerator.EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &devices.p)) ||
      FAILED(devices->GetCount(&count)))
    return;
  for (UINT i = 0; i < count; ++i) {
    ComRef<IMMDevice> device;
    ComRef<IAudioSessionManager2> manager;
    if (SUCCEEDED(devices->Item(i, &device.p)) &&
        SUCCEEDED(device->Activate(__uuidof(IAudioSessionManager2), CLSCTX_INPROC_SERVER, nullptr, manager.Out())))
      use(*manager.p);
  }
}

// Only ever compared with another reading of it: each character's low byte
// is enough (the identifier is mostly the device's and the program's names).
std::string SessionId(IAudioSessionControl2& control) {
  LPWSTR id = nullptr;
  std::string text;
  if (FAILED(control.GetSessionInstanceIdentifier(&id)) || !id) return text;
  for (LPWSTR c = id; *c; ++c) text += static_cast<char>(*c);
  if (auto free = ComLibrary().coTaskMemFree) free(id);
  return text;
}

// A session that has not ended, and its volume control.
struct SessionVisit {
  AudioSession session;
  ISimpleAudioVolume* volume = nullptr;
};
using SessionUse = void (*)(SessionVisit&, void*);

struct SessionWalk {
  SessionUse use;
  void* context;
  bool listed = false;  // a device listed its sessions
};

// Every session that has not ended, on every active playback device: false
// where no device lists its sessions (XP, no device, Wine).
bool ForEachSession(SessionUse use, void* context) {
  SessionWalk walk{use, context};
  WithEnumerator(
      [](IMMDeviceEnumerator& enumerator, void* data) {
        SessionWalk& w = *static_cast<SessionWalk*>(data);
        ForEachManager(enumerator, [&w](IAudioSessionManager2& manager) {
          ComRef<IAudioSessionEnumerator> sessions;
          int count = 0;
          if (FAILED(manager.GetSessionEnumerator(&sessions.p)) || FAILED(sessions->GetCount(&count))) return;
          w.listed = true;
          for (int i = 0; i < count; ++i) {
            ComRef<IAudioSessionControl> control;
            ComRef<IAudioSessionControl2> control2;
            ComRef<ISimpleAudioVolume> volume;
            AudioSessionState state = AudioSessionStateExpired;
            DWORD process = 0;
            BOOL muted = FALSE;
            if (FAILED(sessions->GetSession(i, &control.p)) || FAILED(control->GetState(&state)) ||
                state == AudioSessionStateExpired ||
                FAILED(control->QueryInterface(__uuidof(IAudioSessionControl2), control2.Out())) ||
                FAILED(control->QueryInterface(__uuidof(ISimpleAudioVolume), volume.Out())) ||
                FAILED(control2->GetProcessId(&process)) || FAILED(volume->GetMute(&muted)))
              continue;
            SessionVisit visit{{SessionId(*control2.p), process, muted != FALSE}, volume.p};
            w.use(visit, w.context);
          }
        });
        return true;
      },
      &walk, COINIT_APARTMENTTHREADED);
  return walk.listed;
}

// Called on a thread of the audio service: only a message to the program's
// own thread, which does the rest.
class SessionNotice final : public IAudioSessionNotification {
public:
  SessionNotice(HWND window, UINT message) : window_(window), message_(message) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid != __uuidof(IUnknown) && iid != __uuidof(IAudioSessionNotification)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE OnSessionCreated(IAudioSessionControl*) override {
    ::PostMessageA(window_, message_, 0, 0);
    return S_OK;
  }

private:
  HWND window_;
  UINT message_;
  LONG refs_ = 1;
};

struct Watch {
  HWND window;
  UINT message;
  HANDLE ready, stop;
  bool watching = false;
};

// The notifications need a thread of the multithreaded apartment, which the
// program's own (a window thread) is not; it lives while HIDE mode does.
DWORD WINAPI WatchSessions(void* parameter) {
  Watch& watch = *static_cast<Watch*>(parameter);
  WithEnumerator(
      [](IMMDeviceEnumerator& enumerator, void* data) {
        Watch& w = *static_cast<Watch*>(data);
        SessionNotice* notice = new SessionNotice(w.window, w.message);
        // More playback devices than this are not watched.
        IAudioSessionManager2* managers[16];
        int count = 0;
        ForEachManager(enumerator, [&](IAudioSessionManager2& manager) {
          // A manager tells of new sessions only once its enumerator was asked for.
          ComRef<IAudioSessionEnumerator> sessions;
          if (count == 16 || FAILED(manager.GetSessionEnumerator(&sessions.p)) ||
              FAILED(manager.RegisterSessionNotification(notice)))
            return;
          manager.AddRef();
          managers[count++] = &manager;
        });
        w.watching = count > 0;
        ::SetEvent(w.ready);
        if (w.watching) ::WaitForSingleObject(w.stop, INFINITE);
        while (count > 0) {
          managers[--count]->UnregisterSessionNotification(notice);
          managers[count]->Release();
        }
        notice->Release();
        return true;
      },
      &watch, COINIT_MULTITHREADED);
  ::SetEvent(watch.ready);  // no COM, or no device: not left waiting
  return 0;
}

HWAVEOUT DeviceZero() { return reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(0)); }
}  // namespace

bool Win32Sound::WaveOutGetVolume(std::uint32_t& volume) {
  DWORD word = 0;
  auto get = SoundLibrary().waveOutGetVolume;
  if (!get || get(DeviceZero(), &word) != MMSYSERR_NOERROR) return false;
  volume = word;
  return true;
}

bool Win32Sound::WaveOutSetVolume(std::uint32_t volume) {
  auto set = SoundLibrary().waveOutSetVolume;
  return set && set(DeviceZero(), volume) == MMSYSERR_NOERROR;
}

bool Win32Sound::GetMasterVolumeLevelScalar(float& level) {
  return WithEndpointVolume(
      [](IAudioEndpointVolume& volume, void* data) {
        return SUCCEEDED(volume.GetMasterVolumeLevelScalar(static_cast<float*>(data)));
      },
      &level);
}

bool Win32Sound::SetMasterVolumeLevelScalar(float level) {
  return WithEndpointVolume(
      [](IAudioEndpointVolume& volume, void* data) {
        return SUCCEEDED(volume.SetMasterVolumeLevelScalar(*static_cast<float*>(data), nullptr));
      },
      &level);
}

bool Win32Sound::GetMasterMute(bool& muted) {
  BOOL value = FALSE;
  if (!WithEndpointVolume(
          [](IAudioEndpointVolume& volume, void* data) { return SUCCEEDED(volume.GetMute(static_cast<BOOL*>(data))); },
          &value))
    return false;
  muted = value != FALSE;
  return true;
}

bool Win32Sound::SetMasterMute(bool muted) {
  BOOL value = muted ? TRUE : FALSE;
  return WithEndpointVolume(
      [](IAudioEndpointVolume& volume, void* data) {
        return SUCCEEDED(volume.SetMute(*static_cast<BOOL*>(data), nullptr));
      },
      &value);
}

bool Win32Sound::AudioSessions(std::vector<AudioSession>& sessions) {
  sessions.clear();
  return ForEachSession(
      [](SessionVisit& visit, void* data) {
        static_cast<std::vector<AudioSession>*>(data)->push_back(std::move(visit.session));
      },
      &sessions);
}

bool Win32Sound::SetAudioSessionMute(const std::string& id, bool muted) {
  struct Target {
    const std::string& id;
    BOOL muted;
    bool set;
  } target{id, muted ? TRUE : FALSE, false};
  ForEachSession(
      [](SessionVisit& visit, void* data) {
        Target& t = *static_cast<Target*>(data);
        if (visit.session.id == t.id && SUCCEEDED(visit.volume->SetMute(t.muted, nullptr))) t.set = true;
      },
      &target);
  return target.set;
}

bool Win32Sound::WatchAudioSessions(WindowHandle window, unsigned message) {
  StopWatchingAudioSessions();
  // Local statics take no lock in the product: made here, not on the thread.
  ComLibrary();
  auto watch = std::make_unique<Watch>(Watch{reinterpret_cast<HWND>(window), message,
                                            ::CreateEventA(nullptr, TRUE, FALSE, nullptr),
                                            ::CreateEventA(nullptr, TRUE, FALSE, nullptr)});
  // A small stack: the thread only waits.
  HANDLE thread = ::CreateThread(nullptr, 64 * 1024, WatchSessions, watch.get(), STACK_SIZE_PARAM_IS_A_RESERVATION,
                                 nullptr);
  if (!thread) {
    ::CloseHandle(watch->ready);
    ::CloseHandle(watch->stop);
    return false;
  }
  ::WaitForSingleObject(watch->ready, 5000);
  watchThread_ = thread;
  const bool watching = watch->watching;
  watch_ = watch.release();
  return watching;
}

void Win32Sound::StopWatchingAudioSessions() {
  if (!watch_) return;
  Watch* watch = static_cast<Watch*>(watch_);
  ::SetEvent(watch->stop);
  // The thread reads the watch until it ends; one that does not end keeps it.
  if (::WaitForSingleObject(watchThread_, 5000) == WAIT_OBJECT_0) {
    ::CloseHandle(watch->ready);
    ::CloseHandle(watch->stop);
    delete watch;
  }
  ::CloseHandle(watchThread_);
  watch_ = nullptr;
  watchThread_ = nullptr;
}

bool Win32Sound::PlaySound(const std::string& path, unsigned flags) {
  auto play = SoundLibrary().playSoundA;
  return play && play(path.c_str(), nullptr, flags);
}

Win32Sound::~Win32Sound() = default;

}  // namespace hd
