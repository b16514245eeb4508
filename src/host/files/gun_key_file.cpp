#include "host/files/gun_key_file.h"

#include <system_error>

#include "host/files/folder_lock.h"
#include "image/files/sized_file.h"

namespace gm::host {

namespace fs = std::filesystem;
using device::Failure;
using device::Result;
using device::Step;

GunKeyFile::GunKeyFile(fs::path path, image::files::FileWriter& writer)
    : path_(std::move(path)), writer_(writer) {}

Result GunKeyFile::read(std::optional<buttons::GunKeyList>& list) const {
    std::error_code ec;
    list.reset();
    if (!fs::exists(fs::symlink_status(path_, ec)))
        return Result::done();
    const image::files::SizedFile file =
        image::files::readSizedFile(path_, buttons::kGunKeyFileSize);
    if (!file.ok())
        return Result::fail(Failure::FileUnusable, Step::ReadFile, file.error);
    list = buttons::GunKeyList::fromBytes(file.bytes);
    Result read;
    // A short file's missing slots are unused, not left as they were.
    const std::string note =
        file.shorter() ? path_.string() + " holds only " + std::to_string(file.bytes.size()) +
                             " of " + std::to_string(file.expected) +
                             " bytes; the codes it holds were read, the slots past them are unused."
                       : image::files::sizeNote(path_, file, "gun-key list");
    if (!note.empty())
        read.notes.push_back(device::makeMessage(device::text::kFileNote, {note}));
    return read;
}

Result GunKeyFile::load() {
    return read(list_);
}

Result GunKeyFile::change(const std::function<bool(buttons::GunKeyList&)>& change) {
    std::error_code ec;
    fs::create_directories(path_.parent_path(), ec);
    const FolderLock lock(path_);
    if (!lock.error().empty())
        return Result::fail(Failure::FileUnusable, Step::SaveFile, lock.error());
    std::optional<buttons::GunKeyList> held;
    Result result = read(held);
    if (!result)
        return result;
    list_ = held;
    buttons::GunKeyList changed = held.value_or(buttons::GunKeyList{});
    if (!change(changed))
        return result;
    const auto bytes = changed.bytes();
    if (std::string failed = writer_.write(path_, bytes); !failed.empty())
        return Result::fail(Failure::FileUnusable, Step::SaveFile, std::move(failed));
    list_ = changed;
    return result;
}

}  // namespace gm::host
