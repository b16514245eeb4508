#pragma once
// The skinned message dialog every StrNNN message and every question is shown in: the MSG
// picture, the text and an OK button, or for a question a default and a cancel button. Enter,
// Return and Space press the default button; Escape cancels (closes a message).

#include <QDialog>
#include <QPixmap>

namespace gm::ui {

class SkinButton;

class MessageDialog final : public QDialog {
    Q_OBJECT
public:
    // A message: one button, `okCaption`.
    MessageDialog(const QString& text, const QString& okCaption, QWidget* parent);
    // A question: `yesCaption` (the default, accepts) and `noCaption` (rejects).
    MessageDialog(const QString& text, const QString& yesCaption, const QString& noCaption,
                  QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    SkinButton* addButton(const QString& caption, const char* name);

    QPixmap picture_;
    SkinButton* default_ = nullptr;
};

}  // namespace gm::ui
