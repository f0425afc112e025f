// Owned GDI objects (fonts, bitmaps, pens, brushes) and scoped selections.
#pragma once
#include <utility>

#include "platform/gdi/ResourceException.h"
#include "platform/system/Win32.h"

// Owns one GDI object and deletes it at the end of its life. Move-only.
template <class Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle handle) : m_handle(handle) {}
    ~CGdiObject() { Reset(); }
    CGdiObject(CGdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    Handle GetSafeHandle() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (m_handle) ::DeleteObject(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

using CFont = CGdiObject<HFONT>;
using CBitmap = CGdiObject<HBITMAP>;

// A solid pen; throws CResourceException when the system refuses it.
class CPen : public CGdiObject<HPEN> {
public:
    CPen(int style, int width, COLORREF color) : CGdiObject(::CreatePen(style, width, color)) {
        if (!*this) throw CResourceException();
    }
};

// A solid brush; throws CResourceException when the system refuses it.
class CBrush : public CGdiObject<HBRUSH> {
public:
    explicit CBrush(COLORREF color) : CGdiObject(::CreateSolidBrush(color)) {
        if (!*this) throw CResourceException();
    }
};

// Selects an object into a device context for one scope and selects the previous one
// back at its end. It keeps the device context as well as the previous object, so the
// restore reaches the context it changed.
class CSelection {
public:
    CSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? ::SelectObject(dc, object) : nullptr) {}
    ~CSelection() {
        if (m_previous) ::SelectObject(m_dc, m_previous);
    }
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A device context's state (its clip region, modes and selections), given back at the end of a
// scope, also when the scope ends by an exception.
class CSavedState {
public:
    explicit CSavedState(HDC dc) : m_dc(dc), m_saved(::SaveDC(dc)) {}
    ~CSavedState() {
        if (m_saved) ::RestoreDC(m_dc, m_saved);
    }
    CSavedState(const CSavedState&) = delete;
    CSavedState& operator=(const CSavedState&) = delete;

private:
    HDC m_dc;
    int m_saved;
};
