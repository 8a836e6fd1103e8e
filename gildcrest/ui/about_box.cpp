#include "about_box.h"

#include "app_frame.h"
#include "form_parts.h"
#include "link_label.h"
#include "maker.h"
#include "product_pictures.h"
#include "program_constants.h"
#include "tool_icons.h"
#include "window_placement.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace gildcrest {

namespace {

constexpr QSize kClientSize{332, 324};
constexpr QSize kPictureSize{222, 120}; // 300 x 162 in proportion
const QColor kNoticeGrey{128, 128, 128};

// A label that sizes itself to its text.
QLabel* textLabel(QWidget* parent, const QString& name, const QString& text, const QPoint& at,
                  const QColor& colour = Qt::black)
{
    QLabel* label = common::makeLabel(parent, name, text, QRect(at, QSize()), Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    common::setTextColour(label, colour);
    label->adjustSize();
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setFixedSize(kClientSize);
    common::useButtonFaceAsWindowColour(this);
    setFont(common::arialFont(11));

    Panel1 = common::makeWhitePanel(this, QRect(5, 5, 323, 290));

    // The version and notice lines stand on the lower part of the picture's
    // place: the picture is drawn smaller, in proportion, above them.
    Image1 = common::makeLabel(Panel1, QStringLiteral("Image1"), QString(), QRect(11, 8, 300, 162),
                               Qt::AlignHCenter | Qt::AlignTop);
    Image1->setPixmap(common::productPicture(QStringLiteral("gildcrest"), kPictureSize));

    Label2 = textLabel(Panel1, QStringLiteral("Label2"), QStringLiteral("Version:"), {22, 131});
    lblVersion = textLabel(Panel1, QStringLiteral("lblVersion"), QString(), {72, 131});
    Label3 = textLabel(Panel1, QStringLiteral("Label3"), QStringLiteral("Compile Date:"), {22, 145});
    lblCompileDate = textLabel(Panel1, QStringLiteral("lblCompileDate"), QString(), {94, 145});
    lblCopyright = textLabel(Panel1, QStringLiteral("lblCopyright"), QString(), {22, 159}, kNoticeGrey);
    lblRights = textLabel(Panel1, QStringLiteral("lblRights"), QString(), {22, 173}, kNoticeGrey);

    Label4 = common::makeLabel(Panel1, QStringLiteral("Label4"),
                               QStringLiteral("%1 makes easy-to-use financial calculators for consumers, "
                                              "professionals and corporations.")
                                   .arg(QString::fromUtf16(common::kMakerName)),
                               QRect(33, 197, 256, 56), Qt::AlignHCenter | Qt::AlignTop);
    Label4->setTextFormat(Qt::PlainText);
    Label4->setWordWrap(true);
    common::setTextColour(Label4, Qt::black);

    Label1 = common::makeLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("Visit Quintmoor' website at:"),
                               QRect(25, 262, 145, 14), Qt::AlignRight | Qt::AlignVCenter);
    common::setTextColour(Label1, Qt::black);

    UrlLabel1 = new common::LinkLabel(QString::fromUtf16(common::kMakerHost), common::Link::Home, Panel1,
                                      common::LinkLabel::OpensOn::Press);
    UrlLabel1->setObjectName(QStringLiteral("UrlLabel1"));
    // Just wide enough for the whole host name.
    UrlLabel1->setGeometry(180, 262, 119, 14);
    UrlLabel1->setStatusTip(QStringLiteral(" Click to visit Quintmoor Software's website ..."));

    btnClose = new QPushButton(common::toolIcon(QStringLiteral("exit")), QStringLiteral(" &OK"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(108, 298, 115, 25);
    btnClose->setIconSize(QSize(16, 16));
    btnClose->setStatusTip(QStringLiteral("Close About Window"));
    btnClose->setAccessibleName(QStringLiteral("OK"));
    // Enter closes the box, unless the link has the focus: then it opens the link.
    btnClose->setDefault(true);
    btnClose->setFocus();
    connect(btnClose, &QPushButton::clicked, this, common::AppFrame::instance().guarded([this] { BtnCloseClick(); }));
}

void TAboutBox::BtnCloseClick()
{
    close();
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    common::AppFrame::instance().guard([this] { FormShow(); });
}

void TAboutBox::FormShow()
{
    setWindowTitle(QStringLiteral(" About %1, %2")
                       .arg(QString::fromUtf16(kApplicationTitle), QString::fromUtf16(kVersion)));
    common::setSizedText(lblVersion, QString::fromUtf16(kVersion));
    common::setSizedText(lblCompileDate, QString::fromUtf16(kCompileDate));
    common::setSizedText(lblCopyright, common::copyrightNotice());
    common::setSizedText(lblRights, QString::fromUtf16(common::kRightsReserved));
}

void ShowAbout(QWidget* mainWindow)
{
    TAboutBox box(mainWindow);
    common::execCentredOnScreen(mainWindow, box);
}

} // namespace gildcrest
