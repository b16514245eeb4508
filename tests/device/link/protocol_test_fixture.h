#pragma once
// A command protocol wired to a virtual mouse on a virtual bus, with a presenter that records
// what it was asked to show (sealed by the operation guard, as production wires it), and helpers
// to pick reports out of the mouse's record.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "device/clock.h"
#include "device/link/operation_guard.h"
#include "device/link/protocol.h"
#include "device/link/sealed_presenter.h"
#include "device/link/transport.h"
#include "device/presenter.h"
#include "device/sim/virtual_bus.h"
#include "device/sim/virtual_mouse.h"
#include "device/timing.h"
#include "support/seen_commands.h"

namespace gm::device::test {

using Bytes = std::vector<std::uint8_t>;

// Records presenter calls as "show i/n", "hide" and "pump". The hooks play the driver handling
// an event during that call (a click, a timer tick).
class RecordingPresenter final : public Presenter {
public:
    void showProgress(int chunk, int chunks) override {
        events.push_back("show " + std::to_string(chunk) + "/" + std::to_string(chunks));
        if (onShow)
            onShow(chunk, chunks);
    }
    void hideProgress() override { events.push_back("hide"); }
    void pumpEvents() override {
        events.push_back("pump");
        if (onPump)
            onPump();
    }

    std::vector<std::string> events;
    std::function<void(int, int)> onShow;
    std::function<void()> onPump;
};

class ProtocolTest : public ::testing::Test {
protected:
    explicit ProtocolTest(Timing pacing = Timing::instant()) : timing(pacing) {}

    void SetUp() override {
        bus.attach(mouse);
        ASSERT_TRUE(transport.openMouse(kMouseIdentity.vendorId, kMouseIdentity.productId).found);
        ASSERT_TRUE(transport.hasCommandChannel());
        ASSERT_TRUE(transport.hasDataChannel());
        mouse.clearReports();
    }

    // Reports the mouse saw since SetUp, as their bytes.
    std::vector<Bytes> seen() const {
        std::vector<Bytes> bytes;
        for (const sim::SeenReport& report : mouse.reports())
            bytes.push_back(report.bytes);
        return bytes;
    }
    // Only the command reports, or only the data reports (both directions).
    std::vector<Bytes> commands() const { return gm::testing::commandReports(mouse); }
    std::vector<Bytes> dataReports() const { return gm::testing::dataReports(mouse); }

    // An EEPROM whose every byte differs from its neighbours, so misplaced bytes show.
    static image::Image patternedImage() {
        image::Image image{};
        for (std::size_t i = 0; i < image.size(); ++i) {
            image[i] = static_cast<std::uint8_t>((i * 7 + i / 256) & 0xFF);
        }
        return image;
    }

    ManualClock clock;
    Timing timing;
    sim::VirtualBus bus;
    sim::VirtualMouse mouse{clock, image::ChipType::Chip4210A};
    OperationGuard guard;
    RecordingPresenter presenter;
    SealedPresenter sealed{presenter, guard};
    Transport transport{bus, clock, timing};
    CommandProtocol protocol{transport, guard, clock, timing, sealed};
};

}  // namespace gm::device::test
