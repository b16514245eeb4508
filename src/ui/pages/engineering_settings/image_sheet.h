#pragma once
// The "Image" sheet: the image as the editor holds it (the working copies, composed as they would
// be written), one area at a time in hex, and the patch code checksum (`edt_PatCodeCk`, the one
// stored in the patch header, beside the one computed from the patch code). It only shows.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>

#include "ui/host/operation_host.h"

namespace gm::ui {

class ImageSheet final : public QWidget {
    Q_OBJECT
public:
    ImageSheet(OperationHost& host, QWidget* parent);

    void refresh();

private:
    void showArea();

    OperationHost& host_;
    QListWidget* areas_ = nullptr;
    QPlainTextEdit* bytes_ = nullptr;
    QLineEdit* storedChecksum_ = nullptr;
    QLabel* computedChecksum_ = nullptr;
};

}  // namespace gm::ui
