#include "ui/pages/engineering_settings/usb_sensor_sheet.h"

#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "settings/usb_identity.h"
#include "ui/host/window_texts.h"
#include "ui/pages/engineering_settings/sheet_texts.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

constexpr int kIdDigits = 4;
constexpr int kRegisterDigits = 2;
// LED Init0 takes four digits; like every register it is clamped to FF.
constexpr int kWideRegisterDigits = 4;
constexpr std::size_t kWideRegister = 40 - settings::kFirstRegisterAddress;
constexpr unsigned kRegisterMaximum = 0xFF;
constexpr int kRegisterRows = 11;

QString controlOf(std::string_view registerName) {
    QString name =
        QString::fromUtf8(registerName.data(), static_cast<qsizetype>(registerName.size()));
    return "edt_" + name.remove(' ');
}

}  // namespace

UsbSensorSheet::UsbSensorSheet(OperationHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {
    setObjectName("ts_Usb");
    styleSheetPage(*this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 10, 12, 10);
    row->setSpacing(12);
    row->addWidget(buildUsb(), 0, Qt::AlignTop);
    row->addWidget(buildRegisters(), 1, Qt::AlignTop);
}

QWidget* UsbSensorSheet::buildUsb() {
    QGroupBox* group = makeGroup(this, "gbUSB", host_.term(Term::Usb));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);

    const auto addId = [&](int row, Term termId, const char* name, settings::UsbId which) {
        const QString caption = host_.term(termId);
        addLabel(*grid, row, 0, caption);
        HexEdit* edit = makeHex(group, name, kIdDigits);
        grid->addWidget(edit, row, 1, Qt::AlignLeft);
        addLabel(*grid, row, 2, host_.term(Term::Hex));
        // Only a complete id is written; the mouse keeps its old id until then.
        connect(edit, &QLineEdit::textEdited, this, [this, edit, caption, which] {
            if (edit->text().size() != kIdDigits)
                return;
            const std::string digits = edit->text().toStdString();
            host_.runLiveChange(caption, [this, which, digits] {
                return settings::setUsbId(host_.workspace(), which, digits);
            });
        });
        return edit;
    };
    vendorId_ = addId(0, Term::Vid, "edt_VID", settings::UsbId::Vendor);
    productId_ = addId(1, Term::Pid, "edt_PID", settings::UsbId::Product);

    addLabel(*grid, 2, 0, host_.term(Term::UsbDescription));
    productText_ = new QLineEdit(group);
    productText_->setObjectName("edt_USBDesc");
    productText_->setMaxLength(static_cast<int>(settings::kProductTextLength));
    // One byte per character: printable ASCII only.
    productText_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[\\x20-\\x7E]*"), productText_));
    productText_->setFixedWidth(150);
    grid->addWidget(productText_, 2, 1, 1, 3, Qt::AlignLeft);
    connect(productText_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const std::string bytes = text.toStdString();
        host_.runLiveChange(host_.term(Term::UsbDescription), [this, bytes] {
            return settings::setProductText(host_.workspace(), bytes);
        });
    });

    const auto addNumber = [&](int row, Term termId, const char* name, const char* heldName,
                               QLineEdit*& held) {
        const QString caption = host_.term(termId);
        addLabel(*grid, row, 0, caption);
        DecimalEdit* edit = makeDecimal(group, name, 255);
        grid->addWidget(edit, row, 1, Qt::AlignLeft);
        held = new QLineEdit(group);
        held->setObjectName(heldName);
        held->setReadOnly(true);
        held->setFocusPolicy(Qt::NoFocus);
        held->setFixedWidth(44);
        held->setAlignment(Qt::AlignRight);
        held->setToolTip(windowText(WindowText::OnMouse, host_.termLanguage()));
        grid->addWidget(held, row, 2, 1, 2, Qt::AlignLeft);
        connect(edit, &DecimalEdit::valueEdited, this, [this, caption] { numbersEdited(caption); });
        return edit;
    };
    manufacturerNumber_ =
        addNumber(3, Term::VendorId, "edt_VendorID", "edt_VendorID_Rd", manufacturerHeld_);
    productNumber_ =
        addNumber(4, Term::ProductId, "edt_ProductID", "edt_ProductID_Rd", productHeld_);
    grid->setColumnStretch(4, 1);
    return group;
}

QWidget* UsbSensorSheet::buildRegisters() {
    QGroupBox* group = makeGroup(this, "gbSensorRegisters",
                                 windowText(WindowText::SensorRegisters, host_.termLanguage()));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    const auto& names = settings::registerNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int row = static_cast<int>(i) % kRegisterRows;
        const int column = static_cast<int>(i) / kRegisterRows * 3;
        const QString caption =
            QString::fromUtf8(names[i].data(), static_cast<qsizetype>(names[i].size())) + ":";
        // The register names are long: a smaller type keeps three columns beside the USB group.
        addLabel(*grid, row, column, caption)
            ->setStyleSheet(skin::styleSheet(skin::Look::SmallCaption));
        const int digits = i == kWideRegister ? kWideRegisterDigits : kRegisterDigits;
        HexEdit* edit = makeHex(group, controlOf(names[i]), digits);
        grid->addWidget(edit, row, column + 1, Qt::AlignLeft);
        registers_[i] = edit;
        const std::size_t address = settings::kFirstRegisterAddress + i;
        connect(edit, &QLineEdit::textEdited, this, [this, edit, caption, address] {
            const auto typed = edit->value();
            if (!typed)
                return;
            // A value above FF is shown and written as FF.
            const unsigned value = std::min(*typed, kRegisterMaximum);
            if (value != *typed)
                edit->setText(QString::fromStdString(settings::hexByte(0xFF)));
            host_.runLiveChange(caption, [this, address, value] {
                return settings::setSensorRegister(host_.workspace(), address,
                                                   static_cast<int>(value));
            });
        });
    }
    grid->setColumnMinimumWidth(2, 8);
    grid->setColumnMinimumWidth(5, 8);
    return group;
}

void UsbSensorSheet::numbersEdited(const QString& what) {
    const image::ImageModel& model = host_.workspace().model();
    const settings::UsbIdentity held = settings::usbIdentityOf(model);
    // An emptied edit keeps the number the mouse holds.
    const int manufacturer =
        static_cast<int>(manufacturerNumber_->value().value_or(held.manufacturerNumber));
    const int product = static_cast<int>(productNumber_->value().value_or(held.productNumber));
    host_.runLiveChange(what, [this, manufacturer, product] {
        return settings::setProductNumbers(host_.workspace(), manufacturer, product);
    });
}

void UsbSensorSheet::refresh() {
    const image::ImageModel& model = host_.workspace().model();
    const settings::UsbIdentity id = settings::usbIdentityOf(model);
    showValue(vendorId_, id.vendorId, kIdDigits, true);
    showValue(productId_, id.productId, kIdDigits, true);
    // The field shows the characters themselves; a byte it cannot take (not printable ASCII,
    // written by another tool) shows as '?'.
    QString text;
    for (const char c : id.productText)
        text += c >= ' ' && c <= '~' ? QChar::fromLatin1(c) : QChar('?');
    showText(productText_, text);
    showValue(manufacturerNumber_, id.manufacturerNumber);
    showValue(productNumber_, id.productNumber);
    showText(manufacturerHeld_, QString::number(id.manufacturerNumber));
    showText(productHeld_, QString::number(id.productNumber));
    for (std::size_t i = 0; i < registers_.size(); ++i) {
        const std::uint8_t value = model.copies.vendor[settings::kFirstRegisterAddress + i];
        showValue(registers_[i], value, kRegisterDigits);
    }
}

}  // namespace gm::ui
