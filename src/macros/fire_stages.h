#pragma once
// A gun preset's stages as fields: per record the repeat count, the X and Y of its first movement,
// the delay after that movement, and the record's X and Y offsets in the User section. Editing a
// field patches the byte it was read from (nothing when the record has no such item) or the
// User working copy; the gun-preset confirmation sends them.

#include <array>
#include <cstddef>
#include <optional>

#include "device/result.h"
#include "device/session/workspace.h"
#include "image/image_model.h"

namespace gm::macros {

enum class StageField { Count, X, Y, Delay, XOffset, YOffset };

struct StageValues {
    int count = 0;  // 0..255
    int x = 0;      // -128..127, x + xOffset too
    int y = 0;
    int delay = 0;  // 0..65535 ms
    int xOffset = 0;
    int yOffset = 0;
    int operator[](StageField field) const;
    int& operator[](StageField field);
};

// Where in the record the fields were found: the repeat count's operand, the movement item's
// opcode, the delay item's opcode.
struct StagePositions {
    std::optional<std::size_t> count;
    std::optional<std::size_t> move;
    std::optional<std::size_t> delay;
};

struct FireStage {
    std::size_t record = 0;  // 0..9
    StagePositions at;
    StageValues values;
};

// User section bytes of record r's offsets.
inline constexpr std::size_t kXOffsetsUserByte = 7;
inline constexpr std::size_t kYOffsetsUserByte = 17;

// The stage of record `record` as its fields show it. The record is scanned item by item up to
// its terminator: the first repeat start gives the count, the first movement X and Y, the first
// delay after that movement the delay.
FireStage readStage(const image::ImageModel& model, std::size_t record);

// `value` held to the field's range, then, for X, Y and their offsets, to the other of the pair
// so that the two add up to -128..127 (the field being edited gives way).
int clampStageField(StageField field, int value, const StageValues& values);

// Sets a field of `stage` (clamped) and patches the working copies: the record's byte(s) the
// field was read from, or the User byte of the offset. Returns the value the field then shows.
int setStageField(image::ImageModel& model, FireStage& stage, StageField field, int value);

// The engineering page's offset n of record `record` (X or Y): clamped to -128..127 and written
// to the mouse at once as one byte of the User section.
device::Result writeFireOffset(device::Workspace& workspace, std::size_t record, bool xAxis,
                               int value);

}  // namespace gm::macros
