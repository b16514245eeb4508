#include "device/session/image_writes.h"

#include <algorithm>
#include <array>

#include "image/check_byte.h"

namespace gm::device::session {
namespace {

// The sections whose last byte is a check byte over the others.
constexpr std::array<image::Area, 5> kCheckedSections{
    image::kVendor, image::kUser, image::kProfile1, image::kProfile2, image::kProfile3};

struct Copy {
    image::Area area;
    std::span<std::uint8_t> bytes;
};

std::array<Copy, 8> copiesOf(image::ImageModel& model) {
    auto& c = model.copies;
    const image::Area tail{model.geometry.tailOffset, c.tail.size()};
    return {{{image::kVendor, c.vendor},
             {image::kUser, c.user},
             {image::kProfiles, c.profiles},
             {image::kReserved, c.reserved},
             {image::kFireKeys, c.fireKeys},
             {image::kMacro, c.macroArea},
             {image::kPatchHeader, c.patchHeader},
             {tail, c.tail}}};
}

bool inside(image::Area inner, image::Area outer) {
    return inner.offset >= outer.offset &&
           inner.offset + inner.length <= outer.offset + outer.length;
}

image::Area sectionHolding(std::size_t address) {
    return address < image::kUser.offset ? image::kVendor : image::kUser;
}

// Whether the mouse's check byte of `section` fits its bytes (as the buffer holds them).
bool checkByteFits(const image::ImageModel& model, image::Area section) {
    return image::hasValidCheckByte(
        std::span<const std::uint8_t>(model.buffer).subspan(section.offset, section.length));
}

// A live write of `section` starts: the journal learns what the mouse holds and what is asked.
void journalWrite(Workspace& workspace, image::Area section) {
    image::ImageModel& model = workspace.model();
    image::Image asked = model.buffer;
    const std::span<std::uint8_t> askedSection =
        std::span<std::uint8_t>(asked).subspan(section.offset, section.length);
    for (std::size_t i = 0; i < section.length; ++i)
        askedSection[i] = workingByte(model, section.offset + i);
    image::setCheckByte(askedSection);
    workspace.journal().beginArea(model.chip.value_or(image::ChipType::Chip4210A), section,
                                  model.buffer, asked);
}

// After a write of `section`: a check byte that fits ends the journal's entry; one that does
// not (the write was cut off) keeps it for the next connection.
void settleJournal(Workspace& workspace, image::Area section) {
    if (checkByteFits(workspace.model(), section))
        workspace.journal().finish(section.offset);
    else
        workspace.journal().keep(section.offset);
}

void tellChanged(Workspace& workspace, std::size_t address) {
    workspace.changes().notify({ChangeKind::SectionChanged, static_cast<int>(address), {}});
}

// The buffer takes the working copy's bytes of `area` (the mouse holds them), or the other way
// round (it does not).
void settle(image::ImageModel& model, image::Area area, bool taken) {
    const std::span<std::uint8_t> copy = workingBytes(model, area);
    const auto held = model.buffer.begin() + static_cast<std::ptrdiff_t>(area.offset);
    if (taken)
        std::copy(copy.begin(), copy.end(), held);
    else
        std::copy(held, held + static_cast<std::ptrdiff_t>(copy.size()), copy.begin());
    // The key captions follow the key tables.
    if (area.offset < image::kProfiles.offset + image::kProfiles.length &&
        image::kProfiles.offset < area.offset + area.length)
        image::rebuildCodeTexts(model);
}

// After a block write the mouse did not take whole: what it holds replaces the buffer and the
// working copy when it can be read whole. False when the read failed.
bool takeWhatTheMouseHolds(Workspace& workspace, image::Area area) {
    std::vector<std::uint8_t> held(area.length);
    if (!workspace.protocol().readBlock(static_cast<std::uint16_t>(area.offset), held))
        return false;
    std::copy(held.begin(), held.end(), workingBytes(workspace.model(), area).begin());
    settle(workspace.model(), area, true);
    return true;
}

}  // namespace

bool maySend(Workspace& workspace) {
    return !workspace.session().readBusy();
}

std::uint8_t& workingByte(image::ImageModel& model, std::size_t address) {
    if (address >= image::kUser.offset)
        return model.copies.user.at(address - image::kUser.offset);
    return model.copies.vendor.at(address);
}

std::span<std::uint8_t> workingBytes(image::ImageModel& model, image::Area area) {
    for (const Copy& copy : copiesOf(model)) {
        if (inside(area, copy.area))
            return copy.bytes.subspan(area.offset - copy.area.offset, area.length);
    }
    return {};
}

void setCheckBytes(image::ImageModel& model, image::Area area) {
    for (const image::Area section : kCheckedSections) {
        if (inside(section, area))
            image::setCheckByte(workingBytes(model, section));
    }
}

Result writeLive(Workspace& workspace, std::size_t address, std::size_t count, CheckByte check) {
    if (!maySend(workspace))
        return Result::done();
    image::ImageModel& model = workspace.model();
    const image::Area section = sectionHolding(address);
    journalWrite(workspace, section);
    Result written;
    std::size_t at = 0;
    for (; at < count && written; at += 3) {
        const std::size_t chunk = std::min<std::size_t>(3, count - at);
        std::array<std::uint8_t, 3> data{};
        for (std::size_t i = 0; i < chunk; ++i)
            data[i] = workingByte(model, address + at + i);
        written = workspace.protocol()
                      .liveWrite(static_cast<std::uint8_t>(address + at), data[0], data[1], data[2],
                                 static_cast<std::uint8_t>(chunk))
                      .at(Step::LiveWrite);
        for (std::size_t i = 0; i < chunk; ++i) {
            std::uint8_t& held = model.buffer[address + at + i];
            if (written)
                held = data[i];
            else
                workingByte(model, address + at + i) = held;
        }
    }
    // What a refused report left unsent is not on the mouse either.
    for (std::size_t i = at; i < count; ++i)
        workingByte(model, address + i) = model.buffer[address + i];
    auto batch = workspace.changes().batch();
    tellChanged(workspace, address);
    if (check == CheckByte::Later) {
        if (!written)
            settleJournal(workspace, section);
        return written;
    }
    // The check byte follows what the mouse took, also when a later report was refused: a
    // section whose check byte does not fit is rebuilt from defaults on the next read.
    if (written || !checkByteFits(model, section)) {
        Result checked = writeCheckByte(workspace, address);
        if (written)
            written = std::move(checked);
    }
    settleJournal(workspace, section);
    return written;
}

Result writeCheckByte(Workspace& workspace, std::size_t address) {
    if (!maySend(workspace))
        return Result::done();
    const image::Area section = sectionHolding(address);
    image::ImageModel& model = workspace.model();
    const std::size_t last = section.offset + section.length - 1;
    const std::uint8_t check = image::checkByteOf(
        std::span<const std::uint8_t>(model.buffer).subspan(section.offset, section.length - 1));
    workingByte(model, last) = check;
    Result written;
    if (model.buffer[last] != check)
        written = writeLive(workspace, last, 1, CheckByte::Later);
    settleJournal(workspace, section);
    return written;
}

void settleRefusedArea(Workspace& workspace, image::Area area) {
    if (!takeWhatTheMouseHolds(workspace, area))
        settle(workspace.model(), area, false);
    tellChanged(workspace, area.offset);
}

Result writeArea(Workspace& workspace, image::Area area, Step step, ReadBack readBack) {
    if (!maySend(workspace))
        return Result::done();
    image::ImageModel& model = workspace.model();
    setCheckBytes(model, area);
    const std::span<std::uint8_t> copy = workingBytes(model, area);
    // The journal sees the block as the whole image would be with it.
    image::Image asked = model.buffer;
    std::copy(copy.begin(), copy.end(), asked.begin() + static_cast<std::ptrdiff_t>(area.offset));
    workspace.journal().beginArea(model.chip.value_or(image::ChipType::Chip4210A), area,
                                  model.buffer, asked);
    Result sent =
        workspace.protocol().writeBlock(static_cast<std::uint16_t>(area.offset), copy).at(step);
    workspace.journal().settleArea(area, sent.ok());
    workspace.presenter().hideProgress();
    if (sent.failure != Failure::TransferIncomplete)
        settle(model, area, sent.ok());
    else if (readBack == ReadBack::AtOnce && !takeWhatTheMouseHolds(workspace, area))
        settle(model, area, false);
    tellChanged(workspace, area.offset);
    return sent;
}

}  // namespace gm::device::session
