#pragma once
// A label showing one skin picture, decoded the first time the label is shown: pictures of pages
// the user has not opened yet cost nothing at start-up.

#include <QLabel>
#include <string>

namespace gm::ui {

class SkinPictureLabel final : public QLabel {
public:
    SkinPictureLabel(std::string picture, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string picture_;
};

}  // namespace gm::ui
