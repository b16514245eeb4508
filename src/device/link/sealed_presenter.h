#pragma once
// The presenter as the core calls it while an operation runs: every call out to the driver is
// made with the operation guard sealed, so whatever the driver does in it (a click handled while
// events are pumped, a timer tick) cannot start a second operation in the middle of this one.

#include "device/link/operation_guard.h"
#include "device/presenter.h"

namespace gm::device {

class SealedPresenter final : public Presenter {
public:
    SealedPresenter(Presenter& driver, OperationGuard& guard) : driver_(driver), guard_(guard) {}

    void showProgress(int chunk, int chunks) override {
        guard_.callOut([&] { driver_.showProgress(chunk, chunks); });
    }
    void hideProgress() override {
        guard_.callOut([&] { driver_.hideProgress(); });
    }
    void pumpEvents() override {
        guard_.callOut([&] { driver_.pumpEvents(); });
    }
    void showMessage(const Message& message) override {
        guard_.callOut([&] { driver_.showMessage(message); });
    }

private:
    Presenter& driver_;
    OperationGuard& guard_;
};

}  // namespace gm::device
