#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QToolButton;

namespace fernwick {

// The disclaimer: a small fixed window with the warranty note and one OK
// button; it has no title-bar buttons.
class TfrmDisclaim : public QDialog {
    Q_OBJECT

public:
    explicit TfrmDisclaim(QWidget* parent = nullptr);

    // Closes the window.
    void BtnCloseClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QFrame* Panel1;
    QLabel* Label3;
    QLabel* Label10;
    QLabel* Label12;
    QToolButton* btnClose;
};

// Shows a new disclaimer modally, centred on the screen of `mainWindow`
// (which repaints first), and destroys it when it closes.
void ShowDisclaimer(QWidget* mainWindow);

} // namespace fernwick
