// gmousectl's macro commands: the PC macro library in the macro file, the macros stored in the
// mouse, and the exchange files of both.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>

#include "app/ctl/cli_values.h"
#include "app/ctl/command.h"
#include "app/ctl/device_context.h"
#include "app/ctl/lines_file.h"
#include "host/files/atomic_file_writer.h"
#include "host/files/macro_exchange.h"
#include "host/files/macro_folder.h"
#include "host/files/macro_library_file.h"
#include "image/echoed_text.h"
#include "image/hex_text.h"
#include "image/settings/program_settings.h"
#include "macros/body_scan.h"
#include "macros/device_macros.h"
#include "macros/event_lines.h"
#include "macros/macro_events.h"
#include "macros/macro_name.h"
#include "macros/pc_macros.h"

namespace gm::ctl {
namespace {

namespace fs = std::filesystem;
using macros::MacroOutcome;
using macros::Refusal;

const char* const kMacroHelp =
    "PC macros are kept in the macro file RDXM4210A-Macro.bin: in --macro-folder DIR when\n"
    "given, else in the program's folder when it may be written, else in $XDG_DATA_HOME/gmouse\n"
    "(~/.local/share/gmouse). The mouse stores up to 15 macros in 512 bytes. Names are matched\n"
    "exactly.\n\n";

fs::path libraryPath(const ParsedArgs& args) {
    if (const auto folder = args.value("--macro-folder"))
        return fs::path(*folder) / host::kMacroFileName;
    const std::string& setting = image::settings::builtInProgramSettings().macroFolder;
    return host::macroFolder(host::systemFolderRules(setting)) / host::kMacroFileName;
}

// Prints the outcome's notes and what refused or failed it; the exit status.
int sayOutcome(const MacroOutcome& outcome, std::ostream& err) {
    if (!outcome.refused())
        return report(outcome.result, err);
    for (const device::Message& note : outcome.result.notes)
        err << "gmousectl: " << note.text << "\n";
    err << "gmousectl: " << macros::messageOf(outcome).text << "\n";
    return outcome.refusal == Refusal::NotFound || outcome.refusal == Refusal::BadName
               ? kExitUsage
               : kExitFailure;
}

MacroOutcome notFound(const std::string& name) {
    return MacroOutcome::refuse(Refusal::NotFound, name);
}

using LibraryBody =
    std::function<int(DeviceContext&, host::MacroLibraryFile&, std::ostream&, std::ostream&)>;

// Runs `body` with the macro file loaded into the workspace (and the mouse read when asked).
int runOnLibrary(const ParsedArgs& args, std::ostream& out, std::ostream& err, Connect connect,
                 const LibraryBody& body) {
    return runDeviceCommand(args, out, err, connect,
                            [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                host::AtomicFileWriter writer;
                                host::MacroLibraryFile library(libraryPath(args), writer);
                                if (const int status = report(library.load(context.workspace()), e);
                                    status != kExitOk) {
                                    return status;
                                }
                                return body(context, library, o, e);
                            });
}

void printEvents(std::span<const std::uint8_t> body, std::ostream& out) {
    out << macros::eventLines(body);
}

int runList(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (!args.positional.empty())
        return usageError(err, "macro list takes no arguments");
    // The PC macros need no mouse: they are listed before it is looked for.
    return runOnLibrary(args, out, err, Connect::No,
                        [](DeviceContext& context, host::MacroLibraryFile& library, std::ostream& o,
                           std::ostream& e) {
                            device::Workspace& workspace = context.workspace();
                            o << "PC macros (" << library.path().string() << ")\n";
                            const image::PcMacroStore& store = workspace.pcMacros();
                            for (const std::size_t record : macros::listedRecords(store)) {
                                o << "  " << record + 1 << "  "
                                  << macros::decodeMacroName(store.records[record].name) << "  "
                                  << macros::scanBody(store.records[record].body).length
                                  << " bytes\n";
                            }
                            if (const int status = report(context.connect(Connect::ReadImage), e);
                                status != kExitOk) {
                                return status;
                            }
                            const image::DeviceMacroTables& tables = workspace.model().macros;
                            o << "Storage in mouse (" << tables.total << " of 512 bytes)\n";
                            for (std::size_t slot = 0; slot < tables.entries.size(); ++slot) {
                                const image::DeviceMacroSlot& macro = tables.entries[slot];
                                if (macro.empty())
                                    continue;
                                o << "  slot " << slot + 1 << "  "
                                  << macros::decodeMacroName(macro.name) << "  "
                                  << macro.length - image::kMacroNameSize << " bytes  0x"
                                  << image::hexText(macro.address, 4) << "\n";
                            }
                            return kExitOk;
                        });
}

int runShow(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 1)
        return usageError(err, "expected NAME");
    const std::string name = args.positional[0];
    // A PC macro needs no mouse; a name that is not one is looked for in the mouse.
    bool shown = false;
    const int status = runOnLibrary(
        args, out, err, Connect::No,
        [&](DeviceContext& context, host::MacroLibraryFile&, std::ostream& o, std::ostream&) {
            const image::PcMacroStore& store = context.workspace().pcMacros();
            if (const auto record = macros::findPcMacro(store, name)) {
                printEvents(store.records[*record].body, o);
                shown = true;
            }
            return kExitOk;
        });
    if (status != kExitOk || shown)
        return status;
    return runDeviceCommand(
        args, out, err, Connect::ReadImage,
        [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
            const image::DeviceMacroTables& tables = context.workspace().model().macros;
            const auto slot = macros::findDeviceMacro(tables, macros::encodeMacroName(name));
            if (!slot || macros::decodeMacroName(tables.entries[*slot].name) != name)
                return sayOutcome(notFound(name), e);
            const image::DeviceMacroSlot& macro = tables.entries[*slot];
            printEvents(std::span(macro.body).first(macro.length - image::kMacroNameSize), o);
            return kExitOk;
        });
}

// A change of the library by name, made under the file's lock.
using LibraryChange = std::function<MacroOutcome(device::Workspace&)>;
int runLibraryChange(const ParsedArgs& args, std::ostream& out, std::ostream& err,
                     const LibraryChange& change, const std::function<std::string()>& said) {
    return runOnLibrary(args, out, err, Connect::No,
                        [&](DeviceContext& context, host::MacroLibraryFile& library,
                            std::ostream& o, std::ostream& e) {
                            device::Workspace& workspace = context.workspace();
                            const MacroOutcome outcome =
                                library.change(workspace, [&] { return change(workspace); });
                            if (const int status = sayOutcome(outcome, e); status != kExitOk)
                                return status;
                            o << said() << "\n";
                            return kExitOk;
                        });
}

int runNew(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 1)
        return usageError(err, "expected NAME");
    const std::string name = args.positional[0];
    return runLibraryChange(
        args, out, err, [&](device::Workspace& w) { return macros::newPcMacro(w, name); },
        [&] { return "new macro " + name; });
}

int runRename(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 2)
        return usageError(err, "expected OLD NEW");
    const std::string from = args.positional[0];
    const std::string to = args.positional[1];
    return runLibraryChange(
        args, out, err,
        [&](device::Workspace& w) {
            const auto record = macros::findPcMacro(w.pcMacros(), from);
            return record ? macros::renamePcMacro(w, *record, to) : notFound(from);
        },
        [&] { return "renamed " + from + " to " + to; });
}

int runDelete(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 1)
        return usageError(err, "expected NAME");
    const std::string name = args.positional[0];
    return runLibraryChange(
        args, out, err,
        [&](device::Workspace& w) {
            const auto record = macros::findPcMacro(w.pcMacros(), name);
            return record ? macros::deletePcMacro(w, *record) : notFound(name);
        },
        [&] { return "deleted macro " + name; });
}

int runEdit(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 2)
        return usageError(err, "expected NAME FILE");
    const std::string name = args.positional[0];
    const fs::path file = args.positional[1];
    int status = kExitOk;
    const std::optional<macros::ReadLines> lines =
        readEventLinesFile(file, "macro edit", err, status);
    if (!lines)
        return status;
    const macros::ReadLines& read = *lines;
    if (!read.body.fits) {
        err << "gmousectl: the events of " << image::echoed(file.string())
            << " need more than the 256 bytes a macro holds; nothing was changed\n";
        return kExitUsage;
    }
    return runLibraryChange(
        args, out, err,
        [&](device::Workspace& w) {
            const auto record = macros::findPcMacro(w.pcMacros(), name);
            return record ? macros::setPcMacroBody(w, *record, read.body.body) : notFound(name);
        },
        [&] { return "stored " + std::to_string(read.body.length) + " bytes in macro " + name; });
}

int runImport(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 1)
        return usageError(err, "expected FILE");
    const fs::path file = args.positional[0];
    const host::ExchangeFile read =
        host::readExchangeFile(file, host::kOneMacroFileSize, "macro record");
    if (!read.result.ok() && read.result.failure == device::Failure::FileUnusable)
        return report(read.result, err);
    std::string name;
    return runLibraryChange(
        args, out, err,
        [&](device::Workspace& w) {
            MacroOutcome outcome = macros::importOnePcMacro(w, read.bytes);
            if (outcome.index)
                name = macros::decodeMacroName(w.pcMacros().records[*outcome.index].name);
            if (outcome.refusal == Refusal::NoRecord)
                outcome.subject = file.string();
            outcome.result.notes.insert(outcome.result.notes.begin(), read.result.notes.begin(),
                                        read.result.notes.end());
            return outcome;
        },
        [&] { return "imported macro " + name + " from " + file.string(); });
}

int runImportAll(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 1)
        return usageError(err, "expected FILE");
    const fs::path file = args.positional[0];
    const host::ExchangeFile read =
        host::readExchangeFile(file, host::kAllMacrosFileSize, "macro list");
    if (!read.result.ok())
        return report(read.result, err);
    return runLibraryChange(
        args, out, err,
        [&](device::Workspace& w) {
            macros::importAllPcMacros(w, read.bytes);
            MacroOutcome outcome;
            outcome.result.notes = read.result.notes;
            return outcome;
        },
        [&] { return "replaced the macro list with " + file.string(); });
}

// Writes an exchange file; prints `said` when it was written.
int sayExport(const device::Result& written, const std::string& said, std::ostream& out,
              std::ostream& err) {
    if (const int status = report(written, err); status != kExitOk)
        return status;
    out << said << "\n";
    return kExitOk;
}

int runExport(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 2)
        return usageError(err, "expected NAME FILE");
    const std::string name = args.positional[0];
    const fs::path file = args.positional[1];
    return runOnLibrary(
        args, out, err, Connect::No,
        [&](DeviceContext& context, host::MacroLibraryFile&, std::ostream& o, std::ostream& e) {
            const image::PcMacroStore& store = context.workspace().pcMacros();
            const auto record = macros::findPcMacro(store, name);
            if (!record)
                return sayOutcome(notFound(name), e);
            host::AtomicFileWriter writer;
            return sayExport(
                host::writeExchangeFile(writer, file, macros::recordBytes(store.records[*record])),
                "exported macro " + name + " to " + file.string(), o, e);
        });
}

int runExportAll(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 1)
        return usageError(err, "expected FILE");
    const fs::path file = args.positional[0];
    return runOnLibrary(
        args, out, err, Connect::No,
        [&](DeviceContext& context, host::MacroLibraryFile&, std::ostream& o, std::ostream& e) {
            host::AtomicFileWriter writer;
            return sayExport(host::writeExchangeFile(
                                 writer, file, macros::storeBytes(context.workspace().pcMacros())),
                             "exported the macro list to " + file.string(), o, e);
        });
}

int runExportDevice(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 1)
        return usageError(err, "expected FILE");
    const fs::path file = args.positional[0];
    return runDeviceCommand(args, out, err, Connect::ReadImage,
                            [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                host::AtomicFileWriter writer;
                                const macros::MacroArea area =
                                    macros::deviceAreaExport(context.workspace().model().macros);
                                return sayExport(host::writeExchangeFile(writer, file, area),
                                                 "exported the mouse's macros to " + file.string(),
                                                 o, e);
                            });
}

int runAddToMouse(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 1)
        return usageError(err, "expected NAME");
    const std::string name = args.positional[0];
    return runOnLibrary(
        args, out, err, Connect::ReadImage,
        [&](DeviceContext& context, host::MacroLibraryFile&, std::ostream& o, std::ostream& e) {
            device::Workspace& workspace = context.workspace();
            const auto record = macros::findPcMacro(workspace.pcMacros(), name);
            if (!record)
                return sayOutcome(notFound(name), e);
            const MacroOutcome added =
                macros::addToMouse(workspace, workspace.pcMacros().records[*record]);
            if (const int status = sayOutcome(added, e); status != kExitOk)
                return status;
            const image::DeviceMacroSlot& slot = workspace.model().macros.entries[*added.index];
            o << "added " << name << " to the mouse: slot " << *added.index + 1 << ", 0x"
              << image::hexText(slot.address, 4) << "\n";
            return kExitOk;
        });
}

int runDeleteFromMouse(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (args.positional.size() != 1)
        return usageError(err, "expected NAME");
    const std::string name = args.positional[0];
    return runDeviceCommand(
        args, out, err, Connect::ReadImage,
        [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
            device::Workspace& workspace = context.workspace();
            const image::DeviceMacroTables& tables = workspace.model().macros;
            const auto slot = macros::findDeviceMacro(tables, macros::encodeMacroName(name));
            if (!slot || macros::decodeMacroName(tables.entries[*slot].name) != name)
                return sayOutcome(notFound(name), e);
            if (const int status = sayOutcome(macros::deleteFromMouse(workspace, *slot), e);
                status != kExitOk) {
                return status;
            }
            o << "deleted " << name << " from the mouse\n";
            return kExitOk;
        });
}

std::string withHelp(const std::string& text) {
    return kMacroHelp + text + "\n\n" + kDeviceOptionsHelp;
}

OptionList macroOptions() {
    return withDeviceOptions({{{"--macro-folder"}, OptionValue::Required}});
}

int runMacroAlone(const ParsedArgs&, std::ostream&, std::ostream& err) {
    return usageError(
        err,
        "macro needs a subcommand: list, show, edit, new, rename, delete, add-to-mouse, "
        "delete-from-mouse, export, export-all, import, import-all, export-device "
        "(gmousectl macro SUBCOMMAND --help)");
}

}  // namespace

void registerMacroCommands(CommandRegistry& registry) {
    const std::string options = "[--macro-folder DIR] [DEVICE OPTIONS]";
    registry.add(
        {"macro",
         "SUBCOMMAND ...",
         "the PC macro list and the macros in the mouse",
         "Subcommands: list, show, edit, new, rename, delete, add-to-mouse, delete-from-mouse,\n"
         "export, export-all, import, import-all, export-device.",
         {},
         runMacroAlone});
    const struct {
        const char* name;
        const char* usage;
        const char* summary;
        const char* help;
        int (*run)(const ParsedArgs&, std::ostream&, std::ostream&);
    } commands[] = {
        {"macro list", "", "list the PC macros and the macros stored in the mouse",
         "PC macros with their number and body bytes; the mouse's with their slot, body bytes\n"
         "and body address.",
         runList},
        {"macro show", "NAME", "print a macro's events, one a line",
         "A PC macro of that name, else the mouse's: \"A down\", \"50 ms\", \"left up\",\n"
         "\"move 5 -3\", \"repeat 3\" ... \"repeat end\". macro edit reads them back.",
         runShow},
        {"macro edit", "NAME FILE", "replace a PC macro's events with the lines of FILE",
         "FILE (\"-\": standard input) holds one event a line, as macro show prints them:\n"
         "  A down | A up | A click        a key (its name, or key 0x04)\n"
         "  Ctrl down | Ctrl+Shift up      modifiers: Ctrl Shift Alt Win, Right Ctrl ...\n"
         "  left click | backward down     buttons: left right middle forward backward\n"
         "  50 ms                          a delay of 0..65535 ms\n"
         "  move 5 -3                      a pointer movement, -128..127 each\n"
         "  repeat 3 ... repeat end        repeat 1..254 times\n"
         "  until released ... repeat end  repeat until the macro key is released\n"
         "Blank lines and lines starting with # are skipped. Refused, with the line's number,\n"
         "when a line is no event, and when the macro would exceed 256 bytes.",
         runEdit},
        {"macro new", "NAME", "add an empty PC macro",
         "NAME: 1 to 8 characters, not one already in the list.", runNew},
        {"macro rename", "OLD NEW", "rename a PC macro", "NEW may not be in the list already.",
         runRename},
        {"macro delete", "NAME", "delete a PC macro", "The later macros move up one.", runDelete},
        {"macro add-to-mouse", "NAME", "copy a PC macro into the mouse",
         "Refused when the mouse has a macro of that name, holds 15, or its 512 bytes would\n"
         "not take it.",
         runAddToMouse},
        {"macro delete-from-mouse", "NAME", "delete a macro stored in the mouse",
         "The later macros move up; buttons that ran them follow, buttons that ran this one\n"
         "get no function.",
         runDeleteFromMouse},
        {"macro export", "NAME FILE", "write a PC macro to a 272-byte exchange file", "",
         runExport},
        {"macro export-all", "FILE", "write the PC macro list to a 27200-byte file", "",
         runExportAll},
        {"macro import", "FILE", "add the macro of a 272-byte exchange file to the PC list",
         "Refused when its name is in the list already.", runImport},
        {"macro import-all", "FILE", "replace the PC macro list with a 27200-byte file",
         "Every PC macro is replaced by the file's.", runImportAll},
        {"macro export-device", "FILE",
         "write the mouse's 512-byte macro area, as it is written to the mouse", "",
         runExportDevice},
    };
    for (const auto& command : commands) {
        registry.add({command.name,
                      std::string(command.usage) + (*command.usage ? " " : "") + options,
                      command.summary, withHelp(command.help), macroOptions(), command.run});
    }
}

}  // namespace gm::ctl
