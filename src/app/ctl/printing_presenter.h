#pragma once
// The command line's presenter: messages on standard error, one line each; progress is not
// shown, so output stays clean for pipes.

#include <ostream>
#include <string_view>

#include "device/messages.h"
#include "device/presenter.h"

namespace gm::ctl {

class PrintingPresenter final : public device::Presenter {
public:
    explicit PrintingPresenter(std::ostream& err) : err_(err) {}
    void showMessage(const device::Message& message) override {
        if (!quiet_ || foundOnTheRead(message.textId))
            err_ << "gmousectl: " << message.text << "\n" << std::flush;
    }
    // While quiet, the session's own messages are dropped (the caller reports the outcome
    // itself), but not what the read found and did to the mouse's sections.
    void setQuiet(bool quiet) { quiet_ = quiet; }

private:
    static bool foundOnTheRead(std::string_view textId) {
        namespace text = device::text;
        return textId == text::kInterruptedWriteCompleted ||
               textId == text::kInterruptedWriteRewritten ||
               textId == text::kInterruptedRearmCompleted || textId == text::kRebuiltWithBackup ||
               textId == text::kRebuiltWithoutBackup;
    }

    std::ostream& err_;
    bool quiet_ = false;
};

}  // namespace gm::ctl
