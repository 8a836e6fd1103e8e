#pragma once

#include <QLineEdit>

namespace common {

// An entry or result field that holds a number with a fixed count of
// decimals (0 to 9). Only digits and one decimal separator can be typed or
// pasted (and a leading minus where negatives are allowed); anything else is
// refused with a beep. A negative value the program writes into a field
// without negatives keeps its minus while the user edits the rest. The value
// is read by parsing the text.
class NumericEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit NumericEdit(int decimals, QWidget* parent = nullptr);

    int decimals() const { return decimals_; }
    // Rewrites the text with the new count of decimals, without a change event.
    void setDecimals(int decimals);

    bool acceptsNegative() const { return acceptsNegative_; }
    void setAcceptsNegative(bool accepts);

    // An empty field is 0. Throws ConversionError for a text that is not a
    // number and ArithmeticFault for one beyond the range of a double.
    double value() const;
    // Replaces the text only when it differs; the change event that follows
    // may run nested handlers, whose error is rethrown here.
    void setValue(double value);

    // The read-only result look: yellow, never reached with the Tab key.
    void makeResultField();

signals:
    // Any change of the text, typed or set by the program.
    void changed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class TextValidator;

    void showProgramText(const QString& text);
    bool takesLeadingMinus() const;

    int decimals_;
    bool acceptsNegative_ = false;
    bool programWroteMinus_ = false;
    bool enteredBefore_ = false;
};

} // namespace common
