// The system libraries the program looks newer functions up in.
#pragma once
#include "platform/system/Library.h"

// The system libraries whose newer functions the program looks up at run time, so that it
// still starts on systems without them. Each is loaded once, at its first use, and stays.
const CLibrary& User32();
const CLibrary& Shcore();
