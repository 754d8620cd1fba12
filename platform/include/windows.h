// The window system stand-in's umbrella header.
#pragma once
#include "windef.h"
#include "winbase.h"
#include "winnls.h"
#include "wingdi.h"
#include "winuser.h"
