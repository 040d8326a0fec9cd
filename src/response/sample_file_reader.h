#pragma once
// Reads the sample file back: a record by number (1-based), a sequential scan, and the first
// record at a two-decimal beam position. Reads go through a small cache of file blocks, so the
// look-ups of one drawing or read-out touch the disk a few times only.

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "response/sample_point.h"

namespace spanlyx {

class SampleFileReader {
  public:
    SampleFileReader() = default;
    SampleFileReader(const SampleFileReader&) = delete;
    SampleFileReader& operator=(const SampleFileReader&) = delete;
    ~SampleFileReader();

    // The record count is the file size in whole records. The error names the path and reason.
    std::optional<std::string> open(const std::filesystem::path& path);
    void close();
    std::int64_t count() const { return count_; }

    // Record 1 to count(); nothing outside that range or when the file cannot be read.
    std::optional<SamplePoint> record(std::int64_t number);

    // Visits records first to last in order until visit returns false; false on a read error.
    using Visitor = std::function<bool(std::int64_t number, const SamplePoint& point)>;
    bool scan(std::int64_t first, std::int64_t last, const Visitor& visit);

    // The number of the first record whose beam_x, as a whole number of hundredths, equals
    // the given one; beam_x never decreases along the file, so this is a binary search.
    std::optional<std::int64_t> find_first_at(long long beam_x_hundredths);

  private:
    struct Block {
        std::int64_t first = 0;  // record number of its first record; 0 when empty
        std::int64_t records = 0;
        std::vector<std::byte> bytes;
    };

    const std::byte* record_bytes(std::int64_t number);
    std::optional<long long> key(std::int64_t number);

    std::FILE* file_ = nullptr;
    std::int64_t count_ = 0;
    std::array<Block, 4> blocks_;
    std::size_t next_victim_ = 0;
};

}  // namespace spanlyx
