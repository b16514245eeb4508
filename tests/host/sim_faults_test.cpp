// The virtual mouse's options as both programs read them: every --sim-fault kind, the refusals,
// and when the counted faults are armed.
#include "host/device_choice/sim_faults.h"

#include <gtest/gtest.h>

#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "host/device_choice/sim_options.h"

namespace gm::host {
namespace {

using device::Micros;

SimFaults parsed(const std::vector<std::string>& given) {
    std::string error;
    const auto faults = parseSimFaults(given, error);
    EXPECT_TRUE(faults) << error;
    return faults.value_or(SimFaults{});
}

std::string refusal(const std::vector<std::string>& given) {
    std::string error;
    EXPECT_FALSE(parseSimFaults(given, error)) << given.front();
    return error;
}

TEST(SimFaults, EveryKindRepeatedOrCommaSeparated) {
    const SimFaults faults = parsed({"refuse-command,refuse-data=7", "vanish-after=9,bad-identify",
                                     "garbage=290", "slow=25", ",refuse-data=8,"});
    EXPECT_TRUE(faults.refuseCommand);
    EXPECT_EQ(faults.refuseDataFrom, 8) << "the last given counts";
    EXPECT_EQ(faults.vanishAfter, 9);
    EXPECT_TRUE(faults.badIdentify);
    EXPECT_EQ(faults.garbageFrom, 290);
    EXPECT_EQ(faults.reportCost, Micros{25'000});
    EXPECT_EQ(parsed({"garbage"}).garbageFrom, 1) << "garbage alone: every answer";
    const SimFaults unplug = parsed({"unplug-after=300", "replug-after=1500"});
    EXPECT_EQ(unplug.unplugAfter, 300);
    EXPECT_EQ(unplug.replugAfter, Micros{1'500'000});
    EXPECT_FALSE(parsed({}).any());
}

TEST(SimFaults, RefusalsSayWhatIsWrong) {
    EXPECT_EQ(refusal({"sometimes"}),
              "unknown --sim-fault 'sometimes' (refuse-command, refuse-data=N, vanish-after=N, "
              "garbage[=N], slow=MS, unplug-after=N with replug-after=MS, bad-identify)");
    EXPECT_EQ(refusal({"garbage=0"}),
              "--sim-fault garbage=0: N must be a whole number of 1 or more");
    EXPECT_EQ(refusal({"slow=fast"}),
              "--sim-fault slow=fast: MS must be a whole number of 1 or more");
    EXPECT_EQ(refusal({"refuse-data="}),
              "--sim-fault refuse-data=: N must be a whole number of 1 or more");
    EXPECT_EQ(refusal({","}), "--sim-fault needs a KIND");
    EXPECT_EQ(refusal({"unplug-after=3"}),
              "--sim-fault unplug-after=N and replug-after=MS go together");
    EXPECT_EQ(refusal({"replug-after=3"}), refusal({"unplug-after=3"}));
    EXPECT_NE(refusal({"vanish-after=3,unplug-after=4,replug-after=5"}).find("leaves only once"),
              std::string::npos);
}

TEST(SimOptions, BothProgramsReadTheChipTheFileAndTheFaults) {
    std::string error;
    const auto options =
        deviceChoiceOf({std::string("4230A"), std::string("e.bin"), {"slow=3"}}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_TRUE(options->simulate);
    EXPECT_EQ(options->simChip, image::ChipType::Chip4230A);
    EXPECT_EQ(options->simEeprom, "e.bin");
    EXPECT_EQ(options->faults.reportCost, Micros{3'000});
    EXPECT_EQ(deviceChoiceOf({std::string(), {}, {}}, error)->simChip, image::ChipType::Chip4210A);
    EXPECT_FALSE(deviceChoiceOf({std::string("4999A"), {}, {}}, error));
    EXPECT_EQ(error, "unknown chip in --simulate=4999A (4210A or 4230A)");
    EXPECT_FALSE(deviceChoiceOf({std::nullopt, {}, {"garbage"}}, error));
    EXPECT_EQ(error, "--sim-eeprom and --sim-fault need --simulate");
    EXPECT_FALSE(deviceChoiceOf({std::string(), {}, {"garbage=-1"}}, error));
}

// After a restart the counts start anew, but a mouse that came back from its unplug stays.
TEST(SimFaults, TheUnplugIsArmedAtTheFirstIdentificationOnly) {
    device::ManualClock clock;
    sim::VirtualMouse mouse(clock, image::ChipType::Chip4210A);
    sim::VirtualBus bus;
    bus.attach(mouse);
    const SimFaults faults = parsed({"unplug-after=1,replug-after=10"});
    const std::array<std::uint8_t, 8> identify{0x40, 0x0D};
    armCountedFaults(mouse, faults, false);
    auto handle = bus.open(mouse.interfaces()[2].path).device;
    ASSERT_TRUE(handle->setFeature(identify));
    EXPECT_TRUE(mouse.present());
    armCountedFaults(mouse, faults, true);
    ASSERT_TRUE(handle->setFeature(identify));
    EXPECT_FALSE(mouse.present());
    clock.advance(Micros{10'000});
    EXPECT_TRUE(mouse.present());
}

}  // namespace
}  // namespace gm::host
