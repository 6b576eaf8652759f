// The drop target behind the left box: it accepts the shell's file lists
// only, works out the drop effect while a drag passes over it, and on a drop
// hands the dropped names, joined into one text, to its bound handler.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include "platform/ole_owners.h"
#include "ui/button_commands.h"

namespace realsuffix {

// What a drop runs: the handler with the boxes it is bound to and the payload.
struct FilesDroppedBinding {
    void (*handler)(const Boxes& boxes, const char* payload);
    Boxes boxes;
};

// An IDropTarget that lives exactly as long as its owner (the window): the
// reference count is kept as COM requires, but reaching zero frees nothing.
// OLE calls it only on the thread of the window it is registered for, the
// program's one apartment thread, so the count is a plain ULONG.
class FileDropTarget final : public IDropTarget {
public:
    explicit FileDropTarget(FilesDroppedBinding filesDropped);
    FileDropTarget(const FileDropTarget&) = delete;
    FileDropTarget& operator=(const FileDropTarget&) = delete;
    ~FileDropTarget();  // revokes the registration, if one was made

    // Registers `window` for drops on this target, once: a second call
    // returns false and does nothing. The window is kept even when
    // RegisterDragDrop fails, so a failed registration isn't tried again.
    // Returns true when RegisterDragDrop succeeded.
    bool registerWindow(HWND window);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    // Always E_FAIL, also after a drop that went through: the source is never
    // told to finish a move. The effect worked out is left in `effect`.
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point,
                                   DWORD* effect) override;

    ULONG referenceCount() const { return references_; }
    bool hasDragImageHelper() const { return static_cast<bool>(dragImage_); }

private:
    struct DropRegistrationPolicy {
        using Handle = HWND;
        static Handle invalid() { return nullptr; }
        static void release(Handle window) { RevokeDragDrop(window); }
    };
    // A registration made with RegisterDragDrop, revoked when it goes.
    using DropRegistration = UniqueResource<DropRegistrationPolicy>;

    ULONG references_ = 1;
    HWND registeredWindow_ = nullptr;
    bool accepted_ = false;
    ComPtr<IDropTargetHelper> dragImage_;  // the shell's drag image, when it can be had
    FilesDroppedBinding filesDropped_;
    DropRegistration registration_;  // last: revoked before the rest goes
};

// The program's handler of a drop: the payload into the left box, then the
// result for the left box's text as a path into the right box. The right box
// keeps its text until the result replaces it.
void handleFileDrop(const Boxes& boxes, const char* payload);

}  // namespace realsuffix
