#pragma once
// The page shown while no mouse is open: a calm picture, that the mouse is being looked for, how
// to plug it in, and, when the mouse's node may not be opened, what to install.

#include <QLabel>
#include <QWidget>

namespace gm::ui {

class NoDevicePage final : public QWidget {
    Q_OBJECT
public:
    explicit NoDevicePage(QWidget* parent);

    // `problem`: what the session said when it could not open the mouse (empty when nothing).
    void setTexts(int language, bool permissionProblem, const QString& problem);

private:
    QLabel* picture_;
    QLabel* heading_;
    QLabel* hint_;
    QLabel* problem_;
};

}  // namespace gm::ui
