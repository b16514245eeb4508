#include "macros/fire_stages.h"

#include <algorithm>

#include "device/session/image_writes.h"
#include "macros/body_scan.h"

namespace gm::macros {

namespace {

struct Range {
    int low;
    int high;
};

Range rangeOf(StageField field) {
    switch (field) {
        case StageField::Count:
            return {0, 255};
        case StageField::Delay:
            return {0, 0xFFFF};
        default:
            return {-128, 127};
    }
}

// The other field of an X or Y pair whose sum must stay within a signed byte.
std::optional<StageField> partnerOf(StageField field) {
    switch (field) {
        case StageField::X:
            return StageField::XOffset;
        case StageField::XOffset:
            return StageField::X;
        case StageField::Y:
            return StageField::YOffset;
        case StageField::YOffset:
            return StageField::Y;
        default:
            return std::nullopt;
    }
}

std::uint8_t lowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::size_t offsetByte(std::size_t record, bool xAxis) {
    return (xAxis ? kXOffsetsUserByte : kYOffsetsUserByte) + record;
}

}  // namespace

int StageValues::operator[](StageField field) const {
    return const_cast<StageValues&>(*this)[field];
}

int& StageValues::operator[](StageField field) {
    switch (field) {
        case StageField::Count:
            return count;
        case StageField::X:
            return x;
        case StageField::Y:
            return y;
        case StageField::Delay:
            return delay;
        case StageField::XOffset:
            return xOffset;
        case StageField::YOffset:
            break;
    }
    return yOffset;
}

FireStage readStage(const image::ImageModel& model, std::size_t record) {
    FireStage stage;
    stage.record = record;
    const std::vector<std::uint8_t>& bytes = model.copies.fireMacroRecords.at(record);
    const BodyScan scan = scanBody(bytes);
    const std::size_t end = scan.terminated() ? scan.length - 1 : bytes.size();
    for (std::size_t at = 0; at < end;) {
        const auto length = itemLength(bytes[at]);
        if (!length || at + *length > end)
            break;
        switch (bytes[at]) {
            case opcode::kRepeatStart:
                if (!stage.at.count) {
                    stage.at.count = at + 1;
                    stage.values.count = bytes[at + 1];
                }
                break;
            case opcode::kMove:
                if (!stage.at.move) {
                    stage.at.move = at;
                    stage.values.x = static_cast<std::int8_t>(bytes[at + 1]);
                    stage.values.y = static_cast<std::int8_t>(bytes[at + 2]);
                }
                break;
            case opcode::kDelay:
                if (stage.at.move && !stage.at.delay) {
                    stage.at.delay = at;
                    stage.values.delay = (bytes[at + 1] << 8) | bytes[at + 2];
                }
                break;
            default:
                break;
        }
        at += *length;
    }
    const auto& user = model.copies.user;
    stage.values.xOffset = static_cast<std::int8_t>(user[offsetByte(record, true)]);
    stage.values.yOffset = static_cast<std::int8_t>(user[offsetByte(record, false)]);
    return stage;
}

int clampStageField(StageField field, int value, const StageValues& values) {
    const Range range = rangeOf(field);
    value = std::clamp(value, range.low, range.high);
    if (const auto partner = partnerOf(field)) {
        const int other = values[*partner];
        value = std::clamp(value, -128 - other, 127 - other);
    }
    return value;
}

int setStageField(image::ImageModel& model, FireStage& stage, StageField field, int value) {
    value = clampStageField(field, value, stage.values);
    stage.values[field] = value;
    std::vector<std::uint8_t>& bytes = model.copies.fireMacroRecords.at(stage.record);
    switch (field) {
        case StageField::Count:
            if (stage.at.count)
                bytes[*stage.at.count] = lowByte(value);
            break;
        case StageField::X:
        case StageField::Y:
            if (stage.at.move)
                bytes[*stage.at.move + (field == StageField::X ? 1 : 2)] = lowByte(value);
            break;
        case StageField::Delay:
            if (stage.at.delay) {
                bytes[*stage.at.delay + 1] = lowByte(value >> 8);
                bytes[*stage.at.delay + 2] = lowByte(value);
            }
            break;
        case StageField::XOffset:
        case StageField::YOffset:
            model.copies.user[offsetByte(stage.record, field == StageField::XOffset)] =
                lowByte(value);
            break;
    }
    return value;
}

device::Result writeFireOffset(device::Workspace& workspace, std::size_t record, bool xAxis,
                               int value) {
    if (record >= image::kFireMacroCount)
        return device::Result::fail(device::Failure::InvalidRequest, device::Step::LiveWrite,
                                    "fire macro " + std::to_string(record + 1) + " (1..10)");
    if (!device::session::maySend(workspace))
        return device::Result::done();
    const device::session::DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started())
        return operation.refusal;
    const std::size_t address = image::kUser.offset + offsetByte(record, xAxis);
    device::session::workingByte(workspace.model(), address) =
        lowByte(std::clamp(value, -128, 127));
    return device::session::writeLive(workspace, address, 1);
}

}  // namespace gm::macros
