#include "batch/output_file.h"

#include "batch/signal_cleanup.h"

namespace spanlyx {

// Creating the temporary and recording it, and renaming it and forgetting it, each happen with
// the signals held: the handler never misses a temporary nor removes a finished file's name.
OutputFile::~OutputFile() {
    const signal_cleanup::SignalsHeld held;
    writer_.abandon();
    release_slot();
}

std::optional<std::string> OutputFile::open(const std::filesystem::path& target) {
    const signal_cleanup::SignalsHeld held;
    writer_.abandon();
    release_slot();
    if (auto error = writer_.open(target))
        return error;
    if (writer_.temporary().empty())
        return std::nullopt;  // a device or pipe, written in place
    slot_ = signal_cleanup::watch_file(writer_.temporary());
    if (slot_ < 0) {
        writer_.abandon();
        return "Cannot save \"" + target.string() + "\": the name is too long";
    }
    return std::nullopt;
}

std::optional<std::string> OutputFile::commit() {
    const signal_cleanup::SignalsHeld held;
    auto error = writer_.commit();
    release_slot();
    return error;
}

void OutputFile::release_slot() {
    signal_cleanup::forget_file(slot_);
    slot_ = -1;
}

std::optional<std::string> write_output_file(const std::filesystem::path& target,
                                             std::string_view bytes) {
    OutputFile file;
    if (auto error = file.open(target))
        return error;
    if (auto error = file.write(bytes))
        return error;
    return file.commit();
}

}  // namespace spanlyx
