// The host's sounds: SoundBeep plays the sound of a kind through the
// display's MessageBeep, so that the display (and the headless desktop's
// record of beeps) hears it.
//
// Kinds and the MessageBeep type each one plays:
//   0 plain beep        MB_OK
//   1 error             MB_ICONHAND
//   2 acknowledgement   MB_ICONASTERISK (a point or position taken from the map)
//   3 warning           MB_ICONEXCLAMATION
//   4 question          MB_ICONQUESTION
// Result: 0 when the sound was played; non-zero, and no sound, for any other kind.
#pragma once
#include <windows.h>

enum SoundBeepKind {
  SOUNDBEEP_PLAIN = 0,
  SOUNDBEEP_ERROR = 1,
  SOUNDBEEP_ACKNOWLEDGE = 2,
  SOUNDBEEP_WARNING = 3,
  SOUNDBEEP_QUESTION = 4,
};

int SoundBeep(int kind);
