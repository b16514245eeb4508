// Random and mutated descriptors: the parser must answer every one without crashing or reading
// past the buffer (run under the address sanitizer build to catch the latter).

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "device/hid/report_descriptor.h"
#include "sample_descriptors.h"

namespace gm::hid {
namespace {

using Bytes = std::vector<std::uint8_t>;

void expectSaneResult(const Bytes& bytes) {
    const auto parsed = parseReportDescriptor(bytes);
    if (!parsed.ok) {
        EXPECT_FALSE(parsed.error.empty());
        EXPECT_TRUE(parsed.collections.empty());
        return;
    }
    for (const auto& caps : parsed.collections) {
        for (const auto length : {caps.inputReportByteLength, caps.outputReportByteLength,
                                  caps.featureReportByteLength}) {
            EXPECT_LE(length, kMaxReportDataBytes + 1);
        }
    }
}

TEST(ReportDescriptorFuzz, EveryStrictPrefixOfOneCollectionFails) {
    for (const Bytes* sample : {&samples::kWheelMouse, &samples::kKeyboard}) {
        for (std::size_t length = 0; length < sample->size(); ++length) {
            // An exact-size copy, so reading one byte too far trips the sanitizer.
            const Bytes prefix(sample->begin(), sample->begin() + static_cast<long>(length));
            EXPECT_FALSE(parseReportDescriptor(prefix).ok) << "prefix of " << length << " bytes";
        }
    }
}

TEST(ReportDescriptorFuzz, MutatedSamplesNeverCrash) {
    std::mt19937 random(0x4210A);
    for (const Bytes* sample :
         {&samples::kWheelMouse, &samples::kKeyboard, &samples::kGamingMouse}) {
        for (int round = 0; round < 3000; ++round) {
            Bytes bytes = *sample;
            const int edits = 1 + static_cast<int>(random() % 4);
            for (int e = 0; e < edits && !bytes.empty(); ++e) {
                const std::size_t at = random() % bytes.size();
                switch (random() % 3) {
                    case 0:
                        bytes[at] = static_cast<std::uint8_t>(random());
                        break;
                    case 1:
                        bytes.erase(bytes.begin() + static_cast<long>(at));
                        break;
                    default:
                        bytes.insert(bytes.begin() + static_cast<long>(at),
                                     static_cast<std::uint8_t>(random()));
                        break;
                }
            }
            bytes.shrink_to_fit();
            expectSaneResult(bytes);
        }
    }
}

TEST(ReportDescriptorFuzz, RandomBytesNeverCrash) {
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        Bytes bytes(random() % 48);
        for (auto& byte : bytes) {
            byte = static_cast<std::uint8_t>(random());
        }
        expectSaneResult(bytes);
    }
}

}  // namespace
}  // namespace gm::hid
