#pragma once
// A whole-number field with limits: only digits (and a leading '-' when negatives are allowed)
// can be typed, a value past a limit is replaced by that limit as it is typed, and an empty or
// out-of-use text (a lone '-', or 0 where 0 is not allowed) becomes `fallback` when the field
// is left or Enter is pressed.

#include <QLineEdit>

namespace gm::ui {

class RangeEdit final : public QLineEdit {
    Q_OBJECT
public:
    RangeEdit(const char* name, int minimum, int maximum, int fallback, QWidget* parent);

    // The value shown (the fallback while the text is incomplete).
    int value() const;
    void setValue(int value);

signals:
    // The user finished editing; `value` is within the limits.
    void committed(int value);

private:
    int minimum_;
    int maximum_;
    int fallback_;
};

}  // namespace gm::ui
