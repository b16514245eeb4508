#pragma once
// A read that counts only when every data report arrived. The protocol carries on past refused
// data reports (they stay 0xFF), so a mouse that left in the middle of a read still returns
// true; the refusal count tells the difference. The transaction lock is held across the read
// and the count so that the status listener's reads cannot finish in between.

#include "device/link/protocol.h"
#include "device/link/transport.h"

namespace gm::device::session {

template <typename Read>
bool readCompletely(Transport& transport, CommandProtocol& protocol, Read read) {
    const auto transaction = transport.transaction();
    const bool accepted = read();
    return accepted && protocol.lastRefusedReports() == 0;
}

}  // namespace gm::device::session
