#pragma once

#include <utility>
#ifdef QUORVEL_COUNT_HANDLES
#include <atomic>
#endif

#include "win32/windows_api.h"

namespace quorvel::win32 {

// What a handle counts as: the system's GDI and USER objects and the kernel's handles are
// what a long run watches.
enum class ObjectKind { kOther, kGdi, kUser, kKernel };

template <typename Traits>
constexpr ObjectKind KindOf() {
    if constexpr (requires { Traits::kKind; })
        return Traits::kKind;
    else
        return ObjectKind::kOther;
}

#ifdef QUORVEL_COUNT_HANDLES
// The test program's tally of the GDI and USER objects and kernel handles its wrappers hold:
// another process cannot read these figures under Wine (and the process's own handle count
// reads 0 there), so the program reports them itself. The shipped program counts nothing.
struct HeldObjects {
    static inline std::atomic<long> gdi{0};
    static inline std::atomic<long> user{0};
    static inline std::atomic<long> kernel{0};
};
#endif

// The operating system's resources the program holds, each owned by one object whose end
// gives it back, in one style:
// - a handle the program owns is a UniqueHandle (move-only; `Traits` gives the handle
//   type, the value meaning "none" and how to close it, and may carry what closing needs,
//   such as the window a DC is released to);
// - a state lent for one scope (a paint, a selection, a saved DC state) is a Scope class
//   (neither copied nor moved) whose destructor ends it.

template <typename Traits>
class UniqueHandle {
  public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle, Traits traits = {}) : handle_(handle), traits_(traits) {
        Count(handle_, +1);
    }
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, Traits::None())),
          traits_(std::move(other.traits_)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            traits_ = std::move(other.traits_);
            handle_ = std::exchange(other.handle_, Traits::None());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Type Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::None(); }

    // Gives the handle to whoever takes it over (such as the system).
    Type Release() {
        Count(handle_, -1);
        return std::exchange(handle_, Traits::None());
    }
    void Reset(Type handle = Traits::None()) {
        if (handle_ != Traits::None()) {
            traits_.Close(handle_);
            Count(handle_, -1);
        }
        handle_ = handle;
        Count(handle_, +1);
    }

    // For functions that hand a new handle back through a pointer: the pointer lives until
    // the end of the call's full expression, when the handle got is counted.
    class Receiver {
      public:
        explicit Receiver(UniqueHandle& owner) : owner_(owner) {}
        ~Receiver() { Count(owner_.handle_, +1); }
        Receiver(const Receiver&) = delete;
        Receiver& operator=(const Receiver&) = delete;
        operator Type*() const { return &owner_.handle_; }

      private:
        UniqueHandle& owner_;
    };
    Receiver Receive() {
        Reset();
        return Receiver(*this);
    }

  private:
    static void Count([[maybe_unused]] Type handle, [[maybe_unused]] long change) {
#ifdef QUORVEL_COUNT_HANDLES
        if (handle == Traits::None()) return;
        if constexpr (KindOf<Traits>() == ObjectKind::kGdi) HeldObjects::gdi += change;
        if constexpr (KindOf<Traits>() == ObjectKind::kUser) HeldObjects::user += change;
        if constexpr (KindOf<Traits>() == ObjectKind::kKernel) HeldObjects::kernel += change;
#endif
    }

    Type handle_ = Traits::None();
    [[no_unique_address]] Traits traits_{};
};

// --- Kernel, registry and module handles ---

// A file from CreateFileW (none is INVALID_HANDLE_VALUE).
struct FileHandleTraits {
    static constexpr ObjectKind kKind = ObjectKind::kKernel;
    using Type = HANDLE;
    static Type None() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { ::CloseHandle(handle); }
};
using UniqueFile = UniqueHandle<FileHandleTraits>;

// Events, processes, threads and the like (none is NULL).
struct KernelHandleTraits {
    static constexpr ObjectKind kKind = ObjectKind::kKernel;
    using Type = HANDLE;
    static Type None() { return nullptr; }
    static void Close(Type handle) { ::CloseHandle(handle); }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

// A search from FindFirstFileW.
struct FindHandleTraits {
    static constexpr ObjectKind kKind = ObjectKind::kKernel;
    using Type = HANDLE;
    static Type None() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { ::FindClose(handle); }
};
using UniqueFind = UniqueHandle<FindHandleTraits>;

// An open registry key.
struct RegistryKeyTraits {
    static constexpr ObjectKind kKind = ObjectKind::kKernel;
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

// --- User interface objects ---

// A window of the program's own.
struct WindowTraits {
    static constexpr ObjectKind kKind = ObjectKind::kUser;
    using Type = HWND;
    static Type None() { return nullptr; }
    static void Close(Type window) { ::DestroyWindow(window); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

// A hook from SetWindowsHookEx.
struct HookTraits {
    using Type = HHOOK;
    static Type None() { return nullptr; }
    static void Close(Type hook) { ::UnhookWindowsHookEx(hook); }
};
using UniqueHook = UniqueHandle<HookTraits>;

// A menu not attached to a window.
struct MenuTraits {
    static constexpr ObjectKind kKind = ObjectKind::kUser;
    using Type = HMENU;
    static Type None() { return nullptr; }
    static void Close(Type menu) { ::DestroyMenu(menu); }
};
using UniqueMenu = UniqueHandle<MenuTraits>;

// An icon made by the program (not a shared system icon).
struct IconTraits {
    static constexpr ObjectKind kKind = ObjectKind::kUser;
    using Type = HICON;
    static Type None() { return nullptr; }
    static void Close(Type icon) { ::DestroyIcon(icon); }
};
using UniqueIcon = UniqueHandle<IconTraits>;

// --- GDI objects and device contexts ---

// A GDI object the program made (deleted with DeleteObject), typed by what it is.
template <typename Handle>
struct GdiObjectTraits {
    static constexpr ObjectKind kKind = ObjectKind::kGdi;
    using Type = Handle;
    static Type None() { return nullptr; }
    static void Close(Type object) { ::DeleteObject(object); }
};
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;

// A device context of a window (of the screen for none) from GetDC, released to it.
struct WindowDcTraits {
    static constexpr ObjectKind kKind = ObjectKind::kGdi;
    using Type = HDC;
    HWND window = nullptr;
    static Type None() { return nullptr; }
    void Close(Type dc) const { ::ReleaseDC(window, dc); }
};
using UniqueWindowDc = UniqueHandle<WindowDcTraits>;

inline UniqueWindowDc WindowDcOf(HWND window) {
    return UniqueWindowDc(::GetDC(window), WindowDcTraits{window});
}

// A memory device context from CreateCompatibleDC, deleted with DeleteDC.
struct MemoryDcTraits {
    static constexpr ObjectKind kKind = ObjectKind::kGdi;
    using Type = HDC;
    static Type None() { return nullptr; }
    static void Close(Type dc) { ::DeleteDC(dc); }
};
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;

// One paint of a window: BeginPaint when made, EndPaint when it goes, also when the
// painting failed half way (the window is then left as drawn so far, and not asked to
// paint the same area again).
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    ~PaintScope() { ::EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context for one scope; the one it replaced is selected
// again when the scope ends.
class SelectionScope {
  public:
    SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectionScope() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The whole state of a device context (objects, colours, modes) saved for one scope and
// restored when it ends: for a DC the system lends, as when drawing a menu item.
class SavedDcScope {
  public:
    explicit SavedDcScope(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
    ~SavedDcScope() {
        if (saved_) ::RestoreDC(dc_, saved_);
    }
    SavedDcScope(const SavedDcScope&) = delete;
    SavedDcScope& operator=(const SavedDcScope&) = delete;

  private:
    HDC dc_;
    int saved_;
};

}  // namespace quorvel::win32
