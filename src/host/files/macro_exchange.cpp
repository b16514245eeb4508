#include "host/files/macro_exchange.h"

#include "image/files/sized_file.h"

namespace gm::host {

ExchangeFile readExchangeFile(const std::filesystem::path& path, std::size_t expected,
                              const std::string& what) {
    image::files::SizedFile file = image::files::readSizedFile(path, expected);
    ExchangeFile read;
    if (!file.ok()) {
        read.result =
            device::Result::fail(device::Failure::FileUnusable, device::Step::ReadFile, file.error);
        return read;
    }
    if (file.longer) {
        read.result.notes.push_back(device::makeMessage(
            device::text::kFileNote, {image::files::sizeNote(path, file, what)}));
    } else if (file.shorter()) {
        read.result.notes.push_back(device::makeMessage(
            device::text::kFileNote,
            {path.string() + " holds only " + std::to_string(file.bytes.size()) + " of " +
             std::to_string(expected) + " bytes; what it holds of the " + what + " was read."}));
    }
    read.bytes = std::move(file.bytes);
    return read;
}

device::Result writeExchangeFile(image::files::FileWriter& writer,
                                 const std::filesystem::path& path,
                                 std::span<const std::uint8_t> bytes) {
    const std::string error = writer.write(path, bytes);
    if (!error.empty())
        return device::Result::fail(device::Failure::FileUnusable, device::Step::SaveFile, error);
    return device::Result::done();
}

}  // namespace gm::host
