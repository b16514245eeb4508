#include "picture_set.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <set>
#include <stdexcept>

#include "recipes.h"
#include "ui/skin/skin_catalogue.h"

namespace gm::skin::gen {
namespace {

bool isOpaque(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(row[x]) != 255) {
                return false;
            }
        }
    }
    return true;
}

// Opaque pictures (the window frames) are stored without an alpha channel: they decode faster
// and paint as a plain copy instead of a blend.
QImage forStorage(const QImage& image) {
    return isOpaque(image) ? image.convertToFormat(QImage::Format_RGB32) : image;
}

}  // namespace

void PictureSet::add(const std::string& name, QImage picture) {
    if (!pictures_.emplace(name, std::move(picture)).second) {
        throw std::logic_error("picture drawn twice: " + name);
    }
}

const QImage& PictureSet::at(const std::string& name) const {
    return pictures_.at(name);
}

std::vector<std::string> PictureSet::checkAgainstCatalogue() const {
    std::vector<std::string> problems;
    std::set<std::string> used;
    for (const SkinPicture& entry : skinCatalogue()) {
        used.insert(entry.source);
        const auto it = pictures_.find(entry.source);
        if (it == pictures_.end()) {
            problems.push_back("not drawn: " + entry.source + " (for " + entry.name + ")");
            continue;
        }
        const QImage& image = it->second;
        if (image.width() != entry.size.width * kPictureScale ||
            image.height() != entry.size.height * kPictureScale) {
            problems.push_back("wrong size: " + entry.source);
        }
    }
    for (const auto& [name, image] : pictures_) {
        if (!used.count(name)) {
            problems.push_back("not in the catalogue: " + name);
        }
    }
    return problems;
}

bool PictureSet::write(const QString& folder) const {
    if (!QDir().mkpath(folder)) {
        return false;
    }
    for (const auto& [name, drawn] : pictures_) {
        const QString path = folder + "/" + QString::fromStdString(name);
        const QImage image = forStorage(drawn);
        // The 1x copy spares a plain screen the decoding and scaling of four times the pixels.
        const QImage plain = image.scaled(image.size() / kPictureScale, Qt::IgnoreAspectRatio,
                                          Qt::SmoothTransformation);
        if (!image.save(path + ".png", "PNG") || !plain.save(path + "@1x.png", "PNG")) {
            return false;
        }
    }
    QFile qrc(folder + "/skin.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        return false;
    }
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/skin\">\n";
    for (const SkinPicture& entry : skinCatalogue()) {
        for (const char* suffix : {".png", "@1x.png"}) {
            out << "    <file alias=\"" << QString::fromStdString(entry.name) << suffix << "\">"
                << QString::fromStdString(entry.source) << suffix << "</file>\n";
        }
    }
    out << "</qresource>\n</RCC>\n";
    out.flush();
    return qrc.error() == QFileDevice::NoError;
}

PictureSet drawAllPictures() {
    PictureSet set;
    drawBackgrounds(set);
    drawButtons(set);
    drawMarks(set);
    drawPanels(set);
    drawMouse(set);
    drawGuns(set);
    drawIcons(set);
    return set;
}

}  // namespace gm::skin::gen
