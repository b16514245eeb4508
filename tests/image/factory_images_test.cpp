#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "image/check_byte.h"
#include "image/factory_images.h"
#include "image/patch_header.h"

namespace gm::image {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A stated fact: the bytes at an image offset.
struct Fact {
    std::size_t offset;
    Bytes bytes;
    const char* what;
};

void expectFacts(const Image& image, const std::vector<Fact>& facts) {
    for (const Fact& fact : facts) {
        const Bytes actual(
            image.begin() + static_cast<std::ptrdiff_t>(fact.offset),
            image.begin() + static_cast<std::ptrdiff_t>(fact.offset + fact.bytes.size()));
        EXPECT_EQ(actual, fact.bytes) << fact.what << " at " << fact.offset;
    }
}

Bytes text(const char* ascii) {
    return Bytes(ascii, ascii + std::string(ascii).size());
}

Bytes keyTable(std::initializer_list<std::uint32_t> codes) {
    Bytes bytes;
    for (const std::uint32_t code : codes) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<std::uint8_t>(code >> shift));
    }
    return bytes;
}

constexpr std::size_t kP1 = 192, kP2 = 241, kP3 = 290;

struct Which {
    ChipType chip;
    int config;
};

void PrintTo(const Which& which, std::ostream* out) {
    *out << image::chipText(which.chip) << " Cfg" << which.config;
}

class EveryFactoryImage : public testing::TestWithParam<Which> {
protected:
    const Image& image() const { return factoryImage(GetParam().chip, GetParam().config); }
    bool is4230A() const { return GetParam().chip == ChipType::Chip4230A; }
};

TEST_P(EveryFactoryImage, UsbIdentityAndSensorRegisters) {
    expectFacts(image(), {
                             {0, {0x7A, 0x3E, 0x08, 0xB8}, "vendor and product id"},
                             {111, text("HID Gaming Mouse"), "product text"},
                             {9,
                              {0x20, 0x35, 0x29, 0x10, 0x30, 0x1A, 0x00, 0x00, 0x45, 0x02, 0xEF,
                               0x10, 0xEF, 0x10, 0xEF, 0x10, 0xFF, 0x10, 0x50, 0x03, 0x01, 0x02,
                               0x48, 0x96, 0xFA, 0x20, 0x1E, 0x02, 0x01, 0x20, 0x00},
                              "sensor registers"},
                             {40, {0x06, 0x87}, "LED init"},
                         });
}

TEST_P(EveryFactoryImage, DeviceOptionsAndLighting) {
    if (is4230A()) {
        expectFacts(image(), {{4, {0xBF, 0xFF, 0x7F, 0xFF, 0xAF}, "options"},
                              {42, {0x3F}, "RGB LED mode mask"},
                              {165, {0x05}, "User 1: RGB LED"}});
        EXPECT_EQ(image()[5] & 0xC0, 0xC0) << "RGB LED package and multi key";
    } else {
        expectFacts(image(), {{4, {0xBF, 0x1F, 0x7F, 0x4F, 0xAF}, "options"},
                              {42, {0x7F}, "MCU LED mode mask"},
                              {165, {0x81}, "User 1: MCU LED"}});
        EXPECT_EQ(image()[5] & 0xC0, 0x00) << "A-Tech LED package and IO keys";
    }
    EXPECT_EQ((image()[4] >> 4) & 0x03, 0x03) << "1000 Hz";
}

TEST_P(EveryFactoryImage, CpiLevels) {
    expectFacts(image(),
                {
                    {43, {0x05}, "six levels"},
                    {44, {0x63, 0x98, 0xBA, 0x00}, "level values"},
                    {166, {0x01}, "User 2: current level 2"},
                    {87,
                     {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00,
                      0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0x00, 0xFF},
                     "level colours"},
                });
}

TEST_P(EveryFactoryImage, FireKeyAreaComboKeysAndReserved) {
    const Bytes sets = is4230A() ? Bytes{0x01, 0x00, 0x3C, 0x02, 0x00, 0x3C, 0x04, 0x00, 0x3C}
                                 : Bytes{0x02, 0x00, 0x3C, 0x04, 0x00, 0x3C, 0x07, 0x00, 0x3C};
    const std::uint32_t comboKey4 = is4230A() ? 0x07D1F020 : 0x07D1F018;
    expectFacts(image(),
                {
                    {486, sets, "fire key sets"},
                    {495, {0xE0}, "marker"},
                    {127, keyTable({0, 0x0E000000, 0, comboKey4, 0, 0, 0, 0, 0}), "combo keys"},
                    {339, Bytes(41, 0xFF), "Reserved area"},
                    {496, Bytes(512, 0x00), "empty Macro area"},
                });
}

TEST_P(EveryFactoryImage, EveryCheckByteAndThePatchHeader) {
    const Image& img = image();
    for (const Section section : kCheckedSections) {
        const Area area = areaOf(section);
        EXPECT_TRUE(hasValidCheckByte(std::span(img).subspan(area.offset, area.length)))
            << nameOf(section);
    }
    const HeaderView header(img.data() + 1008, 16);
    const std::uint16_t length = is4230A() ? 512 : 736;
    expectFacts(img, {{1008,
                       {0x04, 0x00, static_cast<std::uint8_t>(length >> 8),
                        static_cast<std::uint8_t>(length & 0xFF), 0x00, 0x1A},
                       "patch header"}});
    const auto patch = std::span(img).subspan(1024, geometryOf(GetParam().chip).patchLength);
    const PatchSum sum = patchChecksumOver(patch, length);
    EXPECT_TRUE(sum.lengthFits);
    EXPECT_EQ(storedPatchChecksumOf(header), sum.checksum);
    EXPECT_TRUE(hasValidMcuLedCheckByte(header));
}

// A record is FD n A1 04 x y FE hi lo 21 ... FC 00; its length is where three zeros start, + 1.
TEST_P(EveryFactoryImage, FireMacroRecordsAreWellFormedRecoilBursts) {
    const ChipGeometry g = geometryOf(GetParam().chip);
    for (std::size_t r = 0; r < kFireMacroCount; ++r) {
        SCOPED_TRACE(r);
        const auto record = std::span(image()).subspan(
            g.tailOffset + g.firstRecordOffset + r * g.recordSize, g.recordSize);
        std::size_t length = 0;
        while (length + 2 < record.size() &&
               !(record[length] == 0 && record[length + 1] == 0 && record[length + 2] == 0)) {
            ++length;
        }
        ++length;
        ASSERT_GE(length, 11u);
        EXPECT_EQ(record[0], 0xFD);
        EXPECT_GT(record[1], 0);
        EXPECT_EQ(record[2], 0xA1);
        EXPECT_EQ(record[3], 0x04);
        EXPECT_EQ(record[6], 0xFE);
        EXPECT_EQ(record[9], 0x21);
        EXPECT_EQ(record[length - 2], 0xFC);
        EXPECT_EQ(record[length - 1], 0x00);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Factory, EveryFactoryImage,
    testing::Values(Which{ChipType::Chip4210A, 1}, Which{ChipType::Chip4210A, 2},
                    Which{ChipType::Chip4210A, 3}, Which{ChipType::Chip4230A, 1},
                    Which{ChipType::Chip4230A, 2}, Which{ChipType::Chip4230A, 3}),
    [](const testing::TestParamInfo<Which>& param) {
        return factoryImageName(param.param.chip, param.param.config);
    });

TEST(FactoryImages4210A, KeyTables) {
    const Image& image = factoryImage(ChipType::Chip4210A, 1);
    const auto table = [](std::uint32_t key6, std::uint32_t key9) {
        return keyTable({0x01010000, 0x01080002, 0x0692003C, 0x01020000, 0x01100000, key6,
                         0x01040000, 0x09000000, key9, 0, 0, 0});
    };
    expectFacts(image, {{kP1, table(0x09010000, 0x09020000), "profile 1"},
                        {kP2, table(0x09010000, 0x09020000), "profile 2"},
                        {kP3, table(0x02080700, 0x08000000), "profile 3"}});
}

TEST(FactoryImages4210A, PatchSumIs5E39SoTheChecksumIs5F63) {
    const Image& image = factoryImage(ChipType::Chip4210A, 1);
    unsigned sum = 0;
    for (std::size_t i = 1024; i < 1024 + 736; ++i)
        sum += image[i];
    EXPECT_EQ(sum & 0xFFFF, 0x5E39u);
    EXPECT_EQ(image[1014], 0x5F);
    EXPECT_EQ(image[1015], 0x63);
}

TEST(FactoryImages4210A, TheThreeAreIdentical) {
    EXPECT_EQ(factoryImage(ChipType::Chip4210A, 1), factoryImage(ChipType::Chip4210A, 2));
    EXPECT_EQ(factoryImage(ChipType::Chip4210A, 1), factoryImage(ChipType::Chip4210A, 3));
}

TEST(FactoryImages4230A, GameProfileFireKeyAndNames) {
    for (int config = 1; config <= 3; ++config) {
        SCOPED_TRACE(config);
        const Image& image = factoryImage(ChipType::Chip4230A, config);
        expectFacts(image,
                    {{kP2, keyTable({0x1006A0FF}), "profile 2 Key1 fire-macro key"},
                     {kP1 + 8, keyTable({0x0691003C}), "profile 1 Key3"},
                     {kP3 + 8, keyTable({0x0691003C}), "profile 3 Key3"},
                     {1536, Bytes{0x00, 'A', 0x00, 'K', 0x00, 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                      "name of record 0"},
                     {2016, Bytes(32, 0xFF), "unused tail bytes"}});
        // Key3 names fire set 1: repeat (b1 & 0F) + 1 = area byte 2 + 1, interval = bytes 3..4.
        EXPECT_EQ((image[kP1 + 9] & 0x0F) + 1, image[486] + 1);
        EXPECT_EQ(image[kP1 + 10], image[487]);
        EXPECT_EQ(image[kP1 + 11], image[488]);
        std::set<std::uint32_t> presets;
        for (std::size_t key = 0; key < 12; ++key) {
            const std::size_t at = kP2 + 4 * key;
            if (image[at] == 0x0B)
                presets.insert(static_cast<std::uint32_t>(image[at + 1] << 16 | image[at + 2] << 8 |
                                                          image[at + 3]));
        }
        EXPECT_TRUE(presets.count(0x000100) && presets.count(0x050200) && presets.count(0x070300));
    }
}

// Offsets at which two 4230A images may differ: User 0, 3, 4, 6 (and its check byte), profile 2
// Key12 (and its check byte), the fire macro records.
std::set<std::size_t> differingOffsets(const Image& a, const Image& b) {
    std::set<std::size_t> offsets;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            offsets.insert(i);
    }
    return offsets;
}

TEST(FactoryImages4230A, DifferOnlyWhereStated) {
    const Image& cfg1 = factoryImage(ChipType::Chip4230A, 1);
    const Image& cfg2 = factoryImage(ChipType::Chip4230A, 2);
    const Image& cfg3 = factoryImage(ChipType::Chip4230A, 3);
    const auto isUserByte = [](std::size_t i) {
        return i == 164 || i == 167 || i == 168 || i == 170 || i == 191;
    };
    const auto isProfile2Key12 = [](std::size_t i) { return i >= kP2 + 44 && i <= kP2 + 48; };
    const auto isRecord = [](std::size_t i) { return i >= 1536 + 160 && i < 2016; };

    std::set<std::size_t> userBytes;
    for (const auto& [a, b] : {std::pair{&cfg1, &cfg2}, {&cfg1, &cfg3}, {&cfg2, &cfg3}}) {
        bool recordsDiffer = false;
        for (const std::size_t i : differingOffsets(*a, *b)) {
            EXPECT_TRUE(isUserByte(i) || isProfile2Key12(i) || isRecord(i)) << "offset " << i;
            if (isUserByte(i) && i != 191)
                userBytes.insert(i - 164);
            recordsDiffer = recordsDiffer || isRecord(i);
        }
        EXPECT_TRUE(recordsDiffer);
    }
    EXPECT_EQ(userBytes, (std::set<std::size_t>{0, 3, 4, 6}));
    EXPECT_TRUE(
        std::equal(cfg1.begin() + kP2 + 44, cfg1.begin() + kP2 + 48, cfg2.begin() + kP2 + 44));
    EXPECT_FALSE(
        std::equal(cfg1.begin() + kP2 + 44, cfg1.begin() + kP2 + 48, cfg3.begin() + kP2 + 44));
}

TEST(FactoryImageSelection, ChipTextPicksTheImageAndAnythingElseIs4210A) {
    for (int config = 1; config <= 3; ++config) {
        EXPECT_EQ(&factoryImageFor("4230A", config), &factoryImage(ChipType::Chip4230A, config));
        EXPECT_EQ(&factoryImageFor("4210A", config), &factoryImage(ChipType::Chip4210A, config));
        EXPECT_EQ(&factoryImageFor("", config), &factoryImage(ChipType::Chip4210A, config));
        EXPECT_EQ(&factoryImageFor("4230a", config), &factoryImage(ChipType::Chip4210A, config));
    }
    EXPECT_EQ(factoryImageName(ChipType::Chip4230A, 2), "RDXM4230AData_Cfg2");
    EXPECT_EQ(&factoryImage(ChipType::Chip4230A, 7), &factoryImage(ChipType::Chip4230A, 3));
    EXPECT_EQ(&factoryImage(ChipType::Chip4230A, 0), &factoryImage(ChipType::Chip4230A, 1));
}

}  // namespace
}  // namespace gm::image
