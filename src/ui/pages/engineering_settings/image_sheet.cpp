#include "ui/pages/engineering_settings/image_sheet.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QScrollBar>

#include "image/hex_dump.h"
#include "image/hex_text.h"
#include "image/image_model.h"
#include "ui/host/window_texts.h"
#include "ui/pages/engineering_settings/sheet_kit.h"
#include "ui/pages/engineering_settings/sheet_texts.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

QString hex(std::uint32_t value, int digits) {
    return QString::fromStdString(image::hexText(value, digits));
}

}  // namespace

ImageSheet::ImageSheet(OperationHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName("ts_Image");
    styleSheetPage(*this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(12);

    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(12);
    areas_ = new QListWidget(this);
    areas_->setObjectName("lst_ImageAreas");
    areas_->setStyleSheet(skin::styleSheet(skin::Look::ImageAreas));
    areas_->setFixedWidth(210);
    areas_->setFont(fixed);
    areas_->setSpacing(2);
    grid->addWidget(areas_, 0, 0, 2, 1);

    bytes_ = new QPlainTextEdit(this);
    bytes_->setObjectName("mmo_ImageArea");
    bytes_->setReadOnly(true);
    bytes_->setLineWrapMode(QPlainTextEdit::NoWrap);
    bytes_->setStyleSheet(skin::styleSheet(skin::Look::ImageBytes));
    bytes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bytes_->setFont(fixed);
    grid->addWidget(bytes_, 0, 1, 1, 3);

    grid->addWidget(new QLabel(windowText(WindowText::PatchChecksum, host_.termLanguage()), this),
                    1, 1);
    storedChecksum_ = makeHex(this, "edt_PatCodeCk", 4);
    storedChecksum_->setReadOnly(true);
    storedChecksum_->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(storedChecksum_, 1, 2);
    computedChecksum_ = new QLabel(this);
    computedChecksum_->setObjectName("lbl_PatCodeCkComputed");
    grid->addWidget(computedChecksum_, 1, 3);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(0, 1);

    connect(areas_, &QListWidget::currentRowChanged, this, &ImageSheet::showArea);
    refresh();
}

void ImageSheet::refresh() {
    const image::ImageModel& model = host_.workspace().model();
    // The list follows the chip (its patch code and tail areas); it is refilled only when the
    // areas change, so the chosen row stays.
    QStringList labels;
    for (const image::NamedArea& named : image::imageAreas(model.geometry)) {
        const auto last = static_cast<std::uint32_t>(named.area.end() - 1);
        labels << QString("%1  %2-%3")
                      .arg(QString::fromUtf8(named.name), -12)
                      .arg(hex(static_cast<std::uint32_t>(named.area.offset), 4))
                      .arg(hex(last, 4));
    }
    QStringList shown;
    for (int i = 0; i < areas_->count(); ++i)
        shown << areas_->item(i)->text();
    if (labels != shown) {
        const int row = std::max(0, areas_->currentRow());
        const QSignalBlocker quiet(areas_);
        areas_->clear();
        areas_->addItems(labels);
        areas_->setCurrentRow(std::min(row, areas_->count() - 1));
    }

    const image::PatchChecksum checksum = image::patchChecksumOf(model);
    storedChecksum_->setText(hex(checksum.stored, 4));
    computedChecksum_->setText(windowText(WindowText::ComputedChecksum, host_.termLanguage()) +
                               " " + hex(checksum.computed, 4));
    const QString& style =
        skin::styleSheet(checksum.stored == checksum.computed ? skin::Look::ChecksumMatch
                                                              : skin::Look::ChecksumMismatch);
    if (computedChecksum_->styleSheet() != style)
        computedChecksum_->setStyleSheet(style);
    showArea();
}

void ImageSheet::showArea() {
    const image::ImageModel& model = host_.workspace().model();
    const std::vector<image::NamedArea> named = image::imageAreas(model.geometry);
    const int row = areas_->currentRow();
    if (row < 0 || row >= static_cast<int>(named.size()))
        return;
    const image::Area area = named[static_cast<std::size_t>(row)].area;
    const image::Image composed = image::composedImage(model);
    const QString text = QString::fromStdString(
        image::hexDump(static_cast<std::uint32_t>(area.offset),
                       std::span<const std::uint8_t>(composed).subspan(area.offset, area.length)));
    if (text == bytes_->toPlainText())
        return;
    // A refresh keeps the place the user scrolled to.
    const int scrolled = bytes_->verticalScrollBar()->value();
    bytes_->setPlainText(text);
    bytes_->verticalScrollBar()->setValue(scrolled);
}

}  // namespace gm::ui
