// The system libraries the program looks newer functions up in.
#include "platform/system/SystemLibraries.h"

const CLibrary& User32() {
    static const CLibrary user32("user32.dll");
    return user32;
}

const CLibrary& Shcore() {
    static const CLibrary shcore("shcore.dll");
    return shcore;
}
