// A data object such as the shell hands to a drop target: a file list
// (CF_HDROP: a DROPFILES header, the ANSI names each ended by a NUL, and a
// second NUL), or only a text. For the drop tests and the drag source helper.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace realsuffix::testing {

class FileListDataObject final : public IDataObject {
public:
    // Offers `names` as a file list.
    explicit FileListDataObject(std::vector<std::string> names) : names_(std::move(names)) {}
    // Offers only `text`, as a text editor's drag does.
    static FileListDataObject textOnly(std::string text) {
        FileListDataObject data({});
        data.offersFiles_ = false;
        data.text_ = std::move(text);
        return data;
    }
    FileListDataObject(FileListDataObject&&) = default;

    bool failGetData = false;     // answer every GetData with an error
    bool countReleases = true;    // hand out a medium whose release is counted
    int getDataCalls = 0;
    int mediumReleases = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (format == nullptr) return E_INVALIDARG;
        if (!(format->tymed & TYMED_HGLOBAL) || format->dwAspect != DVASPECT_CONTENT) return DV_E_FORMATETC;
        if (format->cfFormat == CF_HDROP && offersFiles_) return S_OK;
        if (format->cfFormat == CF_TEXT && !offersFiles_) return S_OK;
        return DV_E_FORMATETC;
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        ++getDataCalls;
        if (failGetData) return E_UNEXPECTED;
        const HRESULT offered = QueryGetData(format);
        if (offered != S_OK) return offered;
        HGLOBAL block = offersFiles_ ? fileListBlock() : textBlock();
        if (block == nullptr) return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        medium->pUnkForRelease = nullptr;
        if (countReleases) {
            // ReleaseStgMedium then releases this instead of freeing the block.
            releaser_.owner = this;
            releaser_.block = block;
            releaser_.AddRef();
            medium->pUnkForRelease = &releaser_;
        }
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out != nullptr) out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        FORMATETC format{static_cast<CLIPFORMAT>(offersFiles_ ? CF_HDROP : CF_TEXT), nullptr,
                         DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return SHCreateStdEnumFmtEtc(1, &format, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    // Stands in for the receiver's GlobalFree, and counts it.
    struct MediumReleaser final : IUnknown {
        FileListDataObject* owner = nullptr;
        HGLOBAL block = nullptr;
        ULONG references = 0;
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
        ULONG STDMETHODCALLTYPE Release() override {
            if (--references == 0) {
                ++owner->mediumReleases;
                GlobalFree(block);
                block = nullptr;
            }
            return references;
        }
    };

    HGLOBAL fileListBlock() const {
        std::string names;
        for (const std::string& name : names_) names += name + '\0';
        names += '\0';
        if (names_.empty()) names += '\0';
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
        if (block == nullptr) return nullptr;
        auto* header = static_cast<DROPFILES*>(GlobalLock(block));
        header->pFiles = sizeof(DROPFILES);
        header->fWide = FALSE;
        std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(), names.size());
        GlobalUnlock(block);
        return block;
    }

    HGLOBAL textBlock() const {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text_.size() + 1);
        if (block == nullptr) return nullptr;
        std::memcpy(GlobalLock(block), text_.c_str(), text_.size() + 1);
        GlobalUnlock(block);
        return block;
    }

    std::vector<std::string> names_;
    bool offersFiles_ = true;
    std::string text_;
    ULONG references_ = 1;
    MediumReleaser releaser_;
};

}  // namespace realsuffix::testing
