#pragma once
// The skinned message dialog every StrNNN message is shown in: the MSG picture, the text and
// one OK button.

#include <QDialog>
#include <QPixmap>

namespace gm::ui {

class MessageDialog final : public QDialog {
    Q_OBJECT
public:
    MessageDialog(const QString& text, const QString& okCaption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace gm::ui
