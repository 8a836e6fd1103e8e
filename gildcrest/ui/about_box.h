#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace common {
class LinkLabel;
}

namespace gildcrest {

// The about box: the product picture, version, compile date, the maker's
// notice and a link to the maker's home page. A fixed window without a
// close box; OK (or Escape) closes it.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Closes the window.
    void BtnCloseClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Sets the caption and the texts, on every showing.
    void FormShow();

    QFrame* Panel1;
    QLabel* Image1;
    QLabel* Label2;
    QLabel* lblVersion;
    QLabel* Label3;
    QLabel* lblCompileDate;
    QLabel* lblCopyright;
    QLabel* lblRights;
    QLabel* Label4;
    QLabel* Label1;
    common::LinkLabel* UrlLabel1;
    QPushButton* btnClose;
};

// Repaints `mainWindow`, then shows a new about box modally, centred on the
// screen, and destroys it when it closes.
void ShowAbout(QWidget* mainWindow);

} // namespace gildcrest
