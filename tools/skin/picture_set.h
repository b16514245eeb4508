#pragma once
// The drawn pictures by name, checked against the catalogue the window uses and written out as
// PNG files plus the .qrc that embeds them.

#include <QImage>
#include <QString>
#include <map>
#include <string>
#include <vector>

namespace gm::skin::gen {

class PictureSet {
public:
    void add(const std::string& name, QImage picture);
    const QImage& at(const std::string& name) const;
    const std::map<std::string, QImage>& pictures() const { return pictures_; }

    // Problems with respect to the catalogue: a source not drawn, drawn at the wrong size, or a
    // picture no catalogue entry uses. Empty when the set is complete.
    std::vector<std::string> checkAgainstCatalogue() const;

    // Writes every picture as <folder>/<name>.png, its 1x copy <folder>/<name>@1x.png and
    // <folder>/skin.qrc; false on a write error.
    bool write(const QString& folder) const;

private:
    std::map<std::string, QImage> pictures_;
};

}  // namespace gm::skin::gen
