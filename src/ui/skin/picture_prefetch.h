#pragma once
// Decoding the first pictures of the window on a worker thread while the window is being built,
// so its first paint does not wait for PNG decoding on the GUI thread (the frame and the first
// page background are most of the start-up's decoding). skinPixmap takes a prefetched picture
// from the running prefetch instead of decoding it again.

#include <QImage>
#include <future>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace gm::skin {

class PicturePrefetch {
public:
    // Starts decoding those of `names` not decoded yet at the screen's device pixel ratio. GUI
    // thread, after the QGuiApplication exists; one prefetch at a time.
    explicit PicturePrefetch(const std::vector<std::string>& names);
    // Waits for the worker; pictures nobody took are dropped.
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // The picture `name` from the running prefetch, waiting for its decoding if needed; nothing
    // when no prefetch holds it (or it was taken already). GUI thread.
    static std::optional<QImage> take(std::string_view name);

private:
    struct Picture {
        std::string name;
        std::promise<QImage> decoded;
        std::future<QImage> image;
    };
    std::vector<Picture> pictures_;
    std::thread worker_;
};

}  // namespace gm::skin
