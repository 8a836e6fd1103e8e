#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QWidget;

namespace common {

class HelpWindow;

// The help of one program: its help file (Qt compressed help) shown in a help
// window of our own, with contents, index and full-text search.
//
// The window is made by the first command and then lives as long as the
// viewer; closing it only hides it. It is an ordinary top-level window, not
// modal, and never keeps the program running. A help file that is missing or
// cannot be read is reported on the window's own page: the program shows no
// message of its own.
class HelpViewer : public QObject {
    Q_OBJECT

public:
    HelpViewer(QString helpFile, QString windowTitle, QObject* parent = nullptr);
    ~HelpViewer() override;

    // The help file's first topic, with the Contents tab in front.
    void showContents(QWidget* owner);
    // The Search tab with an empty search field that has the keyboard focus.
    void showSearch(QWidget* owner);
    // The viewer's own page on how to use the help window.
    void showHelpOnHelp(QWidget* owner);
    // Closes the help window if it is open; does nothing otherwise.
    void quit();

    // The help window; nullptr until the first command has made it.
    QWidget* window() const;

private:
    HelpWindow& openWindow(QWidget* owner);

    QString helpFile_;
    QString windowTitle_;
    std::unique_ptr<HelpWindow> window_;
};

} // namespace common
