#pragma once
// One of the twelve key captions around the mouse: the KeyS picture with "Key N" above the
// function's name. Checked while its key menu is open.

#include <QAbstractButton>

namespace gm::ui {

class KeyLabel final : public QAbstractButton {
    Q_OBJECT
public:
    KeyLabel(int key, QWidget* parent);

    int key() const { return key_; }
    // "Key N" in the current language's form.
    void setHeading(const QString& heading);
    bool hovered() const { return hovered_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int key_;
    QString heading_;
    bool hovered_ = false;
};

}  // namespace gm::ui
