// Owners for what COM and OLE hand out: interface pointers and storage media.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "platform/unique_resource.h"

namespace realsuffix {

template <class Interface>
struct ComReleasePolicy {
    using Handle = Interface*;
    static Handle invalid() { return nullptr; }
    static void release(Handle object) { object->Release(); }
};

// One reference to a COM object, released when the owner goes.
template <class Interface>
using ComPtr = UniqueResource<ComReleasePolicy<Interface>>;

// A storage medium that a data object's GetData filled; the receiver must
// release it with ReleaseStgMedium, whatever it holds.
class StgMedium {
public:
    // Takes over a medium that GetData returned with success.
    explicit StgMedium(const STGMEDIUM& medium) noexcept : medium_(medium) {}
    StgMedium(const StgMedium&) = delete;
    StgMedium& operator=(const StgMedium&) = delete;
    ~StgMedium() { ReleaseStgMedium(&medium_); }

    const STGMEDIUM& get() const noexcept { return medium_; }

private:
    STGMEDIUM medium_;
};

// OleInitialize for this thread, undone by OleUninitialize only when it
// succeeded (S_FALSE, "already initialised", counts too: it must be paired).
class ScopedOle {
public:
    ScopedOle() noexcept : started_(SUCCEEDED(OleInitialize(nullptr))) {}
    ScopedOle(const ScopedOle&) = delete;
    ScopedOle& operator=(const ScopedOle&) = delete;
    ~ScopedOle() {
        if (started_) OleUninitialize();
    }

private:
    bool started_;
};

}  // namespace realsuffix
