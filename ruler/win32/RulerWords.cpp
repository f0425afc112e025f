// The ruler's words, from the program's string table in the run's language.
#include "ruler/win32/RulerWords.h"

#include "platform/system/Resources.h"
#include "platform/system/Unicode.h"
#include "res/resource.h"

namespace {

std::string Word(int id) { return Narrowed(ResourceString(id)); }

}  // namespace

std::wstring ProgramName() { return ResourceString(IDS_APP_NAME); }

AccessibleWords LoadAccessibleWords() {
    return {Word(IDS_WORD_DISTANCE),       Word(IDS_WORD_POSITION),    Word(IDS_WORD_COLOR),
            Word(IDS_WORD_CONTRAST),       Word(IDS_WORD_SPAN),        Word(IDS_WORD_PIXELS),
            Word(IDS_WORD_LOGICAL_PIXELS), Word(IDS_WORD_MILLIMETRES), Word(IDS_WORD_INCHES)};
}
