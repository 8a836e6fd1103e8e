#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace common {
class LinkLabel;
}

namespace fernwick {

// The about box: product name, version, compile date, the maker's notice,
// a link to the maker's home page and the product picture. A fixed window
// without a close box; OK (or Escape) closes it.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Closes the window.
    void BtnCloseClick();

private:
    // Sets the texts, once per window.
    void FormCreate();

    QFrame* Panel1;
    QLabel* Image2;
    QLabel* Label13;
    QLabel* Label2;
    QLabel* lblVersion;
    QLabel* Label6;
    QLabel* lblDate;
    QLabel* lblCopyright;
    QLabel* Label5;
    QLabel* Label1;
    common::LinkLabel* OvcURL1;
    QPushButton* btnClose;
};

// Repaints `mainWindow`, then shows a new about box modally, centred on the
// screen, and destroys it when it closes.
void ShowAbout(QWidget* mainWindow);

} // namespace fernwick
