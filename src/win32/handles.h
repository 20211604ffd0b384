#pragma once

#include <utility>

#include "win32/windows_api.h"

namespace quorvel::win32 {

// Owns one operating-system handle and closes it when it goes; move-only. `Traits` gives
// the handle type, the value meaning "none" and how to close it.
template <typename Traits>
class UniqueHandle {
  public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Type Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::None(); }

    Type Release() { return std::exchange(handle_, Traits::None()); }
    void Reset(Type handle = Traits::None()) {
        if (handle_ != Traits::None()) Traits::Close(handle_);
        handle_ = handle;
    }

    // For functions that hand a new handle back through a pointer.
    Type* Receive() {
        Reset();
        return &handle_;
    }

  private:
    Type handle_ = Traits::None();
};

// A file from CreateFileW (none is INVALID_HANDLE_VALUE).
struct FileHandleTraits {
    using Type = HANDLE;
    static Type None() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { ::CloseHandle(handle); }
};
using UniqueFile = UniqueHandle<FileHandleTraits>;

// Events, processes, threads and the like (none is NULL).
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type None() { return nullptr; }
    static void Close(Type handle) { ::CloseHandle(handle); }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

// A search from FindFirstFileW.
struct FindHandleTraits {
    using Type = HANDLE;
    static Type None() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { ::FindClose(handle); }
};
using UniqueFind = UniqueHandle<FindHandleTraits>;

// An open registry key.
struct RegistryKeyTraits {
    using Type = HKEY;
    static Type None() { return nullptr; }
    static void Close(Type key) { ::RegCloseKey(key); }
};
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;

// A loaded module from LoadLibrary.
struct ModuleHandleTraits {
    using Type = HMODULE;
    static Type None() { return nullptr; }
    static void Close(Type module) { ::FreeLibrary(module); }
};
using UniqueModule = UniqueHandle<ModuleHandleTraits>;

// A GDI object (bitmap, region, brush, pen, font).
struct GdiObjectTraits {
    using Type = HGDIOBJ;
    static Type None() { return nullptr; }
    static void Close(Type object) { ::DeleteObject(object); }
};
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;

// A window of the program's own.
struct WindowTraits {
    using Type = HWND;
    static Type None() { return nullptr; }
    static void Close(Type window) { ::DestroyWindow(window); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

// A menu not attached to a window.
struct MenuTraits {
    using Type = HMENU;
    static Type None() { return nullptr; }
    static void Close(Type menu) { ::DestroyMenu(menu); }
};
using UniqueMenu = UniqueHandle<MenuTraits>;

// An icon made by the program (not a shared system icon).
struct IconTraits {
    using Type = HICON;
    static Type None() { return nullptr; }
    static void Close(Type icon) { ::DestroyIcon(icon); }
};
using UniqueIcon = UniqueHandle<IconTraits>;

// A device context from GetDC, released to its window.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace quorvel::win32
