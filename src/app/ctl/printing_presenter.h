#pragma once
// The command line's presenter: messages on standard error, one line each; progress is not
// shown, so output stays clean for pipes.

#include <ostream>

#include "device/presenter.h"

namespace gm::ctl {

class PrintingPresenter final : public device::Presenter {
public:
    explicit PrintingPresenter(std::ostream& err) : err_(err) {}
    void showMessage(const device::Message& message) override {
        if (!quiet_)
            err_ << "gmousectl: " << message.text << "\n" << std::flush;
    }
    // While quiet, messages are dropped: the caller reports the outcome itself.
    void setQuiet(bool quiet) { quiet_ = quiet; }

private:
    std::ostream& err_;
    bool quiet_ = false;
};

}  // namespace gm::ctl
