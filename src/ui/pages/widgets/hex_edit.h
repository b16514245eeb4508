#pragma once
// A line edit for a fixed number of hexadecimal digits: hex only, upper case, monospace, and its
// value clamped to what the digits can hold.

#include <QLineEdit>
#include <optional>

namespace gm::ui {

class HexEdit final : public QLineEdit {
    Q_OBJECT
public:
    HexEdit(int digits, QWidget* parent);

    // The typed value; nothing while the edit is empty.
    std::optional<unsigned> value() const;
    void setValue(unsigned value);

private:
    int digits_;
};

}  // namespace gm::ui
