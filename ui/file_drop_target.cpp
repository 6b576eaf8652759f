#include "ui/file_drop_target.h"

#include <shellapi.h>

#include "detect/suffix_detector.h"
#include "platform/box_text.h"
#include "ui/logic/drop_effect.h"
#include "ui/logic/dropped_names.h"

namespace realsuffix {

static_assert(kDropNone == DROPEFFECT_NONE && kDropCopy == DROPEFFECT_COPY &&
              kDropMove == DROPEFFECT_MOVE && kDropLink == DROPEFFECT_LINK);
static_assert(kKeyShift == MK_SHIFT && kKeyControl == MK_CONTROL);

namespace {

// The shell's file list, and nothing else.
FORMATETC fileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// The names of a file list, read with DragQueryFileA.
class FileListNames final : public DroppedNames {
public:
    explicit FileListNames(HDROP list) : list_(list) {}
    std::size_t count() const override { return DragQueryFileA(list_, 0xFFFFFFFF, nullptr, 0); }
    std::size_t length(std::size_t index) const override {
        return DragQueryFileA(list_, static_cast<UINT>(index), nullptr, 0);
    }
    std::size_t copy(std::size_t index, char* dest, std::size_t capacity) const override {
        return DragQueryFileA(list_, static_cast<UINT>(index), dest, static_cast<UINT>(capacity));
    }

private:
    HDROP list_;
};

// The payload of the drop: the names that `data` offers, joined; nothing
// when it offers no file list. The medium is released before this returns,
// and the names are copied out first: they are valid only inside Drop.
HeapText readDroppedNames(IDataObject* data) {
    FORMATETC format = fileListFormat();
    STGMEDIUM raw{};
    if (FAILED(data->GetData(&format, &raw))) return HeapText();
    const StgMedium medium(raw);
    // A data object that answers with another kind of medium, or none,
    // offers nothing DragQueryFileA could read safely.
    if (medium.get().tymed != TYMED_HGLOBAL || medium.get().hGlobal == nullptr) return HeapText();
    return joinDroppedNames(FileListNames(static_cast<HDROP>(medium.get().hGlobal)));
}

}  // namespace

FileDropTarget::FileDropTarget(FilesDroppedBinding filesDropped) : filesDropped_(filesDropped) {
    // Without the helper, drags show no image and everything else works.
    CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                     reinterpret_cast<void**>(dragImage_.put()));
}

FileDropTarget::~FileDropTarget() = default;

bool FileDropTarget::registerWindow(HWND window) {
    if (registeredWindow_ != nullptr) return false;
    registeredWindow_ = window;
    if (RegisterDragDrop(window, this) != S_OK) return false;
    registration_.reset(window);
    return true;
}

HRESULT FileDropTarget::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG FileDropTarget::AddRef() { return ++references_; }

ULONG FileDropTarget::Release() { return references_ > 0 ? --references_ : 0; }

HRESULT FileDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (effect == nullptr) return E_INVALIDARG;
    POINT at{point.x, point.y};
    if (dragImage_ && data != nullptr) dragImage_.get()->DragEnter(registeredWindow_, data, &at, *effect);
    FORMATETC format = fileListFormat();
    accepted_ = data != nullptr && data->QueryGetData(&format) == S_OK;
    *effect = workOutDropEffect(accepted_, keyState, *effect);
    return S_OK;
}

HRESULT FileDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    if (effect == nullptr) return E_INVALIDARG;
    POINT at{point.x, point.y};
    if (dragImage_) dragImage_.get()->DragOver(&at, *effect);
    *effect = workOutDropEffect(accepted_, keyState, *effect);
    return S_OK;
}

HRESULT FileDropTarget::DragLeave() {
    if (dragImage_) dragImage_.get()->DragLeave();
    accepted_ = false;
    return S_OK;
}

HRESULT FileDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (data == nullptr || effect == nullptr) return E_FAIL;
    POINT at{point.x, point.y};
    if (dragImage_) dragImage_.get()->Drop(data, &at, *effect);
    *effect = workOutDropEffect(accepted_, keyState, *effect);
    if (*effect == DROPEFFECT_NONE) return E_FAIL;
    const HeapText payload = readDroppedNames(data);
    if (payload) filesDropped_.handler(filesDropped_.boxes, payload.get());
    return E_FAIL;
}

void handleFileDrop(const Boxes& boxes, const char* payload) {
    writeBoxText(boxes.left, payload);
    const HeapText path = readBoxText(boxes.left);
    writeBoxText(boxes.right, detectRealSuffix(path.get()).data());
}

}  // namespace realsuffix
