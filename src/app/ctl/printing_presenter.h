#pragma once
// The command line's presenter: messages on standard error, one line each; progress is not
// shown, so output stays clean for pipes. Safe from the status listener's thread.

#include <mutex>
#include <ostream>

#include "device/presenter.h"

namespace gm::ctl {

class PrintingPresenter final : public device::Presenter {
public:
    explicit PrintingPresenter(std::ostream& err) : err_(err) {}
    void showMessage(const device::Message& message) override {
        std::lock_guard lock(mutex_);
        err_ << "gmousectl: " << message.text << "\n" << std::flush;
    }

private:
    std::ostream& err_;
    std::mutex mutex_;
};

}  // namespace gm::ctl
