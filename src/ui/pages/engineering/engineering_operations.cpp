#include "ui/pages/engineering/engineering_operations.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "device/session/engineering_imports.h"
#include "device/session/factory_reset.h"
#include "device/session/patch_update.h"
#include "ui/host/page_events.h"
#include "ui/host/window_texts.h"

namespace gm::ui {

namespace {

// The engineering terms of the four image buttons: Default, Import Base Macro, Import Fire
// Macro, Load Patch Code.

QString hex(unsigned value, int digits) {
    return QString("%1").arg(value, digits, 16, QChar('0')).toUpper();
}

}  // namespace

EngineeringOperations::EngineeringOperations(OperationHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {
    setObjectName("Pnl_EngineerOperations");

    image_ = new QGroupBox(this);
    image_->setObjectName("gb_ImageOperations");
    defaults_ = addButton("Btn_Default");
    baseMacros_ = addButton("Btn_ImportBaseMacro");
    fireMacros_ = addButton("Btn_ImportGunMacro");
    patchCode_ = addButton("Btn_PatchCode");
    auto* imageRow = new QHBoxLayout(image_);
    imageRow->setSpacing(8);
    for (SkinButton* button : {defaults_, baseMacros_, fireMacros_, patchCode_}) {
        button->setParent(image_);
        imageRow->addWidget(button);
    }
    imageRow->addStretch(1);

    xdata_ = new QGroupBox(this);
    xdata_->setObjectName("gb_XData");
    addressLabel_ = new QLabel(xdata_);
    valueLabel_ = new QLabel(xdata_);
    address_ = new HexEdit(4, xdata_);
    address_->setObjectName("edt_XDataAddr");
    address_->setFixedWidth(64);
    address_->setPlaceholderText("0000");
    value_ = new HexEdit(2, xdata_);
    value_->setObjectName("edt_XDataValue");
    value_->setFixedWidth(44);
    value_->setPlaceholderText("00");
    read_ = addButton("btn_XDataRead");
    write_ = addButton("btn_XDataWrite");
    change_ = addButton("btn_ChangeXData");
    auto* xdataRow = new QHBoxLayout(xdata_);
    xdataRow->setSpacing(8);
    xdataRow->addWidget(addressLabel_);
    xdataRow->addWidget(address_);
    xdataRow->addSpacing(8);
    xdataRow->addWidget(valueLabel_);
    xdataRow->addWidget(value_);
    xdataRow->addSpacing(8);
    for (SkinButton* button : {read_, write_, change_}) {
        button->setParent(xdata_);
        button->setFixedWidth(104);
        xdataRow->addWidget(button);
    }
    change_->setFixedWidth(132);
    xdataRow->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->addWidget(image_);
    column->addWidget(xdata_);

    connect(defaults_, &QAbstractButton::clicked, this, [this] {
        host_.runImageChange(defaults_->text(), [this] {
            return device::session::rebuildEngineeringDefaults(host_.workspace());
        });
    });
    connect(baseMacros_, &QAbstractButton::clicked, this, [this] {
        runWithFile(baseMacros_, FileDialog::BaseMacros, &device::session::importBaseMacros);
    });
    connect(fireMacros_, &QAbstractButton::clicked, this, [this] {
        runWithFile(fireMacros_, FileDialog::FireMacros, &device::session::importFireMacros);
    });
    connect(patchCode_, &QAbstractButton::clicked, this, [this] {
        runWithFile(patchCode_, FileDialog::PatchCode, &device::session::programPatchFile);
    });
    connect(read_, &QAbstractButton::clicked, this, &EngineeringOperations::readClicked);
    connect(write_, &QAbstractButton::clicked, this, &EngineeringOperations::writeClicked);
    connect(change_, &QAbstractButton::clicked, this, &EngineeringOperations::changeClicked);
    connect(&host_.events(), &PageEvents::retranslated, this, &EngineeringOperations::retranslate);
    retranslate();
}

SkinButton* EngineeringOperations::addButton(const char* name) {
    auto* button = new SkinButton("BtnS", this);
    button->setObjectName(name);
    button->setFixedSize(160, 32);
    return button;
}

void EngineeringOperations::retranslate() {
    const int lang = host_.termLanguage();
    image_->setTitle(windowText(WindowText::ImageOperations, lang));
    defaults_->setText(host_.term(Term::Default));
    baseMacros_->setText(host_.term(Term::ImportBaseMacro));
    fireMacros_->setText(host_.term(Term::ImportFireMacro));
    patchCode_->setText(host_.term(Term::LoadPatchCode));
    xdata_->setTitle(windowText(WindowText::XData, lang));
    addressLabel_->setText(windowText(WindowText::XDataAddress, lang));
    valueLabel_->setText(windowText(WindowText::XDataValue, lang));
    read_->setText(windowText(WindowText::XDataRead, lang));
    write_->setText(windowText(WindowText::XDataWrite, lang));
    change_->setText(windowText(WindowText::ChangeXData, lang));
}

void EngineeringOperations::runWithFile(SkinButton* button, FileDialog kind,
                                        device::Result (*operation)(device::Workspace&,
                                                                    const std::filesystem::path&)) {
    const QString chosen = host_.chooseFile(kind);
    if (chosen.isEmpty())
        return;
    host_.runImageChange(button->text(), [this, operation, &chosen] {
        return operation(host_.workspace(), chosen.toStdString());
    });
}

bool EngineeringOperations::mouseReady() {
    device::session::Session& session = host_.workspace().session();
    return session.requireDevice() && !session.errorPage();
}

void EngineeringOperations::readClicked() {
    const auto address = address_->value();
    if (!address) {
        host_.sayLine(windowText(WindowText::XDataNeedsAddress, host_.termLanguage()), true);
        return;
    }
    if (!mouseReady())
        return;
    std::uint8_t value = 0;
    const device::Result result =
        host_.workspace().protocol().xdataRead(static_cast<std::uint16_t>(*address), value);
    if (!result.ok()) {
        // A stale value must not look like the answer.
        value_->clear();
        host_.sayResult(read_->text(), result);
        return;
    }
    value_->setValue(value);
    host_.sayLine(windowText(WindowText::XDataShown, host_.termLanguage())
                      .arg(hex(*address, 4), hex(value, 2)),
                  false);
}

void EngineeringOperations::writeClicked() {
    const int lang = host_.termLanguage();
    const auto address = address_->value();
    const auto value = value_->value();
    if (!address || !value) {
        host_.sayLine(
            windowText(!address ? WindowText::XDataNeedsAddress : WindowText::XDataNeedsValue,
                       lang),
            true);
        return;
    }
    if (!mouseReady())
        return;
    const device::Result result = host_.workspace().protocol().xdataWrite(
        static_cast<std::uint16_t>(*address), static_cast<std::uint8_t>(*value));
    if (!result.ok()) {
        host_.sayResult(write_->text(), result);
        return;
    }
    host_.sayLine(windowText(WindowText::XDataWritten, lang).arg(hex(*address, 4), hex(*value, 2)),
                  false);
}

void EngineeringOperations::changeClicked() {
    host_.runImageChange(change_->text(),
                         [this] { return host_.workspace().protocol().changeXData(); });
}

}  // namespace gm::ui
