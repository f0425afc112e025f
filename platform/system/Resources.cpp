// The program's own resources, in the language chosen for the run.
#include "platform/system/Resources.h"

namespace {

LANGID g_language = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

// Strings are kept sixteen to a block, each as its length and its UTF-16 units.
constexpr int kStringsPerBlock = 16;

struct Found {
    const WCHAR* data = nullptr;
    DWORD bytes = 0;
};

Found Find(LPCWSTR type, LPCWSTR name) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC resource = ::FindResourceExW(module, type, name, g_language);
    if (!resource) resource = ::FindResourceW(module, name, type);
    if (!resource) return {};
    return {static_cast<const WCHAR*>(::LockResource(::LoadResource(module, resource))),
            ::SizeofResource(module, resource)};
}

}  // namespace

void UseResourceLanguage(LANGID language) { g_language = language; }

const void* ResourceData(LPCWSTR type, int id) { return Find(type, MAKEINTRESOURCEW(id)).data; }

std::wstring ResourceString(int id) {
    if (id < 0) return {};
    const Found block = Find(RT_STRING, MAKEINTRESOURCEW(id / kStringsPerBlock + 1));
    if (!block.data) return {};
    const WCHAR* entry = block.data;
    const WCHAR* const end = block.data + block.bytes / sizeof(WCHAR);
    for (int skip = id % kStringsPerBlock; skip > 0 && entry < end; --skip) entry += 1 + *entry;
    if (entry >= end || *entry > end - entry - 1) return {};
    return std::wstring(entry + 1, *entry);
}
