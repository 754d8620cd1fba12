// The device's settings as the host's programs read them.
//
// They live in the device folder's file "\Windows\Devcond.ini": UTF-8 text,
// one "key=value" a line (LF or CR LF), keys compared without regard to
// ASCII letter case, the first line of a key counting; other lines are
// ignored. Values of GetIntJkn are decimal integers with an optional '-'.
//
// - IsR7: non-zero on the model with the taller screen, i.e. when the
//   integer setting "R7" is non-zero. A missing file or key means the
//   ordinary model (0).
// - GetIntJkn: the integer setting of a key ("InpHoho": 1 = a point name is
//   required); 0 when the file or the key is missing, the key is null or
//   the value is no integer in range.
//
// The functions have C++ linkage.
#pragma once
#include <windows.h>

BOOL IsR7();
int GetIntJkn(const WCHAR* key);

// ---- host side: writing the device's settings (the host program and tests) ----
// Stores value under key in the settings file, creating the file and its
// folder when missing; the write is durable before the call returns.
// 0 on success; non-zero (nothing changed) for a null, empty or invalid key
// (one holding '=' or a line break, or longer than 255 characters) or when
// the file cannot be written.
int Devcond_SetInt(const WCHAR* key, int value);
