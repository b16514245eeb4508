#include "image/files/backup_store.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <system_error>

#include "image/echoed_text.h"
#include "image/files/file_io.h"

namespace gm::image::files {

namespace fs = std::filesystem;

namespace {

// backup-YYYYMMDD-HHMMSS-mmm-NN-REASON.bin: fixed-width fields, so names sort by age and two
// backups stored within the same millisecond differ in the sequence number NN.
constexpr std::string_view kPrefix = "backup-";
constexpr std::string_view kSuffix = ".bin";
constexpr std::size_t kStampLength = 19;  // YYYYMMDD-HHMMSS-mmm
constexpr std::size_t kSequenceLength = 2;
constexpr int kMaxSequence = 99;

std::string stampOf(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    const auto day = floor<days>(when);
    const year_month_day date{day};
    const auto sinceMidnight = floor<milliseconds>(when - day);
    const hh_mm_ss time{sinceMidnight};
    // Room for any value the fields' types can hold, so no output is ever cut.
    char text[128];
    std::snprintf(
        text, sizeof text, "%04d%02u%02u-%02ld%02ld%02ld-%03ld", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
        static_cast<long>(time.hours().count()), static_cast<long>(time.minutes().count()),
        static_cast<long>(time.seconds().count()), static_cast<long>(time.subseconds().count()));
    return text;
}

std::string readableStamp(std::string_view stamp) {
    // YYYYMMDD-HHMMSS-mmm -> YYYY-MM-DD HH:MM:SS.mmm UTC
    std::string out;
    out.append(stamp.substr(0, 4)).append("-").append(stamp.substr(4, 2)).append("-");
    out.append(stamp.substr(6, 2)).append(" ").append(stamp.substr(9, 2)).append(":");
    out.append(stamp.substr(11, 2)).append(":").append(stamp.substr(13, 2)).append(".");
    out.append(stamp.substr(16, 3)).append(" UTC");
    return out;
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

struct ParsedName {
    std::string stamp;
    int sequence = 0;
    std::string reason;
};

bool parseName(std::string_view name, ParsedName& parsed) {
    const std::size_t fixed = kPrefix.size() + kStampLength + 1 + kSequenceLength + 1;
    if (name.size() < fixed + kSuffix.size() || !name.starts_with(kPrefix) ||
        !name.ends_with(kSuffix)) {
        return false;
    }
    const std::string_view stamp = name.substr(kPrefix.size(), kStampLength);
    if (!allDigits(stamp.substr(0, 8)) || stamp[8] != '-' || !allDigits(stamp.substr(9, 6)) ||
        stamp[15] != '-' || !allDigits(stamp.substr(16, 3))) {
        return false;
    }
    const std::string_view sequence =
        name.substr(kPrefix.size() + kStampLength + 1, kSequenceLength);
    if (name[kPrefix.size() + kStampLength] != '-' || !allDigits(sequence) ||
        name[fixed - 1] != '-') {
        return false;
    }
    parsed.stamp = std::string(stamp);
    parsed.sequence = (sequence[0] - '0') * 10 + (sequence[1] - '0');
    parsed.reason = std::string(name.substr(fixed, name.size() - fixed - kSuffix.size()));
    return true;
}

std::string cleanReason(std::string_view reason) {
    std::string out;
    for (char c : reason) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-')
            out += c;
    }
    return out.empty() ? std::string("image") : out;
}

}  // namespace

BackupStore::BackupStore(fs::path folder, WallClock now, FileWriter& files)
    : folder_(std::move(folder)), now_(std::move(now)), files_(files) {}

BackupStoreResult BackupStore::store(const Image& image, std::string_view reason) {
    BackupStoreResult result;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec || !fs::is_directory(folder_, ec)) {
        result.error = echoed(folder_.string()) + ": cannot create the backup folder" +
                       (ec ? " (" + ec.message() + ")" : std::string());
        return result;
    }
    const std::string stamp = stampOf(now_());
    int sequence = 0;
    for (const BackupEntry& entry : list()) {
        ParsedName parsed;
        if (parseName(entry.path.filename().string(), parsed) && parsed.stamp == stamp) {
            sequence = std::max(sequence, parsed.sequence + 1);
        }
    }
    if (sequence > kMaxSequence) {
        result.error = echoed(folder_.string()) + ": too many backups within one millisecond";
        return result;
    }
    const std::string sequenceText{static_cast<char>('0' + sequence / 10),
                                   static_cast<char>('0' + sequence % 10)};
    result.path = folder_ / (std::string(kPrefix) + stamp + "-" + sequenceText + "-" +
                             cleanReason(reason) + std::string(kSuffix));
    result.error = files_.write(result.path, image);
    return result;
}

std::vector<BackupEntry> BackupStore::list() const {
    std::string ignored;
    return list(ignored);
}

std::vector<BackupEntry> BackupStore::list(std::string& error) const {
    error.clear();
    std::vector<std::pair<std::string, BackupEntry>> found;
    std::error_code ec;
    if (!fs::exists(folder_, ec) && !ec)
        return {};
    if (!fs::is_directory(folder_, ec)) {
        error = echoed(folder_.string()) + ": is not a folder";
        return {};
    }
    fs::directory_iterator it(folder_, ec);
    if (ec) {
        error = echoed(folder_.string()) + ": cannot be read (" + ec.message() + ")";
        return {};
    }
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        ParsedName parsed;
        if (!it->is_regular_file(ec) || !parseName(name, parsed))
            continue;
        found.push_back(
            {name, BackupEntry{it->path(), readableStamp(parsed.stamp), parsed.reason}});
    }
    if (ec)
        error = echoed(folder_.string()) + ": cannot be read (" + ec.message() + ")";
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<BackupEntry> entries;
    entries.reserve(found.size());
    for (auto& [name, entry] : found)
        entries.push_back(std::move(entry));
    return entries;
}

BackupLoadResult BackupStore::load(std::size_t number) const {
    BackupLoadResult result;
    const std::vector<BackupEntry> entries = list();
    if (number == 0 || number > entries.size()) {
        result.error = "no backup number " + std::to_string(number) + " in " +
                       echoed(folder_.string()) + " (" + std::to_string(entries.size()) + " kept)";
        return result;
    }
    const fs::path& path = entries[number - 1].path;
    ReadResult read = readFile(path, kImageSize + 1);
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    if (read.bytes.size() != kImageSize) {
        result.error = echoed(path.string()) + ": holds " + std::to_string(read.bytes.size()) +
                       (read.bytes.size() > kImageSize ? " or more" : "") + " bytes, not " +
                       std::to_string(kImageSize);
        return result;
    }
    std::copy(read.bytes.begin(), read.bytes.end(), result.image.begin());
    return result;
}

}  // namespace gm::image::files
