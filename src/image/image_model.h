#pragma once
// The image as the editor holds it: the 2048-byte buffer last read from (or about to be written
// to) the mouse, the working copies of its sections that the settings edit, and the state beside
// it that decides how sections are rebuilt (chip type, LED type, package).

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "image/geometry.h"
#include "image/layout.h"
#include "image/macro_tables.h"

namespace gm::image {

inline constexpr std::size_t kCodeTextCount = 45;  // 36 profile keys + 9 combo keys

struct WorkingCopies {
    std::array<std::uint8_t, 164> vendor{};
    std::array<std::uint8_t, 28> user{};
    std::array<std::uint8_t, 147> profiles{};  // Profile1..3, 49 bytes each, contiguous
    std::array<std::uint8_t, 41> reserved{};
    std::array<std::uint8_t, 12> fireKeys{};
    std::array<std::uint8_t, 512> macroArea{};
    std::array<std::uint8_t, 16> patchHeader{};
    std::vector<std::uint8_t> patchCode;  // patch area length of the chip
    std::vector<std::uint8_t> tail;       // tail area length of the chip
    std::array<std::vector<std::uint8_t>, kFireMacroCount> fireMacroRecords;  // record size each
    std::array<std::array<std::uint8_t, kFireMacroNameSize>, kFireMacroCount> fireMacroNames{};
};

struct ImageModel {
    Image buffer{};
    std::optional<ChipType> chip;  // empty until the mouse has been identified
    ChipGeometry geometry = geometryOf(ChipType::Chip4210A);
    std::string ledTypeText;  // "RGB", "Sync", "NT", "MCULED" or empty
    int packageItem = 0;      // cb_Package: 0 "A-Tech LED", 1 "RGB"
    int reportRateHz = 0;     // the rate the mouse runs at: 0 until read, else 125..1000
    WorkingCopies copies;
    std::array<std::string, kCodeTextCount> codeTexts;
    // The device macros as parsed from the Macro area working copy (src/macros keeps them in
    // step with it).
    DeviceMacroTables macros;

    ImageModel();
    // Sets the chip and resizes the chip-dependent working copies (patch code, tail, records).
    void setChip(std::optional<ChipType> chipType);
};

// The working copy of one checked section (Profile sections are 49-byte views into `profiles`).
std::span<std::uint8_t> workingCopyOf(Section section, WorkingCopies& copies);
std::span<const std::uint8_t> workingCopyOf(Section section, const WorkingCopies& copies);

// Result of a split: which sections had a wrong check byte and were rebuilt from defaults.
struct SplitResult {
    std::array<bool, 5> repaired{};  // indexed like kCheckedSections
    bool anyRepaired() const;
};

// Copies the buffer into the working copies, checks the five sections and rebuilds any whose
// check byte is wrong from the section defaults (working copy only; the buffer is untouched).
SplitResult split(ImageModel& model);

// The fire macro records (and on the 4230A their names) into the tail working copy, and back:
// what split and compose do with them. Tail bytes behind the last record are never touched.
void placeFireMacros(ImageModel& model);
void cutFireMacros(ImageModel& model);

// The inverse of split: the working copies (fire macro records and names into the tail first)
// written back into the buffer.
void compose(ImageModel& model);

// The image as the working copies would write it (compose on a copy; the model is unchanged).
Image composedImage(const ImageModel& model);

// The image's areas in image order, named "Vendor", "User", "Profile1".."Profile3", "Reserved",
// "Gap", "FireKeys", "Macro", "PatchHeader", "PatchCode", "Tail" (the last two per chip).
struct NamedArea {
    const char* name;
    Area area;
};
std::vector<NamedArea> imageAreas(const ChipGeometry& geometry);

// Names of the image's areas ("Vendor", "Macro", "Tail" ...) in which `a` and `b` differ.
std::vector<std::string> areasThatDiffer(const Image& a, const Image& b,
                                         const ChipGeometry& geometry);

// Rebuilds the 45 code texts from the profile working copies and the Vendor combo keys.
void rebuildCodeTexts(ImageModel& model);

// Stored and computed patch checksum of the patch code working copy, per its header length.
struct PatchChecksum {
    std::uint16_t stored = 0;
    std::uint16_t computed = 0;
    std::uint16_t length = 0;  // header bytes 2..3
    bool lengthFits = true;    // false: the length exceeds the patch area, the sum stops at its end
};
PatchChecksum patchChecksumOf(const ImageModel& model);

}  // namespace gm::image
