#pragma once
// The loading form TFormLoadingUI: a small panel centred on the main window that shows how many
// chunks of a transfer have gone, repainted once per chunk.

#include <QWidget>

namespace gm::ui {

class LoadingForm final : public QWidget {
    Q_OBJECT
public:
    explicit LoadingForm(QWidget* window);

    void setProgress(int chunk, int chunks, const QString& caption);
    int chunk() const { return chunk_; }
    int chunks() const { return chunks_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int chunk_ = 0;
    int chunks_ = 0;
    QString caption_;
};

}  // namespace gm::ui
