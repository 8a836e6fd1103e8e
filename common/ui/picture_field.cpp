#include "picture_field.h"

#include "app_frame.h"
#include "exit_watch.h"
#include "faults.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QValidator>

#include <algorithm>

namespace common {

namespace {

// QLineEdit keeps this many pixels between its contents' edges and its
// text line, and one more pixel of that line for the caret after the text.
constexpr int kLineEditInnerMargin = 2;
constexpr int kCaretAfterText = 1;
// QLineEdit's cursor rectangle reaches this many pixels left of the caret.
constexpr int kCaretRectLead = 5;

// The program's regional settings (QWidget::locale() is Qt's own).
const LocaleRecord& regionalSettings()
{
    return AppFrame::instance().locale();
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Cash to pay down or invest is never negative; a debt's interest or an
// investment's return can be (a losing investment).
bool acceptsNegative(const Picture& picture)
{
    return !picture.currency;
}

qsizetype commonPrefixLength(QStringView a, QStringView b)
{
    qsizetype length = 0;
    while (length < a.size() && length < b.size() && a[length] == b[length])
        ++length;
    return length;
}

// The length of the grouping separator at the start of `rest`, or 0. Where
// the locale groups with a (non-breaking) space, a plain blank will do.
qsizetype groupingSeparatorLength(QStringView rest)
{
    const QString& separator = regionalSettings().thousandsSeparator;
    if (!separator.isEmpty() && rest.startsWith(separator))
        return separator.size();
    const bool spaceGrouping = separator.size() == 1 && separator[0].isSpace();
    return spaceGrouping && rest.startsWith(QLatin1Char(' ')) ? 1 : 0;
}

bool isKeypadDecimalKey(const QKeyEvent* event)
{
    return event->modifiers().testFlag(Qt::KeypadModifier)
           && (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
}

bool isInsertKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Insert && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The character a key types, or nothing for a command key or shortcut.
QString typedText(const QKeyEvent* event)
{
    if (isKeypadDecimalKey(event))
        return regionalSettings().decimalSeparator;
    const QString text = event->text();
    if (text.isEmpty() || !text[0].isPrint()
        || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return {};
    return text;
}

} // namespace

// What a picture field's text may become by typing, pasting or dropping;
// anything else is refused with a beep. The rules let a user edit the text
// that the field shows in place, not only type a fresh number:
//
//   - before the number: fill blanks, the currency symbol (cash pictures)
//     and a minus sign (pictures without a currency symbol); a symbol of
//     several characters may stand half-typed while it is being edited;
//   - the integer part: digits, at most as many as the picture holds, and
//     in grouped pictures the locale's thousands separator anywhere among
//     them (it is ignored when the text is read, and put in its places when
//     the field is left);
//   - one decimal separator of the locale, then at most the picture's
//     decimals (the keypad's decimal key types the separator);
//   - nothing after the number.
//
// A lone minus or separator is allowed while typing; it is not a number, so
// leaving the field with it shows the error look. The program's own text
// (set with setValue) stands even where it breaks the rules, for a value
// too large for the picture; an edit of it is held to them.
class PictureKeystrokes final : public QValidator {
public:
    PictureKeystrokes(const Picture& picture, QObject* parent) : QValidator(parent), picture_(picture) {}

    const QString& programText() const { return programText_; }
    void setProgramText(const QString& text) { programText_ = text; }

    State validate(QString& input, int&) const override
    {
        if (input == programText_)
            return Acceptable;
        return check(input);
    }

private:
    State check(QStringView text) const
    {
        const LocaleRecord& record = regionalSettings();
        qsizetype pos = 0;
        bool signSeen = false;
        bool symbolSeen = false;
        bool symbolComplete = true;
        while (pos < text.size()) {
            const QStringView rest = text.sliced(pos);
            if (rest[0] == QLatin1Char(' ')) {
                ++pos;
            } else if (rest[0] == QLatin1Char('-') && acceptsNegative(picture_) && !signSeen) {
                signSeen = true;
                ++pos;
            } else if (const qsizetype matched = symbolLength(rest); matched > 0 && !symbolSeen) {
                symbolSeen = true;
                symbolComplete = matched == record.currencySymbol.size();
                pos += matched;
            } else {
                break;
            }
        }

        int integerDigits = 0;
        while (pos < text.size()) {
            if (isAsciiDigit(text[pos])) {
                ++integerDigits;
                ++pos;
            } else if (const qsizetype grouping = picture_.grouped ? groupingSeparatorLength(text.sliced(pos)) : 0) {
                pos += grouping;
            } else {
                break;
            }
        }
        if (integerDigits > picture_.integerDigits)
            return Invalid;

        int decimals = 0;
        bool separatorSeen = false;
        if (picture_.decimals > 0 && text.sliced(pos).startsWith(record.decimalSeparator)) {
            separatorSeen = true;
            pos += record.decimalSeparator.size();
            while (pos < text.size() && isAsciiDigit(text[pos])) {
                ++decimals;
                ++pos;
            }
        }
        if (decimals > picture_.decimals || pos < text.size())
            return Invalid;

        const bool digitless = integerDigits + decimals == 0;
        if (!symbolComplete || (digitless && (signSeen || separatorSeen)))
            return Intermediate;
        return Acceptable;
    }

    // How much of the currency symbol starts `rest`: all of it, or the part
    // of a longer symbol that is being typed or deleted.
    qsizetype symbolLength(QStringView rest) const
    {
        if (!picture_.currency)
            return 0;
        return commonPrefixLength(rest, regionalSettings().currencySymbol);
    }

    const Picture picture_;
    QString programText_;
};

// QLineEdit draws its caret as a line of the style's text cursor width and
// has no block caret. While a picture field shows the block, this style
// gives its line no width, and the field inverts the character that the
// next keystroke replaces. One instance serves every picture field.
class PictureFieldStyle final : public QProxyStyle {
public:
    static QStyle* instance()
    {
        static QPointer<PictureFieldStyle> style;
        if (!style) {
            style = new PictureFieldStyle;
            style->setParent(qApp);
        }
        return style;
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TextCursorWidth) {
            const QObject* target = widget ? widget : option ? option->styleObject : nullptr;
            const auto* field = qobject_cast<const PictureField*>(target);
            if (field && field->showsBlockCaret())
                return 0;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // The program's own settings, such as its tool tip delay, are those of
    // the application's style.
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        return QApplication::style()->styleHint(hint, option, widget, returnData);
    }
};

PictureField::PictureField(QStringView pattern, QWidget* parent)
    : QLineEdit(parent), picture_(parsePicture(pattern)), keystrokes_(new PictureKeystrokes(picture_, this))
{
    setStyle(PictureFieldStyle::instance());
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(keystrokes_);
    showText(pictureText(0.0, picture_, regionalSettings()));

    connect(this, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });
    connect(this, &QLineEdit::textChanged, this, &PictureField::clearErrorOnceMended);
    connect(this, &QLineEdit::cursorPositionChanged, this, &PictureField::caretChanged);
    connect(this, &QLineEdit::selectionChanged, this, &PictureField::caretChanged);
    connect(&caretBlink_, &QTimer::timeout, this, [this] {
        caretOn_ = !caretOn_;
        update();
    });
    // Leaving for another control of the window; a menu or another window
    // taking the focus for a while is no exit.
    onExit(this, [this] { AppFrame::instance().guard([this] { rewriteThroughPicture(); }); });
}

double PictureField::value() const
{
    return pictureValue(text(), picture_, regionalSettings());
}

void PictureField::setValue(double value)
{
    showText(pictureText(value, picture_, regionalSettings()));
    AppFrame::instance().rethrowPending();
}

bool PictureField::isInError() const
{
    return inError_;
}

bool PictureField::isOverwriteMode() const
{
    return overwriteMode_;
}

void PictureField::makeResultField()
{
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    // Read-only turns the pointer into an arrow; the text can still be
    // selected with the mouse, so it stays an I-beam like the other fields.
    setCursor(Qt::IBeamCursor);
    resultField_ = true;
    applyLook();
}

void PictureField::showText(const QString& text)
{
    keystrokes_->setProgramText(text);
    if (text != this->text())
        setText(text);
}

void PictureField::rewriteThroughPicture()
{
    if (isReadOnly() || text() == keystrokes_->programText())
        return;
    try {
        showText(pictureText(value(), picture_, regionalSettings()));
    } catch (const ConversionError&) {
        setInError(true);
    }
}

void PictureField::clearErrorOnceMended()
{
    if (inError_) {
        try {
            value();
            setInError(false);
        } catch (const ConversionError&) {
            // Still not a number: the error look stays.
        }
    }
    caretChanged();
}

void PictureField::setInError(bool inError)
{
    if (inError_ == inError)
        return;
    inError_ = inError;
    applyLook();
}

void PictureField::applyLook()
{
    // Only the roles set here are the field's own; everything else, and the
    // whole disabled look, comes from the window.
    QPalette look;
    const auto colour = [&look](const QColor& background) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            look.setColor(group, QPalette::Base, background);
            look.setColor(group, QPalette::Text, Qt::black);
        }
    };
    if (inError_)
        colour(Qt::red);
    else if (resultField_)
        colour(Qt::yellow);
    setPalette(look);
}

bool PictureField::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !textFitsField()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this, rect());
        return true;
    }
    return QLineEdit::event(event);
}

void PictureField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // However the field is entered, typing replaces the value. Coming back
    // from another window or from a menu is no entry: the selection and the
    // caret stay as they were.
    const Qt::FocusReason reason = event->reason();
    const bool returning = (reason == Qt::ActiveWindowFocusReason && enteredBefore_) || reason == Qt::PopupFocusReason;
    if (!returning)
        selectAll();
    enteredByPress_ = reason == Qt::MouseFocusReason;
    enteredBefore_ = true;
    caretChanged();
}

void PictureField::focusOutEvent(QFocusEvent* event)
{
    enteredByPress_ = false;
    caretBlink_.stop();
    QLineEdit::focusOutEvent(event);
    update();
}

void PictureField::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (isInsertKey(event)) {
        overwriteMode_ = !overwriteMode_;
        caretChanged();
        update();
        return;
    }
    const QString typed = typedText(event);
    if (!typed.isEmpty() && (overwriteMode_ || isKeypadDecimalKey(event))) {
        type(typed);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void PictureField::mousePressEvent(QMouseEvent* event)
{
    // The press that entered the field keeps the whole text selected; with
    // the press unseen, QLineEdit does not drag a selection either.
    if (enteredByPress_) {
        enteredByPress_ = false;
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void PictureField::type(const QString& typed)
{
    if (overwriteMode_ && !hasSelectedText())
        overwriteWith(typed);
    else
        insert(typed);
}

// In overwrite mode a digit replaces the next digit after the caret, passing
// over the fill blanks, the sign, the currency symbol and the thousands
// separators (which hold no digit) but not over the decimal separator. Any
// other character steps over the same character after the caret. Where
// there is nothing to replace, the character is inserted at the caret.
void PictureField::overwriteWith(const QString& typed)
{
    const QString content = text();
    const QString& decimalSeparator = regionalSettings().decimalSeparator;
    const int caret = cursorPosition();

    if (typed.size() == 1 && isAsciiDigit(typed[0])) {
        int next = caret;
        while (next < content.size() && !isAsciiDigit(content[next])
               && !QStringView(content).sliced(next).startsWith(decimalSeparator))
            ++next;
        if (next < content.size() && content[next] == typed[0]) {
            setCursorPosition(next + 1);
            return;
        }
        if (next < content.size() && isAsciiDigit(content[next])) {
            setSelection(next, 1);
            insert(typed);
            if (text() == content) // refused: the caret goes back where it was
                setCursorPosition(caret);
            return;
        }
    } else if (QStringView(content).sliced(caret).startsWith(typed)) {
        setCursorPosition(caret + int(typed.size()));
        return;
    }
    insert(typed);
}

QRect PictureField::textBox() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    // Room for glyphs that reach beyond their advance, as QLineEdit keeps it.
    const QFontMetrics metrics = fontMetrics();
    const int leftOverhang = std::max(0, -metrics.minLeftBearing());
    const int rightOverhang = std::max(0, -metrics.minRightBearing());
    return contents.adjusted(kLineEditInnerMargin + leftOverhang, 0,
                             -(kLineEditInnerMargin + kCaretAfterText + rightOverhang), 0);
}

bool PictureField::textFitsField() const
{
    return qRound(QFontMetricsF(font()).horizontalAdvance(text())) <= textBox().width();
}

void PictureField::paintEvent(QPaintEvent* event)
{
    // QLineEdit scrolls a text wider than the field so that the caret shows:
    // a large amount would lose its first digits and look like a smaller
    // one. Unless the user is editing it, such a text is narrowed to fit.
    if (!hasFocus() && !textFitsField()) {
        paintNarrowedText();
        return;
    }
    QLineEdit::paintEvent(event);
    if (showsBlockCaret() && caretOn_)
        paintBlockCaret();
}

void PictureField::paintNarrowedText()
{
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    // Laid out as QLineEdit lays out a right-aligned text that fits: on the
    // same baseline (vertically centred) and ending where it would end.
    const QRect box = textBox();
    const QFontMetricsF metrics(font());
    const qreal textWidth = metrics.horizontalAdvance(text());
    const int top = box.y() + (box.height() - fontMetrics().height() + 1) / 2;
    painter.translate(box.x() + box.width(), top + metrics.ascent());
    painter.scale(box.width() / textWidth, 1.0);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QPointF(-textWidth, 0), text());
}

bool PictureField::showsBlockCaret() const
{
    // At the end of the text there is nothing to replace: the caret is the
    // insert mode's line, since typing there adds.
    return overwriteMode_ && hasFocus() && !isReadOnly() && !hasSelectedText() && cursorPosition() < text().size();
}

void PictureField::paintBlockCaret()
{
    const QRect caret = cursorRect();
    const int width = fontMetrics().horizontalAdvance(text().mid(cursorPosition(), 1));
    const QRect block(caret.left() + kCaretRectLead, caret.top(), width, caret.height());
    // Inverted, as a block caret is drawn: the character under it stays
    // readable on any background.
    QPainter painter(this);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(block, Qt::black);
}

void PictureField::caretChanged()
{
    // The caret shows at once after every keystroke or move, then blinks.
    caretOn_ = true;
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (overwriteMode_ && hasFocus() && flashTime >= 2)
        caretBlink_.start(flashTime / 2);
    else
        caretBlink_.stop();
    // QLineEdit repaints only the narrow strip of its own caret.
    if (overwriteMode_)
        update();
}

} // namespace common
