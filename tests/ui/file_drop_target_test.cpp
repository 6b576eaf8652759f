// The drop target of the left box, driven through its IDropTarget with data
// objects like the shell's, on the real window and real files.
#include "tests/ui/ansi_file.h"
#include "tests/ui/window_fixture.h"

#include <string>
#include <vector>

#include "texts/gbk_texts.h"
#include "tools/file_list_data_object.h"

namespace realsuffix::testing {
namespace {

using enum ControlName;

constexpr DWORD kAllEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

// A folder of small files under the temporary folder, gone after the suite.
class DropFiles {
public:
    DropFiles() {
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "realsuffix_drop_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
    }
    ~DropFiles() {
        for (const std::string& file : files_) DeleteFileA(file.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::string make(const std::string& name, const std::string& content) {
        const std::string path = folder_ + "\\" + name;
        writeAnsiFile(path, content);
        files_.push_back(path);
        return path;
    }
    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
    std::vector<std::string> files_;
};

struct DragResult {
    DWORD enterEffect;
    DWORD overEffect;
    DWORD dropEffect;
    HRESULT dropResult;
};

class FileDropTargetTest : public SharedWindowTest {
protected:
    static void SetUpTestSuite() {
        SharedWindowTest::SetUpTestSuite();
        files_.emplace();
    }
    static void TearDownTestSuite() {
        files_.reset();
        SharedWindowTest::TearDownTestSuite();
    }
    void SetUp() override {
        SharedWindowTest::SetUp();
        // Text typed before a drop, which the drop must replace or keep.
        SetWindowTextA(control(EditBox1), "typed");
        SetWindowTextA(control(EditBox2), "before");
    }

    FileDropTarget& target() { return *window().dropTarget(); }

    // One whole drag: enter, move, drop, each with `keys` held and `allowed`
    // offered by the source.
    DragResult drag(IDataObject& data, DWORD keys = 0, DWORD allowed = kAllEffects) {
        DragResult result{allowed, allowed, allowed, S_OK};
        const POINTL point{10, 10};
        EXPECT_EQ(target().DragEnter(&data, keys | MK_LBUTTON, point, &result.enterEffect), S_OK);
        EXPECT_EQ(target().DragOver(keys | MK_LBUTTON, point, &result.overEffect), S_OK);
        result.dropResult = target().Drop(&data, keys, point, &result.dropEffect);
        return result;
    }

    static std::string left() { return windowText(control(EditBox1)); }
    static std::string right() { return windowText(control(EditBox2)); }

    inline static std::optional<DropFiles> files_;
};

TEST_F(FileDropTargetTest, DroppedNamesGoLeftAndTheResultRight) {
    const std::string gif = files_->make("a.bin", "GIF89a\x01\x00");
    const std::string flv = files_->make("b.dat", "FLV\x01\x05");
    const std::string gbk = files_->make("\xCD\xBC\xC6\xAC.dat", "GIF89a");  // 图片.dat
    struct Row {
        const char* name;
        std::vector<std::string> names;
        std::string left;
        std::string_view right;
    };
    const Row rows[] = {
        {"one_file_as_is", {gif}, gif, ".gif"},
        {"another_file_replaces_both", {flv}, flv, ".flv"},
        {"gbk_name", {gbk}, gbk, ".gif"},
        {"two_files_each_ended_by_crlf", {gif, flv}, gif + "\r\n" + flv + "\r\n", texts::kUnknown},
        {"a_folder", {files_->folder()}, files_->folder(), texts::kUnknown},
        {"a_missing_file", {files_->folder() + "\\gone.gif"}, files_->folder() + "\\gone.gif",
         texts::kUnknown},
    };
    for (const Row& row : rows) {
        FileListDataObject data(row.names);
        const DragResult result = drag(data);
        EXPECT_EQ(result.dropResult, E_FAIL) << row.name;  // also after a drop that went through
        EXPECT_EQ(result.dropEffect, static_cast<DWORD>(DROPEFFECT_COPY)) << row.name;
        EXPECT_EQ(left(), row.left) << row.name;
        EXPECT_EQ(right(), row.right) << row.name;
        EXPECT_EQ(data.mediumReleases, data.getDataCalls) << row.name;  // released, once
        EXPECT_EQ(data.getDataCalls, 1) << row.name;
    }
}

TEST_F(FileDropTargetTest, EffectsFromKeysAndAllowedEffects) {
    const std::string gif = files_->make("keys.bin", "GIF89a");
    struct Row {
        const char* name;
        DWORD keys;
        DWORD allowed;
        DWORD effect;  // the same in DragEnter, DragOver and Drop
    };
    const Row rows[] = {
        {"no_key_copies", 0, kAllEffects, DROPEFFECT_COPY},
        {"shift_moves", MK_SHIFT, kAllEffects, DROPEFFECT_MOVE},
        {"control_copies", MK_CONTROL, kAllEffects, DROPEFFECT_COPY},
        {"control_shift_refused", MK_CONTROL | MK_SHIFT, kAllEffects, DROPEFFECT_NONE},
        {"link_only_source_linked", 0, DROPEFFECT_LINK, DROPEFFECT_LINK},
        {"shift_without_move_refused", MK_SHIFT, DROPEFFECT_COPY, DROPEFFECT_NONE},
    };
    for (const Row& row : rows) {
        SetWindowTextA(control(EditBox1), "typed");
        FileListDataObject data({gif});
        const DragResult result = drag(data, row.keys, row.allowed);
        EXPECT_EQ(result.enterEffect, row.effect) << row.name;
        EXPECT_EQ(result.overEffect, row.effect) << row.name;
        EXPECT_EQ(result.dropEffect, row.effect) << row.name;
        EXPECT_EQ(result.dropResult, E_FAIL) << row.name;
        // A refused drop reads nothing and changes nothing.
        const bool dropped = row.effect != DROPEFFECT_NONE;
        EXPECT_EQ(left(), dropped ? gif : "typed") << row.name;
        EXPECT_EQ(data.getDataCalls, dropped ? 1 : 0) << row.name;
    }
}

TEST_F(FileDropTargetTest, TextIsRefusedThroughout) {
    FileListDataObject data = FileListDataObject::textOnly("C:\\a.gif");
    const DragResult result = drag(data);
    EXPECT_EQ(result.enterEffect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(result.overEffect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(result.dropEffect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(result.dropResult, E_FAIL);
    EXPECT_EQ(data.getDataCalls, 0);
    EXPECT_EQ(left(), "typed");
    EXPECT_EQ(right(), "before");
}

TEST_F(FileDropTargetTest, FailedGetDataChangesNothing) {
    FileListDataObject data({files_->folder()});
    data.failGetData = true;
    const DragResult result = drag(data);
    EXPECT_EQ(result.dropEffect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(result.dropResult, E_FAIL);
    EXPECT_EQ(data.getDataCalls, 1);
    EXPECT_EQ(left(), "typed");
    EXPECT_EQ(right(), "before");
}

TEST_F(FileDropTargetTest, ADragThatLeftIsNotDropped) {
    FileListDataObject data({files_->folder()});
    DWORD effect = kAllEffects;
    ASSERT_EQ(target().DragEnter(&data, 0, {1, 1}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(target().DragLeave(), S_OK);
    effect = kAllEffects;
    EXPECT_EQ(target().Drop(&data, 0, {1, 1}, &effect), E_FAIL);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(left(), "typed");
}

// Records, in order, which box is asked for or given its text.
struct BoxLog {
    HWND left;
    std::vector<std::string> events;
};

LRESULT CALLBACK recordingBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR data) {
    auto* log = reinterpret_cast<BoxLog*>(data);
    const char* side = box == log->left ? "left " : "right ";
    if (message == WM_SETTEXT) log->events.push_back(std::string(side) + "written");
    if (message == WM_GETTEXT) log->events.push_back(std::string(side) + "read");
    return DefSubclassProc(box, message, wParam, lParam);
}

TEST_F(FileDropTargetTest, TheRightBoxIsTouchedOnlyByTheResult) {
    const std::string gif = files_->make("order.bin", "GIF89a");
    BoxLog log{control(EditBox1), {}};
    for (ControlName box : {EditBox1, EditBox2}) {
        SetWindowSubclass(control(box), recordingBoxProc, 1, reinterpret_cast<DWORD_PTR>(&log));
    }
    FileListDataObject data({gif});
    drag(data);
    for (ControlName box : {EditBox1, EditBox2}) RemoveWindowSubclass(control(box), recordingBoxProc, 1);

    const std::vector<std::string> expected{"left written", "left read", "right written"};
    EXPECT_EQ(log.events, expected);
    EXPECT_EQ(right(), ".gif");
}

// --- The target on its own ------------------------------------------------------

void ignoreDrop(const Boxes&, const char*) {}

class StandaloneTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override { DestroyWindow(window_); }

    ScopedOle ole_;
    HWND window_ = nullptr;
};

TEST_F(StandaloneTargetTest, AnswersForIUnknownAndIDropTargetOnly) {
    FileDropTarget target({ignoreDrop, {}});
    EXPECT_EQ(target.referenceCount(), 1u);
    void* object = nullptr;
    ASSERT_EQ(target.QueryInterface(IID_IDropTarget, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDropTarget*>(&target));
    ASSERT_EQ(target.QueryInterface(IID_IUnknown, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDropTarget*>(&target));
    EXPECT_EQ(target.referenceCount(), 3u);
    EXPECT_EQ(target.QueryInterface(IID_IDataObject, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(target.Release(), 2u);
    EXPECT_EQ(target.Release(), 1u);
    EXPECT_EQ(target.AddRef(), 2u);
    EXPECT_EQ(target.Release(), 1u);
}

TEST_F(StandaloneTargetTest, RegistersOnceAndRevokesWhenItGoes) {
    {
        FileDropTarget target({ignoreDrop, {}});
        EXPECT_TRUE(target.registerWindow(window_));
        EXPECT_FALSE(target.registerWindow(window_));  // only once
        EXPECT_GT(target.referenceCount(), 1u);        // OLE holds it now

        // Another target on the same window: refused, and not tried again.
        FileDropTarget second({ignoreDrop, {}});
        EXPECT_FALSE(second.registerWindow(window_));
        EXPECT_FALSE(second.registerWindow(window_));
        EXPECT_EQ(second.referenceCount(), 1u);
    }
    // The first target's registration went with it: the window is free again.
    FileDropTarget third({ignoreDrop, {}});
    EXPECT_EQ(RegisterDragDrop(window_, &third), S_OK);
    EXPECT_EQ(RevokeDragDrop(window_), S_OK);
}

TEST_F(StandaloneTargetTest, AFailedRegistrationIsNotRetried) {
    FileDropTarget target({ignoreDrop, {}});
    DestroyWindow(window_);
    EXPECT_FALSE(target.registerWindow(window_));  // no such window any more
    window_ = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
    EXPECT_FALSE(target.registerWindow(window_));
    EXPECT_EQ(target.referenceCount(), 1u);
}

}  // namespace
}  // namespace realsuffix::testing
