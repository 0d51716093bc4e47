// A silent loop through the default playback device, as a player plays:
// where there is a device, the process then has an audio session. Shared by
// the test programs that play other applications.
#pragma once
#include <windows.h>
#include <mmsystem.h>

inline void PlaySilence() {
  static short silence[8000];
  static WAVEHDR header{};
  HWAVEOUT out = nullptr;
  WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, 8000, 16000, 2, 16, 0};
  if (::waveOutOpen(&out, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return;
  header.lpData = reinterpret_cast<char*>(silence);
  header.dwBufferLength = sizeof silence;
  header.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
  header.dwLoops = 0xFFFFFFFF;
  ::waveOutPrepareHeader(out, &header, sizeof header);
  ::waveOutWrite(out, &header, sizeof header);
}
