#pragma once
// Where the diagrams, the read-out and the printed page get the sampled points from: the sample
// file of the sweep, or points held in memory.

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "response/sample_file_reader.h"
#include "response/sample_point.h"

namespace spanlyx {

class SampleSource {
  public:
    virtual ~SampleSource() = default;

    virtual std::int64_t count() const = 0;
    // Record 1 to count().
    virtual std::optional<SamplePoint> record(std::int64_t number) = 0;
    // Visits records first to last in order until visit returns false; false on a read error.
    using Visitor = std::function<bool(std::int64_t number, const SamplePoint& point)>;
    virtual bool scan(std::int64_t first, std::int64_t last, const Visitor& visit) = 0;
    // The first record whose beam_x, as whole hundredths, equals the given one.
    virtual std::optional<std::int64_t> find_first_at(long long beam_x_hundredths) = 0;
};

// The open sample file of the sweep.
class SampleFileSource final : public SampleSource {
  public:
    explicit SampleFileSource(SampleFileReader& reader) : reader_(reader) {}

    std::int64_t count() const override { return reader_.count(); }
    std::optional<SamplePoint> record(std::int64_t number) override {
        return reader_.record(number);
    }
    bool scan(std::int64_t first, std::int64_t last, const Visitor& visit) override {
        return reader_.scan(first, last, visit);
    }
    std::optional<std::int64_t> find_first_at(long long beam_x_hundredths) override {
        return reader_.find_first_at(beam_x_hundredths);
    }

  private:
    SampleFileReader& reader_;
};

// Points held in memory, in the order of the sample file (beam_x never decreasing).
class MemorySampleSource final : public SampleSource {
  public:
    explicit MemorySampleSource(std::vector<SamplePoint> points) : points_(std::move(points)) {}

    std::int64_t count() const override { return static_cast<std::int64_t>(points_.size()); }
    std::optional<SamplePoint> record(std::int64_t number) override;
    bool scan(std::int64_t first, std::int64_t last, const Visitor& visit) override;
    std::optional<std::int64_t> find_first_at(long long beam_x_hundredths) override;

  private:
    std::vector<SamplePoint> points_;
};

}  // namespace spanlyx
