// Operations started while another runs, as a window would start them from an event handled
// inside the core's pumped waits: each is refused as busy and sends nothing, and the running
// operation completes intact.

#include <gtest/gtest.h>

#include "device/session/profile_transfer.h"
#include "image/factory_images.h"
#include "operations_rig.h"

namespace gm::device::session {
namespace {

using testing::OperationsRig;

// What a click on a setting or a page button would start: a live write, a live read and a
// whole-image read. Each must be refused while an operation runs.
std::vector<Failure> nestedAttempts(OperationsRig& rig) {
    std::uint8_t byte = 0;
    return {rig.protocol.liveWrite(170, 1, 0, 0, 1).failure,
            rig.protocol.liveRead(0, 0x16, std::span(&byte, 1)).failure,
            rig.session.readWholeImage().failure, rig.session.searchForMouse().failure};
}

TEST(Reentry, OperationsStartedDuringAWholeImageWriteAreRefusedAndTheWriteCompletes) {
    OperationsRig rig;
    image::Image loaded = image::factoryImage(image::ChipType::Chip4210A, 2);
    loaded[400] = 0x5A;
    const auto file = rig.writeFile("p.bin", loaded);

    // Halfway through the write's chunks, a nested attempt.
    std::vector<Failure> refused;
    std::size_t reportsBefore = 0;
    int writeChunks = 0;
    rig.presenter.onProgress = [&] {
        if (rig.commands(command::kBlockWrite).empty() || ++writeChunks != 150)
            return;
        reportsBefore = rig.mouse.reports().size();
        refused = nestedAttempts(rig);
        EXPECT_EQ(rig.mouse.reports().size(), reportsBefore) << "a refused attempt sent reports";
    };
    const Result result = loadProfile(rig.workspace, file);
    ASSERT_TRUE(result.ok()) << messageOf(result).text;
    EXPECT_EQ(refused, std::vector<Failure>(4, Failure::Busy));
    EXPECT_EQ(rig.mouse.eeprom(), loaded);
    EXPECT_TRUE(rig.commands(command::kLiveWrite).empty());
    EXPECT_EQ(rig.commands(command::kBlockWrite).size(), 1u);
}

TEST(Reentry, AttemptsDuringTheRestartWaitAreRefused) {
    OperationsRig rig;
    int attempts = 0;
    rig.presenter.onPump = [&] {
        ++attempts;
        for (const Failure failure : nestedAttempts(rig))
            EXPECT_EQ(failure, Failure::Busy);
    };
    const Result result = rig.session.restartAndReconnect();
    rig.presenter.onPump = nullptr;
    EXPECT_TRUE(result.ok()) << messageOf(result).text;
    EXPECT_GT(attempts, 10);  // every pump step of the 5.1 s wait
    EXPECT_TRUE(rig.commands(command::kLiveWrite).empty());
    EXPECT_EQ(rig.commands(command::kBlockRead).size(), 1u) << "only the read-back";
}

TEST(Reentry, ChangeObserversCannotStartAnOperation) {
    OperationsRig rig;
    std::vector<Failure> refused;
    rig.workspace.changes().subscribe([&](const Change& change) {
        if (change.kind == ChangeKind::ImageReplaced)
            refused.push_back(rig.protocol.liveWrite(170, 1, 0, 0, 1).failure);
    });
    ASSERT_TRUE(rig.session.readWholeImage().ok());
    EXPECT_EQ(refused, std::vector<Failure>{Failure::Busy});
    EXPECT_TRUE(rig.commands(command::kLiveWrite).empty());
}

TEST(Reentry, BusyIsAnnouncedOnceForAWholeOperation) {
    OperationsRig rig;
    ASSERT_TRUE(rig.session.restartAndReconnect().ok());
    std::vector<int> busy;
    for (const Change& change : rig.recorder.changes) {
        if (change.kind == ChangeKind::Busy)
            busy.push_back(change.value);
    }
    EXPECT_EQ(busy, (std::vector<int>{1, 0}));
}

}  // namespace
}  // namespace gm::device::session
