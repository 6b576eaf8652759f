// A move-only owner of one operating-system resource.
//
// The policy names the raw type, its empty value and how to release it:
//   struct FilePolicy {
//       using Handle = HANDLE;
//       static Handle invalid() { return INVALID_HANDLE_VALUE; }
//       static void release(Handle h) { CloseHandle(h); }
//   };
#pragma once

#include <utility>

namespace realsuffix {

template <class Policy>
class UniqueResource {
public:
    using Handle = typename Policy::Handle;

    UniqueResource() noexcept : handle_(Policy::invalid()) {}
    explicit UniqueResource(Handle handle) noexcept : handle_(handle) {}
    UniqueResource(UniqueResource&& other) noexcept : handle_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    ~UniqueResource() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Policy::invalid(); }

    // Gives up ownership without releasing: the caller or the system owns it now.
    Handle release() noexcept { return std::exchange(handle_, Policy::invalid()); }

    void reset(Handle handle = Policy::invalid()) noexcept {
        const Handle old = std::exchange(handle_, handle);
        if (old != Policy::invalid()) Policy::release(old);
    }

    // For out-parameters: releases what is held, then hands out the address.
    Handle* put() noexcept {
        reset();
        return &handle_;
    }

private:
    Handle handle_;
};

}  // namespace realsuffix
