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

namespace fernwick {

namespace {

constexpr QSize kClientSize{363, 197};

// A black label; without a size it sizes itself to its text.
QLabel* textLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    QLabel* label = common::makeLabel(parent, name, text, rect, alignment);
    label->setTextFormat(Qt::PlainText);
    common::setTextColour(label, Qt::black);
    if (rect.isEmpty())
        label->adjustSize();
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About ..."));
    setFixedSize(kClientSize);
    common::useButtonFaceAsWindowColour(this);
    setFont(common::arialFont(11));

    Panel1 = common::makeWhitePanel(this, QRect(4, 5, 356, 164));

    // Beneath the texts, so that the end of the longest line stays readable.
    Image2 = common::makeLabel(Panel1, QStringLiteral("Image2"), QString(), QRect(204, 7, 144, 155));
    Image2->setPixmap(common::productPicture(QStringLiteral("fernwick-emblem"), Image2->size()));

    Label13 = textLabel(Panel1, QStringLiteral("Label13"), QStringLiteral("Fernwick"), QRect(15, 14, 270, 19));
    Label13->setFont(common::arialFont(16, true));
    Label2 = textLabel(Panel1, QStringLiteral("Label2"), QStringLiteral("Version:"), QRect(15, 41, 0, 0));
    lblVersion = textLabel(Panel1, QStringLiteral("lblVersion"), QString(), QRect(60, 41, 0, 0));
    Label6 = textLabel(Panel1, QStringLiteral("Label6"), QStringLiteral("Compile Date:"), QRect(15, 59, 0, 0));
    lblDate = textLabel(Panel1, QStringLiteral("lblDate"), QString(), QRect(86, 59, 0, 0));
    lblCopyright = textLabel(Panel1, QStringLiteral("lblCopyright"), QString(), QRect(15, 77, 213, 14));
    Label5 = textLabel(Panel1, QStringLiteral("Label5"), QString::fromUtf16(common::kRightsReserved),
                       QRect(15, 95, 150, 14));
    Label1 = textLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("Visit Quintmoor Software's website at:"),
                       QRect(15, 121, 200, 14), Qt::AlignRight | Qt::AlignVCenter);

    OvcURL1 = new common::LinkLabel(QString::fromUtf16(common::kMakerHost), common::Link::Home, Panel1);
    OvcURL1->setObjectName(QStringLiteral("OvcURL1"));
    // Just wide enough for the whole host name.
    OvcURL1->setGeometry(56, 134, 119, 14);
    OvcURL1->setStatusTip(QStringLiteral(" Click to visit Quintmoor Software's website ..."));

    btnClose = new QPushButton(common::toolIcon(QStringLiteral("exit")), QStringLiteral("&OK"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(136, 171, 91, 25);
    btnClose->setIconSize(QSize(16, 16));
    btnClose->setStatusTip(QStringLiteral(" Close About ..."));
    btnClose->setAccessibleName(QStringLiteral("OK"));
    // Enter closes the box, unless the link has the focus: then it opens the link.
    btnClose->setDefault(true);
    btnClose->setFocus();
    connect(btnClose, &QPushButton::clicked, this, common::AppFrame::instance().guarded([this] { BtnCloseClick(); }));

    FormCreate();
}

void TAboutBox::FormCreate()
{
    common::setSizedText(lblVersion, QString::fromUtf16(kVersion));
    common::setSizedText(lblDate, QString::fromUtf16(kCompileDate));
    lblCopyright->setText(common::copyrightNotice());
}

void TAboutBox::BtnCloseClick()
{
    close();
}

void ShowAbout(QWidget* mainWindow)
{
    TAboutBox box(mainWindow);
    common::execCentredOnScreen(mainWindow, box);
}

} // namespace fernwick
