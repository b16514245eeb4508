// gmousectl's device commands: list the mouse's interfaces, identify it, and move bytes with
// block, live and XDATA transfers.

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/ctl/cli_values.h"
#include "app/ctl/command.h"
#include "app/ctl/device_context.h"
#include "device/hid/mouse_reports.h"
#include "device/hid/report_descriptor.h"
#include "image/echoed_text.h"
#include "image/hex_dump.h"
#include "image/hex_text.h"

namespace gm::ctl {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kLiveSpace = 256;  // live transfers reach the first 256 image bytes
constexpr std::uint32_t kXDataSpace = 0x10000;
constexpr std::uint32_t kMaxLiveRead = 255;  // one count byte in the command

// A number given as 0x-hex or decimal, within [min, max]; nullopt with `error` set otherwise.
std::optional<std::uint32_t> parseNumber(const std::string& text, const std::string& what,
                                         std::uint32_t min, std::uint32_t max, std::string& error) {
    if (!text.empty() && text[0] == '-') {
        error = what + " " + image::echoed(text) + " must be 0 or more";
        return std::nullopt;
    }
    const bool isHex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (isHex ? 2 : 0);
    const char* last = text.data() + text.size();
    unsigned long long value = 0;
    const auto [end, ec] = std::from_chars(first, last, value, isHex ? 16 : 10);
    if (text.empty() || ec == std::errc::invalid_argument || end != last) {
        error = what + " '" + image::echoed(text) + "' is not a number (decimal or 0x-hex)";
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range || value < min || value > max) {
        error = what + " " + image::echoed(text) + " is out of range (" + std::to_string(min) +
                ".." + std::to_string(max) + ")";
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

// Bytes given as hex pairs, one or more per argument ("0A FF" or "0AFF").
std::optional<Bytes> parseHexBytes(const Args& words, std::string& error) {
    Bytes bytes;
    for (const std::string& word : words) {
        if (word.empty() || word.size() % 2 != 0) {
            error = "'" + image::echoed(word) +
                    "' is not hex bytes (pairs of hex digits, e.g. 0A FF or 0AFF)";
            return std::nullopt;
        }
        for (std::size_t i = 0; i < word.size(); i += 2) {
            std::uint8_t byte = 0;
            const auto [end, ec] = std::from_chars(word.data() + i, word.data() + i + 2, byte, 16);
            if (ec != std::errc{} || end != word.data() + i + 2) {
                error = "'" + image::echoed(word) +
                        "' is not hex bytes (pairs of hex digits, e.g. 0A FF or 0AFF)";
                return std::nullopt;
            }
            bytes.push_back(byte);
        }
    }
    if (bytes.empty())
        error = "no bytes given";
    return bytes.empty() ? std::nullopt : std::optional<Bytes>(bytes);
}

int failure(std::ostream& err, const std::string& message) {
    err << "gmousectl: " << message << "\n";
    return kExitFailure;
}

// A transfer's failure, named: the command refused, how many of its reports were refused, or
// the mouse left, since the bytes moved are then incomplete.
int checkDone(const device::Result& result, std::ostream& err, const std::string& what) {
    if (result.ok())
        return kExitOk;
    if (result.failure == device::Failure::TransferIncomplete) {
        return failure(err, what + ": the mouse refused " + std::to_string(result.refused) +
                                " of " + std::to_string(result.reports) +
                                " report(s); the transfer is incomplete");
    }
    if (result.failure == device::Failure::DeviceLeft) {
        return failure(err, what + ": the mouse left the bus; " + std::to_string(result.refused) +
                                " of " + std::to_string(result.reports) +
                                " report(s) did not arrive and the transfer is incomplete");
    }
    if (result.failure == device::Failure::CommandRefused)
        return failure(err, what + ": the mouse refused the command");
    return report(result, err);
}

// Checks the positional argument count; the error names the usage.
bool expectArgs(const Args& args, std::size_t min, std::size_t max, const std::string& usage,
                std::string& error) {
    if (args.size() >= min && args.size() <= max)
        return true;
    error = "expected " + usage;
    return false;
}

// Start address and length of an image range, validated against `space` bytes.
struct Range {
    std::uint32_t address = 0;
    std::uint32_t length = 0;
};
std::optional<Range> parseRange(const std::string& addressText, const std::string& lengthText,
                                std::uint32_t space, std::uint32_t maxLength, std::string& error) {
    const auto address = parseNumber(addressText, "ADDR", 0, space - 1, error);
    if (!address)
        return std::nullopt;
    const auto length =
        parseNumber(lengthText, "LEN", 1, std::min(maxLength, space - *address), error);
    if (!length)
        return std::nullopt;
    return Range{*address, *length};
}

int runList(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (std::string error; !expectArgs(args.positional, 0, 0, "no arguments", error)) {
        return usageError(err, error);
    }
    return runDeviceCommand(
        args, out, err, Connect::No, [](DeviceContext& context, std::ostream& o, std::ostream&) {
            int shown = 0;
            for (const hid::InterfaceInfo& info : context.backend().enumerate()) {
                if (info.vendorId != device::kMouseIdentity.vendorId ||
                    info.productId != device::kMouseIdentity.productId) {
                    continue;
                }
                ++shown;
                o << info.path << "  " << image::hexText(info.vendorId, 4) << ":"
                  << image::hexText(info.productId, 4) << "  version "
                  << image::hexText(info.version, 4);
                const hid::ParsedDescriptor parsed =
                    hid::parseReportDescriptor(info.reportDescriptor);
                if (!parsed.ok) {
                    o << "  report descriptor unreadable: " << parsed.error << "\n";
                    continue;
                }
                std::uint16_t input = 0;
                std::uint16_t feature = 0;
                for (const hid::CollectionCaps& caps : parsed.collections) {
                    input = std::max(input, caps.inputReportByteLength);
                    feature = std::max(feature, caps.featureReportByteLength);
                }
                o << "  input " << input << "  feature " << feature;
                // What the node declares decides its role, not its longest report: a mouse
                // may split commands and status reports over two interfaces.
                const hid::MouseReports reports = hid::mouseReportsOf(info.reportDescriptor);
                if (reports.commandAndData)
                    o << "  (command interface)";
                if (reports.status)
                    o << "  (status reports)";
                o << "\n";
            }
            if (shown == 0)
                o << "no interface with the mouse's ids\n";
            return kExitOk;
        });
}

int runInfo(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (std::string error; !expectArgs(args.positional, 0, 0, "no arguments", error)) {
        return usageError(err, error);
    }
    return runDeviceCommand(
        args, out, err, Connect::Identify,
        [](DeviceContext& context, std::ostream& o, std::ostream&) {
            const device::LinkState link = context.workspace().transport().link();
            o << "chip        " << image::chipText(context.chip()) << "\n"
              << "version     0x" << image::hexText(context.version(), 4) << "\n"
              << "vendor id   0x" << image::hexText(link.vendorId, 4) << "\n"
              << "product id  0x" << image::hexText(link.productId, 4) << "\n";
            return kExitOk;
        });
}

// Reads `range` of the image with a block read and prints it.
int readAndPrint(DeviceContext& context, Range range, device::Progress progress, std::ostream& out,
                 std::ostream& err) {
    Bytes bytes(range.length);
    const device::Result read =
        context.protocol().readBlock(static_cast<std::uint16_t>(range.address), bytes, progress);
    context.presenter().hideProgress();
    if (const int status = checkDone(read, err, "block read"); status != kExitOk)
        return status;
    out << image::hexDump(range.address, bytes);
    return kExitOk;
}

int runDump(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    if (std::string error; !expectArgs(args.positional, 0, 0, "no arguments", error)) {
        return usageError(err, error);
    }
    return runDeviceCommand(args, out, err, Connect::Identify,
                            [](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                return readAndPrint(context, Range{0, image::kImageSize},
                                                    device::Progress::Shown, o, e);
                            });
}

int runRead(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const Args& words = args.positional;
    std::string error;
    if (!expectArgs(words, 2, 2, "ADDR LEN", error))
        return usageError(err, error);
    const auto range = parseRange(words[0], words[1], image::kImageSize, image::kImageSize, error);
    if (!range)
        return usageError(err, error);
    return runDeviceCommand(args, out, err, Connect::Identify,
                            [range](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                return readAndPrint(context, *range, device::Progress::Hidden, o,
                                                    e);
                            });
}

// ADDR and the bytes of a write, validated against `space`.
struct WriteRequest {
    std::uint32_t address = 0;
    Bytes bytes;
};
std::optional<WriteRequest> parseWrite(const Args& words, std::uint32_t space, std::string& error) {
    if (!expectArgs(words, 2, SIZE_MAX, "ADDR HEX...", error))
        return std::nullopt;
    const auto address = parseNumber(words[0], "ADDR", 0, space - 1, error);
    if (!address)
        return std::nullopt;
    auto bytes = parseHexBytes(Args(words.begin() + 1, words.end()), error);
    if (!bytes)
        return std::nullopt;
    if (bytes->size() > space - *address) {
        error = std::to_string(bytes->size()) + " bytes at " + words[0] + " run past the end (" +
                std::to_string(space) + " bytes)";
        return std::nullopt;
    }
    return WriteRequest{*address, std::move(*bytes)};
}

int runWrite(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto request = parseWrite(args.positional, image::kImageSize, error);
    if (!request)
        return usageError(err, error);
    return runDeviceCommand(args, out, err, Connect::Identify,
                            [&request](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                const device::Result written = context.protocol().writeBlock(
                                    static_cast<std::uint16_t>(request->address), request->bytes);
                                context.presenter().hideProgress();
                                if (const int status = checkDone(written, e, "block write");
                                    status != kExitOk)
                                    return status;
                                o << "wrote " << request->bytes.size() << " byte(s) at 0x"
                                  << image::hexText(request->address, 4) << "\n";
                                return kExitOk;
                            });
}

int runLiveRead(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const Args& words = args.positional;
    std::string error;
    if (!expectArgs(words, 2, 2, "ADDR LEN", error))
        return usageError(err, error);
    const auto range = parseRange(words[0], words[1], kLiveSpace, kMaxLiveRead, error);
    if (!range)
        return usageError(err, error);
    return runDeviceCommand(
        args, out, err, Connect::Identify,
        [range](DeviceContext& context, std::ostream& o, std::ostream& e) {
            Bytes bytes(range->length);
            const device::Result read =
                context.protocol().liveRead(0, static_cast<std::uint8_t>(range->address), bytes);
            if (const int status = checkDone(read, e, "live read"); status != kExitOk)
                return status;
            o << image::hexDump(range->address, bytes);
            return kExitOk;
        });
}

int runLiveWrite(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto request = parseWrite(args.positional, kLiveSpace, error);
    if (!request)
        return usageError(err, error);
    return runDeviceCommand(args, out, err, Connect::Identify,
                            [&request](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                const device::Result written = context.protocol().liveWriteRange(
                                    static_cast<std::uint8_t>(request->address), request->bytes);
                                context.presenter().hideProgress();
                                if (const int status = checkDone(written, e, "live write");
                                    status != kExitOk)
                                    return status;
                                o << "wrote " << request->bytes.size() << " byte(s) live at 0x"
                                  << image::hexText(request->address, 2) << "\n";
                                return kExitOk;
                            });
}

int runXDataRead(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const Args& words = args.positional;
    std::string error;
    if (!expectArgs(words, 1, 1, "ADDR", error))
        return usageError(err, error);
    const auto address = parseNumber(words[0], "ADDR", 0, kXDataSpace - 1, error);
    if (!address)
        return usageError(err, error);
    return runDeviceCommand(args, out, err, Connect::Identify,
                            [address](DeviceContext& context, std::ostream& o, std::ostream& e) {
                                std::uint8_t value = 0;
                                const device::Result read = context.protocol().xdataRead(
                                    static_cast<std::uint16_t>(*address), value);
                                if (!read)
                                    return failure(e, "XDATA read: no answer from the mouse");
                                o << "0x" << image::hexText(value, 2) << "\n";
                                return kExitOk;
                            });
}

int runXDataWrite(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const Args& words = args.positional;
    std::string error;
    if (!expectArgs(words, 2, 2, "ADDR VALUE", error))
        return usageError(err, error);
    const auto address = parseNumber(words[0], "ADDR", 0, kXDataSpace - 1, error);
    if (!address)
        return usageError(err, error);
    const auto value = parseNumber(words[1], "VALUE", 0, 0xFF, error);
    if (!value)
        return usageError(err, error);
    return runDeviceCommand(
        args, out, err, Connect::Identify,
        [address, value](DeviceContext& context, std::ostream&, std::ostream& e) {
            const device::Result written = context.protocol().xdataWrite(
                static_cast<std::uint16_t>(*address), static_cast<std::uint8_t>(*value));
            if (!written)
                return failure(e, "XDATA write: the mouse refused the command");
            return kExitOk;
        });
}

using Runner = int (*)(const ParsedArgs&, std::ostream&, std::ostream&);

void add(CommandRegistry& registry, const char* name, const char* usage, const char* summary,
         const std::string& help, Runner run) {
    registry.add(Command{name, std::string(usage) + (*usage ? " " : "") + "[DEVICE OPTIONS]",
                         summary, help + (help.empty() ? "" : "\n") + kDeviceOptionsHelp,
                         withDeviceOptions(), run});
}

}  // namespace

void registerDeviceCommands(CommandRegistry& registry) {
    const std::string numbers = "Numbers are decimal or 0x-hex.\n";
    add(registry, "list", "", "list the HID interfaces with the mouse's ids",
        "Shows path, vendor:product id, version and the longest input and feature report of\n"
        "each interface; the one with 8-byte feature reports carries the commands.\n",
        runList);
    add(registry, "info", "", "identify the mouse: chip type, version, vendor and product id", "",
        runInfo);
    add(registry, "dump", "", "print the whole 2048-byte image as hex, 16 bytes a line", "",
        runDump);
    add(registry, "read", "ADDR LEN", "block read of LEN image bytes at ADDR (0..2047)", numbers,
        runRead);
    add(registry, "write", "ADDR HEX...", "block write of bytes at image address ADDR",
        "Bytes are pairs of hex digits, one or more per argument (0A FF or 0AFF).\n" + numbers,
        runWrite);
    add(registry, "live-read", "ADDR LEN", "live read of LEN bytes at ADDR (first 256 bytes)",
        "LEN is at most 255 (one count byte in the command).\n" + numbers, runLiveRead);
    add(registry, "live-write", "ADDR HEX...",
        "live write of bytes at ADDR (first 256 bytes), 3 per report",
        "Bytes are pairs of hex digits, one or more per argument (0A FF or 0AFF).\n" + numbers,
        runLiveWrite);
    add(registry, "xdata-read", "ADDR", "read one byte of the controller's XDATA (0..0xFFFF)",
        numbers, runXDataRead);
    add(registry, "xdata-write", "ADDR VALUE", "write one byte of the controller's XDATA", numbers,
        runXDataWrite);
}

}  // namespace gm::ctl
