// The endpoint volume interface is a COM class of Windows Vista on: creating
// it at run time keeps the exe loading on XP, where the creation simply fails.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Sound.h"
#include "platform/win32/Win32LateBound.h"
#include <mmdeviceapi.h>
#include <endpointvolume.h>

namespace hd {

namespace {
constexpr CLSID kMMDeviceEnumerator = {0xbcde0395, 0xe52f, 0x467c, {0x8e, 0x3d, 0xc4, 0x57, 0x92, 0x91, 0x69, 0x2e}};

// The default playback device is opened for each call: it changes when the
// user plugs in a headset. One body for every use, not one per use.
bool WithEndpointVolume(bool (*use)(IAudioEndpointVolume&, void*), void* context) {
  const ComCalls& calls = ComLibrary();
  if (!calls.coInitialize || !calls.coCreateInstance || !calls.coUninitialize) return false;
  const HRESULT com = calls.coInitialize(nullptr);
  bool done = false;
  IMMDeviceEnumerator* enumerator = nullptr;
  if (SUCCEEDED(calls.coCreateInstance(kMMDeviceEnumerator, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IMMDeviceEnumerator),
                                   reinterpret_cast<void**>(&enumerator)))) {
    IMMDevice* device = nullptr;
    if (SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device))) {
      IAudioEndpointVolume* volume = nullptr;
      if (SUCCEEDED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER, nullptr,
                                     reinterpret_cast<void**>(&volume)))) {
        done = use(*volume, context);
        volume->Release();
      }
      device->Release();
    }
    enumerator->Release();
  }
  if (SUCCEEDED(com)) calls.coUninitialize();
  return done;
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

bool Win32Sound::PlaySound(const std::string& path, unsigned flags) {
  auto play = SoundLibrary().playSoundA;
  return play && play(path.c_str(), nullptr, flags);
}

}  // namespace hd
