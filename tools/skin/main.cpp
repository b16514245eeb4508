// gm_skin_gen: draws every skin picture of the editor from the recipes in this folder.
//
//   gm_skin_gen --out FOLDER             PNG files, skin.qrc and the application icon gmouse.png
//   gm_skin_gen --contact-sheet FILE     one PNG with every picture, for review

#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <exception>

#include "picture_set.h"
#include "recipes.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: gm_skin_gen --out FOLDER | --contact-sheet FILE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace gm::skin::gen;
    if (argc != 3) {
        return usage();
    }
    const QString option = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    if (option != "--out" && option != "--contact-sheet") {
        return usage();
    }

    // Text on the contact sheet needs fonts, which need an application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    try {
        const PictureSet set = drawAllPictures();
        const auto problems = set.checkAgainstCatalogue();
        for (const auto& problem : problems) {
            std::fprintf(stderr, "gm_skin_gen: %s\n", problem.c_str());
        }
        if (!problems.empty()) {
            return 1;
        }

        if (option == "--contact-sheet") {
            if (!drawContactSheet(set).save(target, "PNG")) {
                std::fprintf(stderr, "gm_skin_gen: cannot write %s\n", argv[2]);
                return 1;
            }
            return 0;
        }
        // The application icon at 256 px under the name a .desktop file uses (Icon=gmouse).
        QImage icon = set.at("AppIcon");
        icon.setDevicePixelRatio(1);
        if (!set.write(target) || !icon.save(target + "/gmouse.png", "PNG")) {
            std::fprintf(stderr, "gm_skin_gen: cannot write into %s\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gm_skin_gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
