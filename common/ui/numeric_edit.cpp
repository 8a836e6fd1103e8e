#include "numeric_edit.h"

#include "app_frame.h"
#include "text_formats.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

namespace common {

class NumericEdit::TextValidator final : public QValidator {
public:
    explicit TextValidator(NumericEdit* field) : QValidator(field), field_(*field) {}

    State validate(QString& input, int&) const override
    {
        if (isAcceptable(input))
            return Acceptable;
        QApplication::beep();
        return Invalid;
    }

private:
    bool isAcceptable(const QString& input) const
    {
        const QString& separator = AppFrame::instance().locale().decimalSeparator;
        qsizetype pos = 0;
        if (field_.takesLeadingMinus() && input.startsWith(QLatin1Char('-')))
            pos = 1;
        bool seenSeparator = false;
        while (pos < input.size()) {
            const QChar c = input[pos];
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
                ++pos;
            } else if (!seenSeparator && field_.decimals() > 0 && QStringView(input).sliced(pos).startsWith(separator)) {
                seenSeparator = true;
                pos += separator.size();
            } else {
                return false;
            }
        }
        return true;
    }

    const NumericEdit& field_;
};

namespace {

bool isKeypadDecimalKey(const QKeyEvent* event)
{
    return event->modifiers().testFlag(Qt::KeypadModifier)
           && (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
}

} // namespace

NumericEdit::NumericEdit(int decimals, QWidget* parent) : QLineEdit(parent), decimals_(decimals)
{
    setValidator(new TextValidator(this));
    showProgramText(numericFieldText(0.0, decimals_, AppFrame::instance().locale()));
    connect(this, &QLineEdit::textChanged, this, &NumericEdit::changed);
}

void NumericEdit::setDecimals(int decimals)
{
    if (decimals == decimals_)
        return;
    const double current = value();
    decimals_ = decimals;
    const QSignalBlocker silent(this);
    showProgramText(numericFieldText(current, decimals_, AppFrame::instance().locale()));
}

void NumericEdit::setAcceptsNegative(bool accepts)
{
    acceptsNegative_ = accepts;
}

double NumericEdit::value() const
{
    const QString& separator = AppFrame::instance().locale().decimalSeparator;
    const QString content = text().trimmed();
    // A field emptied while typing is zero, not an error.
    if (content.isEmpty() || content == QLatin1String("-") || content == separator
        || content == QLatin1Char('-') + separator)
        return 0.0;
    return parseNumberText(content, AppFrame::instance().locale());
}

void NumericEdit::setValue(double value)
{
    const QString newText = numericFieldText(value, decimals_, AppFrame::instance().locale());
    if (newText == text())
        return;
    showProgramText(newText);
    AppFrame::instance().rethrowPending();
}

void NumericEdit::showProgramText(const QString& text)
{
    // Set before the text, which the validator checks on its way in.
    programWroteMinus_ = text.startsWith(QLatin1Char('-'));
    setText(text);
}

bool NumericEdit::takesLeadingMinus() const
{
    // A field without negatives can still be given one by the program, such
    // as a price worked out below zero. Were that text invalid, QLineEdit
    // would stop undoing refused edits (it undoes one only when the text
    // before it was valid) and a stray letter could get in. So until the
    // program writes again, a leading minus is taken as the program's: the
    // user may keep it or delete it (and undo, which Qt never refuses, may
    // bring it back), while the rest must still be what can be typed, so a
    // letter, a second separator or a second minus is refused.
    return acceptsNegative_ || programWroteMinus_;
}

void NumericEdit::makeResultField()
{
    setReadOnly(true);
    // A result can be a loss: its minus is the program's, not refused input.
    acceptsNegative_ = true;
    setFocusPolicy(Qt::ClickFocus);
    QPalette look = palette();
    look.setColor(QPalette::Base, Qt::yellow);
    look.setColor(QPalette::Text, Qt::black);
    setPalette(look);
}

void NumericEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Entered by the keyboard, by the program or with the window's first
    // activation: typing replaces the value. A mouse click leaves the caret
    // where it clicked; coming back to the window or from a menu keeps the
    // selection as it was.
    const Qt::FocusReason reason = event->reason();
    const bool returning = (reason == Qt::ActiveWindowFocusReason && enteredBefore_) || reason == Qt::PopupFocusReason;
    if (reason != Qt::MouseFocusReason && !returning)
        selectAll();
    enteredBefore_ = true;
}

void NumericEdit::keyPressEvent(QKeyEvent* event)
{
    // The keypad's decimal key types the locale's separator, as on a calculator.
    if (isKeypadDecimalKey(event) && !isReadOnly()) {
        insert(AppFrame::instance().locale().decimalSeparator);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace common
