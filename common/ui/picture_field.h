#pragma once

#include "picture_format.h"

#include <QLineEdit>
#include <QTimer>

namespace common {

class PictureKeystrokes;

// A number field shown through a picture such as "$#,###,###.##": right-
// aligned, blank-filled, the locale's separators and currency symbol, fixed
// decimals. The whole contents are selected whenever it is entered, a
// rejected keystroke beeps, Insert switches between insert and overwrite.
// A text that is not a number shows a red background until it is mended.
//
// What can be typed or pasted is listed with PictureKeystrokes in
// picture_field.cpp. Leaving the field for another control of the window
// rewrites a number through the picture ("1500" becomes "    $1,500.00").
// A text wider than the field (a value too large for the picture) is drawn
// narrowed to fit whenever the field is not being edited, and its tool tip
// shows it at full size.
class PictureField : public QLineEdit {
    Q_OBJECT

public:
    explicit PictureField(QStringView pattern, QWidget* parent = nullptr);

    // The value as the text shows it (rounded to the picture's decimals).
    // Throws ConversionError for a text that is not a number.
    double value() const;
    // Shows the value through the picture. The change event that follows
    // may run nested handlers, whose error is rethrown here.
    void setValue(double value);

    bool isInError() const;
    bool isOverwriteMode() const;

    // The read-only result look: yellow, black text, never reached with Tab.
    void makeResultField();

private:
    friend class PictureFieldStyle;

    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    void showText(const QString& text);
    void rewriteThroughPicture();
    void clearErrorOnceMended();
    void setInError(bool inError);
    void applyLook();

    void type(const QString& typed);
    void overwriteWith(const QString& typed);

    QRect textBox() const;
    bool textFitsField() const;
    void paintNarrowedText();

    bool showsBlockCaret() const;
    void paintBlockCaret();
    void caretChanged();

    Picture picture_;
    PictureKeystrokes* keystrokes_;
    QTimer caretBlink_;
    bool caretOn_ = true;
    bool overwriteMode_ = false;
    bool inError_ = false;
    bool resultField_ = false;
    bool enteredBefore_ = false;
    // Entered by a mouse press, which is still to come to the field.
    bool enteredByPress_ = false;
};

} // namespace common
