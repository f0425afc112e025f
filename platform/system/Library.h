// A loaded system library and the functions looked up in it.
#pragma once
#include <utility>

#include "platform/system/Win32.h"

// A loaded system library, freed at the end of its life. Move-only.
class CLibrary {
public:
    explicit CLibrary(const char* name) : m_module(::LoadLibraryA(name)) {}
    ~CLibrary() {
        if (m_module) ::FreeLibrary(m_module);
    }
    CLibrary(CLibrary&& other) noexcept : m_module(std::exchange(other.m_module, nullptr)) {}
    CLibrary& operator=(CLibrary&&) = delete;
    CLibrary(const CLibrary&) = delete;
    CLibrary& operator=(const CLibrary&) = delete;

    // The exported function `name` as type F, or null when the library or the export is missing.
    template <class F>
    F Find(const char* name) const {
        return m_module ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(m_module, name))) : nullptr;
    }

private:
    HMODULE m_module;
};
