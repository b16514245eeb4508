#include "macros/pc_macros.h"

#include <algorithm>

#include "macros/device_tables.h"
#include "macros/macro_name.h"

namespace gm::macros {

namespace {

using image::PcMacroRecord;
using image::PcMacroStore;

void tell(device::Workspace& workspace) {
    workspace.changes().notify(
        {device::session::ChangeKind::Macros, static_cast<int>(MacroList::Library), {}});
}

bool isListed(const PcMacroStore& store, const image::MacroName& name) {
    return std::any_of(store.records.begin(), store.records.end(), [&](const PcMacroRecord& r) {
        return isUsedRecord(r.name) && r.name == name;
    });
}

// Where a new macro goes: after the last used record, else in the first gap.
std::optional<std::size_t> freeRecord(const PcMacroStore& store) {
    const auto& records = store.records;
    const auto lastUsed = std::find_if(records.rbegin(), records.rend(),
                                       [](const auto& r) { return isUsedRecord(r.name); });
    const auto after = static_cast<std::size_t>(records.rend() - lastUsed);
    if (after < records.size())
        return after;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!isUsedRecord(records[i].name))
            return i;
    }
    return std::nullopt;
}

// Places `record` as a new macro; refused when its name is taken or the list is full.
MacroOutcome place(device::Workspace& workspace, const PcMacroRecord& record) {
    PcMacroStore& store = workspace.pcMacros();
    const std::string name = decodeMacroName(record.name);
    if (isListed(store, record.name))
        return MacroOutcome::refuse(Refusal::Duplicate, name);
    const std::optional<std::size_t> free = freeRecord(store);
    if (!free)
        return MacroOutcome::refuse(Refusal::LibraryFull, name);
    store.records[*free] = record;
    tell(workspace);
    MacroOutcome outcome;
    outcome.index = free;
    return outcome;
}

bool isUsed(const PcMacroStore& store, std::size_t record) {
    return record < store.records.size() && isUsedRecord(store.records[record].name);
}

// Copies as many bytes as `from` holds into `to`.
template <std::size_t N>
void fill(std::array<std::uint8_t, N>& to, std::span<const std::uint8_t> from) {
    std::copy_n(from.begin(), std::min(N, from.size()), to.begin());
}

PcMacroRecord recordOf(std::span<const std::uint8_t> bytes) {
    PcMacroRecord record;
    fill(record.name, bytes);
    if (bytes.size() > image::kMacroNameSize)
        fill(record.body, bytes.subspan(image::kMacroNameSize));
    return record;
}

}  // namespace

std::vector<std::size_t> listedRecords(const PcMacroStore& store) {
    std::vector<std::size_t> listed;
    for (std::size_t i = 0; i < store.records.size(); ++i) {
        if (isUsedRecord(store.records[i].name))
            listed.push_back(i);
    }
    return listed;
}

std::optional<image::MacroName> macroNameOf(std::string_view text) {
    const image::MacroName name = encodeMacroName(text);
    if (decodeMacroName(name) != text || !isStorableName(name))
        return std::nullopt;
    return name;
}

std::optional<std::size_t> findPcMacro(const PcMacroStore& store, std::string_view text) {
    for (std::size_t i = 0; i < store.records.size(); ++i) {
        if (isUsedRecord(store.records[i].name) && decodeMacroName(store.records[i].name) == text)
            return i;
    }
    return std::nullopt;
}

MacroOutcome newPcMacro(device::Workspace& workspace, std::string_view text) {
    const std::optional<image::MacroName> name = macroNameOf(text);
    if (!name)
        return MacroOutcome::refuse(Refusal::BadName, std::string(text));
    PcMacroRecord record;
    record.name = *name;
    return place(workspace, record);
}

MacroOutcome renamePcMacro(device::Workspace& workspace, std::size_t record,
                           std::string_view text) {
    PcMacroStore& store = workspace.pcMacros();
    if (!isUsed(store, record))
        return MacroOutcome::refuse(Refusal::NotFound);
    const std::optional<image::MacroName> name = macroNameOf(text);
    if (!name)
        return MacroOutcome::refuse(Refusal::BadName, std::string(text));
    if (isListed(store, *name))
        return MacroOutcome::refuse(Refusal::Duplicate, std::string(text));
    store.records[record].name = *name;
    tell(workspace);
    MacroOutcome outcome;
    outcome.index = record;
    return outcome;
}

MacroOutcome setPcMacroBody(device::Workspace& workspace, std::size_t record,
                            const image::MacroBody& body) {
    PcMacroStore& store = workspace.pcMacros();
    if (!isUsed(store, record))
        return MacroOutcome::refuse(Refusal::NotFound);
    store.records[record].body = body;
    tell(workspace);
    MacroOutcome outcome;
    outcome.index = record;
    return outcome;
}

MacroOutcome deletePcMacro(device::Workspace& workspace, std::size_t record) {
    PcMacroStore& store = workspace.pcMacros();
    if (!isUsed(store, record))
        return MacroOutcome::refuse(Refusal::NotFound);
    auto& records = store.records;
    std::move(records.begin() + static_cast<std::ptrdiff_t>(record) + 1, records.end(),
              records.begin() + static_cast<std::ptrdiff_t>(record));
    records.back() = {};
    tell(workspace);
    MacroOutcome outcome;
    const std::vector<std::size_t> listed = listedRecords(store);
    if (!listed.empty()) {
        // The entry before the deleted one in the list, or the first.
        const auto before = std::find_if(listed.rbegin(), listed.rend(),
                                         [record](std::size_t r) { return r < record; });
        outcome.index = before != listed.rend() ? *before : listed.front();
    }
    return outcome;
}

MacroOutcome importOnePcMacro(device::Workspace& workspace, std::span<const std::uint8_t> bytes) {
    const PcMacroRecord record = recordOf(bytes);
    if (!isUsedRecord(record.name))
        return MacroOutcome::refuse(Refusal::NoRecord);
    return place(workspace, record);
}

void importAllPcMacros(device::Workspace& workspace, std::span<const std::uint8_t> bytes) {
    workspace.pcMacros() = storeOfBytes(bytes);
    tell(workspace);
}

std::vector<std::uint8_t> recordBytes(const PcMacroRecord& record) {
    std::vector<std::uint8_t> bytes(record.name.begin(), record.name.end());
    bytes.insert(bytes.end(), record.body.begin(), record.body.end());
    return bytes;
}

std::vector<std::uint8_t> storeBytes(const PcMacroStore& store) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(image::kMacroFileSize);
    for (const PcMacroRecord& record : store.records) {
        const std::vector<std::uint8_t> one = recordBytes(record);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

PcMacroStore storeOfBytes(std::span<const std::uint8_t> bytes) {
    PcMacroStore store;
    for (std::size_t i = 0; i < store.records.size(); ++i) {
        const std::size_t at = i * image::kMacroRecordSize;
        if (at >= bytes.size())
            break;
        store.records[i] =
            recordOf(bytes.subspan(at, std::min(image::kMacroRecordSize, bytes.size() - at)));
    }
    return store;
}

}  // namespace gm::macros
