#include "response/sample_file_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "response/record_rounding.h"

namespace spanlyx {
namespace {

// 51 records fill one 4 kB page.
constexpr std::int64_t kRecordsPerBlock = 51;
constexpr std::int64_t kRecordsPerScan = 4096;
// The records follow the beam at about one per hundredth, so the answer is normally within a
// few records per span of this guess; the window is tried before the whole file.
constexpr std::int64_t kGuessWindow = 96;

std::int64_t block_first(std::int64_t number) {
    return (number - 1) / kRecordsPerBlock * kRecordsPerBlock + 1;
}

bool read_at(std::FILE* file, std::int64_t first_record, std::byte* out, std::size_t bytes) {
    const auto offset = static_cast<long>((first_record - 1) * std::int64_t{kSampleRecordBytes});
    return std::fseek(file, offset, SEEK_SET) == 0 && std::fread(out, 1, bytes, file) == bytes;
}

}  // namespace

SampleFileReader::~SampleFileReader() {
    close();
}

std::optional<std::string> SampleFileReader::open(const std::filesystem::path& path) {
    close();
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec)
        file_ = std::fopen(path.string().c_str(), "rb");
    if (ec || file_ == nullptr) {
        const std::string reason = ec ? ec.message() : std::string(std::strerror(errno));
        return "The sample file " + path.string() + " cannot be read: " + reason;
    }
    std::setvbuf(file_, nullptr, _IONBF, 0);  // blocks are cached here
    count_ = static_cast<std::int64_t>(size / kSampleRecordBytes);
    return std::nullopt;
}

void SampleFileReader::close() {
    if (file_ != nullptr)
        std::fclose(file_);
    file_ = nullptr;
    count_ = 0;
    for (Block& block : blocks_)
        block.first = 0;
}

const std::byte* SampleFileReader::record_bytes(std::int64_t number) {
    if (file_ == nullptr || number < 1 || number > count_)
        return nullptr;
    const std::int64_t first = block_first(number);
    for (const Block& block : blocks_) {
        if (block.first == first)
            return block.bytes.data() + (number - first) * kSampleRecordBytes;
    }
    Block& block = blocks_[next_victim_];
    next_victim_ = (next_victim_ + 1) % blocks_.size();
    block.first = 0;
    block.records = std::min(kRecordsPerBlock, count_ - first + 1);
    block.bytes.resize(static_cast<std::size_t>(kRecordsPerBlock) * kSampleRecordBytes);
    if (!read_at(file_, first, block.bytes.data(),
                 static_cast<std::size_t>(block.records) * kSampleRecordBytes)) {
        return nullptr;
    }
    block.first = first;
    return block.bytes.data() + (number - first) * kSampleRecordBytes;
}

std::optional<SamplePoint> SampleFileReader::record(std::int64_t number) {
    const std::byte* bytes = record_bytes(number);
    if (bytes == nullptr)
        return std::nullopt;
    return decode_sample(ConstSampleRecordBytes(bytes, kSampleRecordBytes));
}

bool SampleFileReader::scan(std::int64_t first, std::int64_t last, const Visitor& visit) {
    if (file_ == nullptr)
        return false;
    first = std::max<std::int64_t>(first, 1);
    last = std::min(last, count_);
    std::vector<std::byte> chunk;
    for (std::int64_t at = first; at <= last; at += kRecordsPerScan) {
        const std::int64_t records = std::min(kRecordsPerScan, last - at + 1);
        chunk.resize(static_cast<std::size_t>(records) * kSampleRecordBytes);
        if (!read_at(file_, at, chunk.data(), chunk.size()))
            return false;
        for (std::int64_t i = 0; i < records; ++i) {
            const SamplePoint point = decode_sample(
                ConstSampleRecordBytes(chunk.data() + i * kSampleRecordBytes, kSampleRecordBytes));
            if (!visit(at + i, point))
                return true;
        }
    }
    return true;
}

std::optional<long long> SampleFileReader::key(std::int64_t number) {
    const auto point = record(number);
    if (!point)
        return std::nullopt;
    return rounded_units(point->beam_x, 2);
}

std::optional<std::int64_t> SampleFileReader::find_first_at(long long beam_x_hundredths) {
    const long long target = beam_x_hundredths;
    const auto first_key = key(1);
    if (!first_key)
        return std::nullopt;

    // Half-open range [low, high) that holds the first record with key >= target, or high
    // when there is none.
    std::int64_t low = 1;
    std::int64_t high = count_ + 1;
    const std::int64_t guess = std::clamp<std::int64_t>(target - *first_key + 1, 1, count_);
    const std::int64_t a = std::max<std::int64_t>(1, guess - kGuessWindow);
    const std::int64_t b = std::min(count_, guess + kGuessWindow);
    const auto key_a = key(a);
    const auto key_b = key(b);
    if (!key_a || !key_b)
        return std::nullopt;
    const bool low_holds = a == 1 || *key_a < target;
    const bool high_holds = b == count_ || *key_b >= target;
    if (low_holds && high_holds) {
        low = *key_a < target ? a + 1 : a;
        high = *key_b >= target ? b : count_ + 1;
    }
    while (low < high) {
        const std::int64_t mid = low + (high - low) / 2;
        const auto k = key(mid);
        if (!k)
            return std::nullopt;
        if (*k < target) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    if (low > count_)
        return std::nullopt;
    const auto found = key(low);
    if (!found || *found != target)
        return std::nullopt;
    return low;
}

}  // namespace spanlyx
