// SoundBeep: the MessageBeep type of each sound kind.
#include <beeper.h>

namespace {

struct KindSound {
  int kind;
  UINT beepType;
};

constexpr KindSound kSounds[] = {
    {SOUNDBEEP_PLAIN, MB_OK},
    {SOUNDBEEP_ERROR, MB_ICONHAND},
    {SOUNDBEEP_ACKNOWLEDGE, MB_ICONASTERISK},
    {SOUNDBEEP_WARNING, MB_ICONEXCLAMATION},
    {SOUNDBEEP_QUESTION, MB_ICONQUESTION},
};

}  // namespace

int SoundBeep(int kind) {
  for (const KindSound& sound : kSounds)
    if (sound.kind == kind) return MessageBeep(sound.beepType) ? 0 : 1;
  return 1;
}
