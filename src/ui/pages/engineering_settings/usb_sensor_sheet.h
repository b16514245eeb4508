#pragma once
// The "USB / Sensor" sheet: the USB vendor and product id, the USB product text, the
// manufacturer and product numbers, and the 33 sensor start-up registers in hexadecimal.

#include <QLineEdit>
#include <QWidget>
#include <array>

#include "settings/sensor_registers.h"
#include "ui/pages/engineering_settings/sheet_kit.h"

namespace gm::ui {

class UsbSensorSheet final : public QWidget {
    Q_OBJECT
public:
    UsbSensorSheet(OperationHost& host, QWidget* parent);

    void refresh();

private:
    QWidget* buildUsb();
    QWidget* buildRegisters();
    void numbersEdited(const QString& what);

    OperationHost& host_;
    HexEdit* vendorId_ = nullptr;
    HexEdit* productId_ = nullptr;
    QLineEdit* productText_ = nullptr;
    DecimalEdit* manufacturerNumber_ = nullptr;
    DecimalEdit* productNumber_ = nullptr;
    QLineEdit* manufacturerHeld_ = nullptr;
    QLineEdit* productHeld_ = nullptr;
    std::array<HexEdit*, settings::kRegisterCount> registers_{};
};

}  // namespace gm::ui
