// The ruler's words, from the program's string table in the run's language.
#pragma once
#include <string>

#include "ruler/readouts/AccessibleText.h"

// The program's name: the window's title and the name assistive technology reads.
std::wstring ProgramName();
// The words of the readouts' accessible value.
AccessibleWords LoadAccessibleWords();
