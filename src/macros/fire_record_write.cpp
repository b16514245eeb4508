#include "macros/fire_record_write.h"

#include "device/session/image_writes.h"
#include "image/image_model.h"
#include "macros/fire_records.h"

namespace gm::macros {

namespace session = device::session;

FireRecordWrite writeFireRecord(device::Workspace& workspace, std::size_t index,
                                std::span<const MacroEvent> events) {
    FireRecordWrite write;
    const session::DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started()) {
        write.written = operation.refusal;
        return write;
    }
    image::ImageModel& model = workspace.model();
    std::vector<std::uint8_t>& record = model.copies.fireMacroRecords.at(index);
    const FireEncoding encoded = encodeFireRecord(events, record.size());
    if (!encoded.ok()) {
        write.refusal = encoded.refusal;
        return write;
    }
    auto batch = workspace.changes().batch();
    record = encoded.record;
    image::placeFireMacros(model);
    if (!session::maySend(workspace))
        return write;
    const image::Area tail{model.geometry.tailOffset, model.copies.tail.size()};
    write.written = session::writeArea(workspace, tail, device::Step::WriteFireMacros);
    if (!write.written.ok())
        image::cutFireMacros(model);  // the tail as the mouse holds it now
    return write;
}

}  // namespace gm::macros
