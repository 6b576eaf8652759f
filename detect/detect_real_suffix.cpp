// Joins the pure engine to the platform's file reading.
#include "detect/suffix_detector.h"
#include "platform/file_reader.h"
#include "platform/heap.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

class FileSource final : public ByteSource {
public:
    explicit FileSource(ReadOnlyFile& file) : file_(file) {}
    std::optional<std::size_t> read(char* dest, std::size_t capacity) override {
        return file_.read(dest, capacity);
    }

private:
    ReadOnlyFile& file_;
};

}  // namespace

std::string_view detectRealSuffix(const char* path) {
    ReadOnlyFile file = ReadOnlyFile::open(path);
    if (!file.isOpen()) return texts::kUnknown;
    // One bounded buffer, whatever the file's size.
    HeapBlock buffer(heapAllocOrDie(kWorkBufferBytes));
    FileSource source(file);
    return detectFromSource(source, {static_cast<char*>(buffer.get()), kWorkBufferBytes});
}

}  // namespace realsuffix
