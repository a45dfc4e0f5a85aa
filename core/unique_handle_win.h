// One move-only owner for every Win32 handle kind. Traits know the value
// that means "no handle": CreateFile fails with INVALID_HANDLE_VALUE, most
// other calls with NULL.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace tolvane {

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Type get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::kInvalid(); }

    Type release() { return std::exchange(handle_, Traits::kInvalid()); }
    void reset(Type handle = Traits::kInvalid()) {
        const Type old = std::exchange(handle_, handle);
        if (old != Traits::kInvalid()) Traits::close(old);
    }

private:
    Type handle_ = Traits::kInvalid();
};

namespace handle_traits {
struct Kernel {
    using Type = HANDLE;
    static Type kInvalid() { return nullptr; }
    static void close(Type h) { ::CloseHandle(h); }
};
struct File {
    using Type = HANDLE;
    static Type kInvalid() { return INVALID_HANDLE_VALUE; }
    static void close(Type h) { ::CloseHandle(h); }
};
struct FindFile {
    using Type = HANDLE;
    static Type kInvalid() { return INVALID_HANDLE_VALUE; }
    static void close(Type h) { ::FindClose(h); }
};
struct Icon {
    using Type = HICON;
    static Type kInvalid() { return nullptr; }
    static void close(Type h) { ::DestroyIcon(h); }
};
template <typename T>
struct GdiObject {
    using Type = T;
    static Type kInvalid() { return nullptr; }
    static void close(Type h) { ::DeleteObject(h); }
};
struct Menu {
    using Type = HMENU;
    static Type kInvalid() { return nullptr; }
    static void close(Type h) { ::DestroyMenu(h); }
};
struct Module {
    using Type = HMODULE;
    static Type kInvalid() { return nullptr; }
    static void close(Type h) { ::FreeLibrary(h); }
};
struct Window {
    using Type = HWND;
    static Type kInvalid() { return nullptr; }
    static void close(Type h) { ::DestroyWindow(h); }
};
struct Hook {
    using Type = HHOOK;
    static Type kInvalid() { return nullptr; }
    static void close(Type h) { ::UnhookWindowsHookEx(h); }
};
struct Accelerators {
    using Type = HACCEL;
    static Type kInvalid() { return nullptr; }
    static void close(Type h) { ::DestroyAcceleratorTable(h); }
};
struct ImageList {
    using Type = HIMAGELIST;
    static Type kInvalid() { return nullptr; }
    static void close(Type h) { ::ImageList_Destroy(h); }
};
struct RegistryKey {
    using Type = HKEY;
    static Type kInvalid() { return nullptr; }
    static void close(Type h) { ::RegCloseKey(h); }
};
}  // namespace handle_traits

using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;
using UniqueFileHandle = UniqueHandle<handle_traits::File>;
using UniqueFindHandle = UniqueHandle<handle_traits::FindFile>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueFont = UniqueHandle<handle_traits::GdiObject<HFONT>>;
using UniqueBitmap = UniqueHandle<handle_traits::GdiObject<HBITMAP>>;
using UniqueBrush = UniqueHandle<handle_traits::GdiObject<HBRUSH>>;
using UniquePen = UniqueHandle<handle_traits::GdiObject<HPEN>>;
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
using UniqueRegistryKey = UniqueHandle<handle_traits::RegistryKey>;
using UniqueModule = UniqueHandle<handle_traits::Module>;
using UniqueWindow = UniqueHandle<handle_traits::Window>;
using UniqueHook = UniqueHandle<handle_traits::Hook>;
using UniqueAccelerators = UniqueHandle<handle_traits::Accelerators>;
using UniqueImageList = UniqueHandle<handle_traits::ImageList>;

}  // namespace tolvane
