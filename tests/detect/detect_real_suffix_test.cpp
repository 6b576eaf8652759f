// detectRealSuffix on real files through the platform's reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#include <winioctl.h>
#endif

#include "detect/suffix_detector.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

namespace fs = std::filesystem;

class DetectRealSuffixTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("realsuffix-detect-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string write(const std::string& name, const std::string& content) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    fs::path folder_;
};

TEST_F(DetectRealSuffixTest, ReadsTheFileItNames) {
    EXPECT_EQ(detectRealSuffix(write("a.txt", "PK\x03\x04").c_str()), ".zip");
    EXPECT_EQ(detectRealSuffix(write("b.bin", "%PDF-1.7 made by Word").c_str()), ".doc");
    EXPECT_EQ(detectRealSuffix(write("c.mz", "MZ").c_str()), texts::kDllOrExe);
}

TEST_F(DetectRealSuffixTest, WhatCantBeReadIsUnknown) {
    const std::string folder = folder_.string();
    const std::string missing = (folder_ / "missing.bin").string();
    const std::string empty = write("empty.bin", "");
    for (const std::string& path : {std::string(), missing, folder, empty}) {
        EXPECT_EQ(detectRealSuffix(path.c_str()), texts::kUnknown) << '"' << path << '"';
    }
}

TEST_F(DetectRealSuffixTest, KeywordNearTheEndOfALargeFile) {
    std::string content(3 << 20, 'x');
    content.replace(content.size() - 5, 5, "Excel");
    EXPECT_EQ(detectRealSuffix(write("big.bin", content).c_str()), ".xls");
}

#ifdef _WIN32
struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

OwnedHandle openWith(const std::string& path, DWORD access, DWORD share, DWORD creation) {
    HANDLE handle = CreateFileA(path.c_str(), access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    return OwnedHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

TEST_F(DetectRealSuffixTest, FileOpenForWritingElsewhereIsUnknown) {
    const std::string path = write("busy.zip", "PK");
    {
        OwnedHandle writer = openWith(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
        ASSERT_TRUE(writer);
        EXPECT_EQ(detectRealSuffix(path.c_str()), texts::kUnknown);
    }
    // Other readers don't stand in the way.
    OwnedHandle reader = openWith(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    ASSERT_TRUE(reader);
    EXPECT_EQ(detectRealSuffix(path.c_str()), ".zip");
}

TEST_F(DetectRealSuffixTest, GbkFileName) {
    // 视频.dat in code page 936.
    const std::string path = folder_.string() + "\\\xCA\xD3\xC6\xB5.dat";
    {
        OwnedHandle file = openWith(path, GENERIC_WRITE, 0, CREATE_NEW);
        ASSERT_TRUE(file);
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(file.get(), "FLV", 3, &written, nullptr));
    }
    EXPECT_EQ(detectRealSuffix(path.c_str()), ".flv");
}

// A sparse file larger than 4 GiB: 2^32 + 4096 bytes, with `head` at the start
// and `tail` ending 100 bytes before the end.
std::string makeSparseFile(const fs::path& path, const std::string& head, const std::string& tail) {
    const std::string name = path.string();
    OwnedHandle file = openWith(name, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file) return {};
    DWORD returned = 0;
    DeviceIoControl(file.get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    const LONGLONG size = (LONGLONG{1} << 32) + 4096;
    DWORD written = 0;
    WriteFile(file.get(), head.data(), static_cast<DWORD>(head.size()), &written, nullptr);
    LARGE_INTEGER at;
    at.QuadPart = size - 100 - static_cast<LONGLONG>(tail.size());
    SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN);
    WriteFile(file.get(), tail.data(), static_cast<DWORD>(tail.size()), &written, nullptr);
    at.QuadPart = size;
    SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN);
    if (!SetEndOfFile(file.get())) return {};
    return name;
}

TEST_F(DetectRealSuffixTest, FilesOver4GiBAreDetectedLikeAnyOther) {
    const std::string zip = makeSparseFile(folder_ / "huge.zip", "PK\x03\x04", "");
    ASSERT_FALSE(zip.empty());
    EXPECT_EQ(detectRealSuffix(zip.c_str()), ".zip");
    fs::remove(zip);

    const std::string doc = makeSparseFile(folder_ / "huge.doc", "\xD0\xCF\x11\xE0", "Word");
    ASSERT_FALSE(doc.empty());
    EXPECT_EQ(detectRealSuffix(doc.c_str()), ".doc");
}
#endif

}  // namespace
}  // namespace realsuffix
