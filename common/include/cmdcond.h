// The host's per-command settings store: values that a command remembers
// between its runs, kept under keys, one store per command.
//
// Each command's store is the device folder's file
// "\Built-in Storage\Program Files\Darvik\CmdCond\<command>.ini": UTF-8
// text, one "key=value" a line, keys compared without regard to ASCII
// letter case. The host names the command whose store the calls use with
// Cmdcond_SetCommand before it runs the command; until then every call fails.
//
// Keys and values are UTF-16. Keys may not be empty, longer than 255
// characters or hold '=' or a line break; values may not hold a line break.
// Values are stored cut to at most CMDCOND_VALUE_MAX (255) UTF-16 units
// (never splitting a surrogate pair), so a buffer of CMDCOND_VALUE_MAX + 1
// units always holds what GetCmdJkn(key, value) writes. Every write is
// durable before its call returns (a new file replaces the old one whole).
//
// Results: 0 on success or when the key is stored; non-zero otherwise, with
// the caller's buffer left untouched. The functions have C++ linkage.
#pragma once
#include <windows.h>

#define CMDCOND_VALUE_MAX 255

// Reads the value stored under key into value, which must hold
// CMDCOND_VALUE_MAX + 1 units (the platform's call passes no size).
int GetCmdJkn(const WCHAR* key, WCHAR* value);
// Bounded read: writes at most size units including the terminator, cutting
// a longer value (never inside a surrogate pair); still 0 when cut.
// Non-zero for a size below 1.
int GetCmdJkn(const WCHAR* key, WCHAR* value, int size);
// Stores value (cut to CMDCOND_VALUE_MAX units) under key.
int SetCmdJkn(const WCHAR* key, const WCHAR* value);

// ---- host side ----
// Chooses the command whose store the calls use. The name becomes a file
// name: it must be non-empty, at most 100 characters and a valid device file
// name (no '\', '/', control characters or < > : " | ? *, not "." or "..").
// 0 on success; non-zero for a bad name, keeping the previous command.
int Cmdcond_SetCommand(const WCHAR* commandName);
