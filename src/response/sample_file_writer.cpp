#include "response/sample_file_writer.h"

#include <cerrno>
#include <cstring>

namespace spanlyx {
namespace {

// Records per write: about 320 kB, so a million points take a few hundred writes.
constexpr std::size_t kRecordsPerWrite = 4096;

}  // namespace

SampleFileWriter::~SampleFileWriter() {
    static_cast<void>(close());
}

std::optional<std::string> SampleFileWriter::open(const std::filesystem::path& path) {
    static_cast<void>(close());
    path_ = path;
    error_.reset();
    records_ = 0;
    used_ = 0;
    buffer_.assign(kRecordsPerWrite * kSampleRecordBytes, std::byte{0});
    file_ = std::fopen(path.string().c_str(), "wb");
    if (file_ == nullptr) {
        fail("cannot be created");
        return error_;
    }
    std::setvbuf(file_, nullptr, _IONBF, 0);  // the records are buffered here already
    return std::nullopt;
}

void SampleFileWriter::write(const SamplePoint& point) {
    ++records_;
    if (file_ == nullptr)
        return;
    encode_sample(point, SampleRecordBytes(buffer_.data() + used_, kSampleRecordBytes));
    used_ += kSampleRecordBytes;
    if (used_ == buffer_.size())
        flush();
}

std::optional<std::string> SampleFileWriter::close() {
    if (file_ != nullptr) {
        flush();
        if (file_ != nullptr && std::fclose(file_) != 0 && !error_)
            fail("could not be closed");
        file_ = nullptr;
    }
    return error_;
}

void SampleFileWriter::flush() {
    if (file_ == nullptr || used_ == 0)
        return;
    if (std::fwrite(buffer_.data(), 1, used_, file_) != used_) {
        fail("could not be written");
        std::fclose(file_);
        file_ = nullptr;
    }
    used_ = 0;
}

void SampleFileWriter::fail(const char* what) {
    const int code = errno;
    if (error_)
        return;
    error_ = "The sample file " + path_.string() + " " + what +
             (code != 0 ? ": " + std::string(std::strerror(code)) : std::string());
}

}  // namespace spanlyx
