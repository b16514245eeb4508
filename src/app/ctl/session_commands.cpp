// gmousectl's session commands: profile files, factory resets, patch code, engineering imports,
// backups, and watching the mouse come and go.

#include <charconv>
#include <optional>
#include <ostream>
#include <string>

#include "app/ctl/backup_folder.h"
#include "app/ctl/cli_values.h"
#include "app/ctl/command.h"
#include "app/ctl/device_context.h"
#include "app/ctl/session_watch.h"
#include "device/session/engineering_imports.h"
#include "device/session/factory_reset.h"
#include "device/session/patch_update.h"
#include "device/session/profile_transfer.h"
#include "host/files/atomic_file_writer.h"
#include "image/echoed_text.h"
#include "image/files/file_io.h"
#include "image/files/profile_file.h"

namespace gm::ctl {
namespace {

namespace fs = std::filesystem;
namespace dev = device::session;

// The single positional argument of a command, or a usage error naming `what`.
std::optional<std::string> onlyArgument(const ParsedArgs& args, const std::string& what,
                                        std::ostream& err) {
    if (args.positional.size() != 1) {
        usageError(err, "expected " + what);
        return std::nullopt;
    }
    return args.positional[0];
}

// Checks an input file can be read before any report reaches the mouse.
bool readable(const std::string& path, std::ostream& err) {
    const image::files::ReadResult read = image::files::readFile(path, 1);
    if (read.ok())
        return true;
    err << "gmousectl: " << read.error << "\n";
    return false;
}

// Runs `operation` on the workspace once the mouse is connected and its image read. With a
// backup folder, whole-image writes keep their backups there (unless --no-backup).
template <typename Operation>
int runOnMouse(const ParsedArgs& args, std::ostream& out, std::ostream& err,
               const std::optional<fs::path>& backups, Operation operation) {
    return runDeviceCommand(args, out, err, Connect::ReadImage,
                            [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                if (backups)
                                    applyBackupOptions(args, *backups, context);
                                return operation(context.workspace(), o, e);
                            });
}

// The backup folder of a command that replaces the whole image; a usage error when none.
std::optional<fs::path> requiredBackupFolder(const ParsedArgs& args, std::ostream& err) {
    std::string error;
    auto folder = backupFolder(args, error);
    if (!folder)
        usageError(err, error);
    return folder;
}

// Says what a whole-image write did; the failure, named, otherwise.
int reportWrite(const device::Result& result, std::ostream& out, std::ostream& err,
                const std::string& done) {
    const int status = report(result, err);
    if (status == kExitOk)
        out << done << "; the mouse restarted and was read back\n";
    return status;
}

int runSave(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const auto file = onlyArgument(args, "FILE", err);
    if (!file)
        return kExitUsage;
    if (file->empty())
        return usageError(err, "FILE must not be empty");
    if (std::error_code ec; fs::is_directory(image::files::profileSaveName(*file), ec))
        return usageError(
            err, image::echoed(image::files::profileSaveName(*file).string()) + " is a folder");
    return runDeviceCommand(args, out, err, Connect::Identify,
                            [&](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                fs::path saved;
                                const int status =
                                    report(dev::saveProfile(context.workspace(), *file, saved), e);
                                if (status == kExitOk)
                                    o << "saved the mouse's image to " << saved.string() << "\n";
                                return status;
                            });
}

int runLoad(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const auto file = onlyArgument(args, "FILE", err);
    if (!file)
        return kExitUsage;
    const image::files::SizedFile profile = image::files::readProfileFile(*file);
    if (!profile.ok())
        return usageError(err, profile.error);
    if (!image::files::hasProfileMarker(profile)) {
        return usageError(err, device::messages::kLoadingBinError.text + " (" +
                                   image::echoed(*file) +
                                   ": byte 495 is not 0xE0, so it is not a profile file)");
    }
    const auto backups = requiredBackupFolder(args, err);
    if (!backups)
        return kExitUsage;
    return runOnMouse(args, out, err, backups,
                      [&](device::Workspace& workspace, std::ostream& o, std::ostream& e) {
                          const auto otherChip = args.has("--force") ? dev::OtherChip::Allowed
                                                                     : dev::OtherChip::Refused;
                          return reportWrite(dev::loadProfile(workspace, *file, otherChip), o, e,
                                             "loaded " + *file);
                      });
}

int runReset(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const auto text = onlyArgument(args, "1, 2 or 3", err);
    if (!text)
        return kExitUsage;
    const auto config = wholeNumber(*text, 1, dev::kFactoryConfigCount);
    if (!config)
        return usageError(
            err, "'" + image::echoed(*text) + "' is not a factory configuration (1, 2, 3)");
    const auto backups = requiredBackupFolder(args, err);
    if (!backups)
        return kExitUsage;
    return runOnMouse(args, out, err, backups,
                      [&](device::Workspace& workspace, std::ostream& o, std::ostream& e) {
                          const std::string chip(image::chipText(
                              workspace.model().chip.value_or(image::ChipType::Chip4210A)));
                          return reportWrite(dev::writeFactoryImage(workspace, *config), o, e,
                                             "wrote factory configuration " +
                                                 std::to_string(*config) + " for the " + chip);
                      });
}

int runPatch(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const auto file = onlyArgument(args, "FILE", err);
    if (!file || !readable(*file, err))
        return kExitUsage;
    const auto backups = requiredBackupFolder(args, err);
    if (!backups)
        return kExitUsage;
    return runOnMouse(
        args, out, err, backups,
        [&](device::Workspace& workspace, std::ostream& o, std::ostream& e) {
            dev::PatchUpdate update(workspace);
            update.openPage();
            if (const int status = report(update.loadFile(*file), e); status != kExitOk) {
                return status;
            }
            return reportWrite(update.program(), o, e, "programmed the patch code of " + *file);
        });
}

template <typename Import>
int runImport(const ParsedArgs& args, std::ostream& out, std::ostream& err, const char* what,
              Import import) {
    const auto file = onlyArgument(args, "FILE", err);
    if (!file || !readable(*file, err))
        return kExitUsage;
    return runOnMouse(args, out, err, std::nullopt,
                      [&](device::Workspace& workspace, std::ostream& o, std::ostream& e) {
                          const int status = report(import(workspace, *file), e);
                          if (status == kExitOk)
                              o << "wrote " << what << " of " << *file << " to the mouse\n";
                          return status;
                      });
}

int runBackups(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (!args.positional.empty()) {
        return usageError(err, "unexpected argument (did you mean 'backups restore N'?)");
    }
    const auto folder = requiredBackupFolder(args, err);
    if (!folder)
        return kExitUsage;
    host::AtomicFileWriter files;
    const image::files::BackupStore store(
        *folder, [] { return std::chrono::system_clock::now(); }, files);
    std::string error;
    const auto entries = store.list(error);
    if (!error.empty()) {
        err << "gmousectl: " << error << "\n";
        return kExitFailure;
    }
    if (entries.empty()) {
        out << "no backups in " << folder->string() << "\n";
        return kExitOk;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        out << (i + 1) << "  " << entries[i].stamp << "  " << entries[i].reason << "  "
            << entries[i].path.string() << "\n";
    }
    return kExitOk;
}

int runBackupRestore(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const auto text = onlyArgument(args, "N (see 'gmousectl backups')", err);
    if (!text)
        return kExitUsage;
    const auto folder = requiredBackupFolder(args, err);
    if (!folder)
        return kExitUsage;
    host::AtomicFileWriter files;
    const image::files::BackupStore store(
        *folder, [] { return std::chrono::system_clock::now(); }, files);
    std::string error;
    const std::size_t count = store.list(error).size();
    if (!error.empty())
        return usageError(err, error);
    const auto number = wholeNumber(*text, 1, static_cast<int>(std::max<std::size_t>(count, 1)));
    if (!number || count == 0) {
        return usageError(err, "'" + image::echoed(*text) + "' is not a backup number; " +
                                   image::echoed(folder->string()) + " holds " +
                                   std::to_string(count) + " backup(s)");
    }
    const image::files::BackupLoadResult backup = store.load(static_cast<std::size_t>(*number));
    if (!backup.ok())
        return usageError(err, backup.error);
    return runOnMouse(args, out, err, folder,
                      [&](device::Workspace& workspace, std::ostream& o, std::ostream& e) {
                          return reportWrite(
                              dev::restoreBackup(workspace, static_cast<std::size_t>(*number)), o,
                              e, "restored backup " + std::to_string(*number));
                      });
}

std::string withDeviceHelp(const std::string& text) {
    return text + "\n\n" + kDeviceOptionsHelp;
}

std::string withBackupHelp(const std::string& text) {
    return text + "\n\n" + kBackupDirHelp + "\n" + kDeviceOptionsHelp;
}

}  // namespace

void registerSessionCommands(CommandRegistry& registry) {
    registry.add({"save", "FILE [DEVICE OPTIONS]", "save the mouse's whole image to a profile file",
                  withDeviceHelp("Reads the whole image from the mouse and writes its 2048 bytes "
                                 "to FILE;\n\".bin\" is added unless the name ends in it."),
                  withDeviceOptions(), runSave});
    registry.add({"load", "FILE [--force] [--backup-dir DIR] [--no-backup] [DEVICE OPTIONS]",
                  "load a profile file into the mouse",
                  withBackupHelp("Writes the 2048-byte image of FILE to the mouse and restarts it. "
                                 "FILE must have\n0xE0 at byte 495. A shorter file keeps the "
                                 "mouse's bytes past its end; a longer\none is cut at 2048 "
                                 "bytes; both are reported. A file whose patch code does\nnot "
                                 "fit the mouse's chip is refused unless --force is given."),
                  withDeviceOptions({kBackupDirOption, kNoBackupOption, {{"--force"}}}), runLoad});
    registry.add({"reset", "1|2|3 [--backup-dir DIR] [--no-backup] [DEVICE OPTIONS]",
                  "write a factory configuration to the mouse",
                  withBackupHelp("Writes factory image Cfg1, Cfg2 or Cfg3 of the mouse's chip type "
                                 "and restarts it."),
                  withDeviceOptions({kBackupDirOption, kNoBackupOption}), runReset});
    registry.add({"patch", "FILE [--backup-dir DIR] [--no-backup] [DEVICE OPTIONS]",
                  "program a new patch code",
                  withBackupHelp("FILE holds a 16-byte patch header (length at bytes 2..3, high "
                                 "byte first) and\nthe patch code. The header's checksum is "
                                 "rebuilt, header and the whole patch\narea are written, and the "
                                 "mouse restarts. Refused: files shorter than the header,\na "
                                 "length larger than the chip's patch area (784 bytes on the "
                                 "4210A, 512 on\nthe 4230A), and files holding fewer code bytes "
                                 "than the length."),
                  withDeviceOptions({kBackupDirOption, kNoBackupOption}), runPatch});
    registry.add({"import-macros", "FILE [DEVICE OPTIONS]",
                  "write a 512-byte base macro file to the mouse's macro area",
                  withDeviceHelp("Writes FILE's 512 bytes to image offsets 496..1007."),
                  withDeviceOptions(), [](const ParsedArgs& a, std::ostream& o, std::ostream& e) {
                      return runImport(a, o, e, "the macro area", dev::importBaseMacros);
                  }});
    registry.add({"import-fire-macros", "FILE [DEVICE OPTIONS]",
                  "write ten 24-byte fire macro records to the mouse",
                  withDeviceHelp("Record i is read at file offset 24*i. On the 4230A each fills "
                                 "the first 24 bytes\nof its 32-byte record (the last 8 become "
                                 "zero) and the fire macro names stay."),
                  withDeviceOptions(), [](const ParsedArgs& a, std::ostream& o, std::ostream& e) {
                      return runImport(a, o, e, "the fire macros", dev::importFireMacros);
                  }});
    registry.add(watchCommand());
    registry.add({"backups",
                  "[--backup-dir DIR]",
                  "list the images kept before whole-image writes, newest first",
                  kBackupDirHelp,
                  {kBackupDirOption},
                  runBackups});
    registry.add(
        {"backups restore", "N [--backup-dir DIR] [--no-backup] [DEVICE OPTIONS]",
         "write backup N back to the mouse",
         withBackupHelp("Writes backup N (1 = newest, see 'gmousectl backups') to the mouse like "
                        "'load'\nand restarts it; the image it replaces is kept as a new backup."),
         withDeviceOptions({kBackupDirOption, kNoBackupOption}), runBackupRestore});
}

}  // namespace gm::ctl
