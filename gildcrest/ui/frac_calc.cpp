#include "frac_calc.h"

#include "app_frame.h"
#include "exit_watch.h"
#include "form_parts.h"
#include "fractions.h"
#include "numeric_edit.h"
#include "window_placement.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace gildcrest {

namespace {

constexpr QSize kClientSize{484, 190};
constexpr int kFontPixels = 11;

// The fraction group: four columns of eight, filled column by column,
// sharing the inside of the group below its caption line evenly.
constexpr int kFractionColumns = 4;
constexpr int kFractionRows = kFractionCount / kFractionColumns;
constexpr int kCaptionLineHeight = 13; // one line of the 11 px font
constexpr int kItemsLeft = 8;
constexpr int kGroupInnerMargin = 5;

QRect fractionItemRect(int index, QSize group)
{
    const int width = (group.width() - 2 * kGroupInnerMargin) / kFractionColumns;
    const int freeHeight = group.height() - kCaptionLineHeight - kGroupInnerMargin;
    const int height = freeHeight / kFractionRows;
    const int top = kCaptionLineHeight + 1 + (freeHeight % kFractionRows) / 2;
    return {kItemsLeft + (index / kFractionRows) * width, top + (index % kFractionRows) * height, width, height};
}

QFont windowFont()
{
    QFont font;
    // The design font is a Windows bitmap font; elsewhere a plain sans serif stands in.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(kFontPixels);
    return font;
}

QFrame* raisedBevel(const QString& name, const QRect& bounds, QWidget* parent)
{
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(name);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setGeometry(bounds);
    return bevel;
}

QLabel* label(const QString& name, const QString& text, QPoint at, QWidget* parent)
{
    auto* created = new QLabel(text, parent);
    created->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixels);
    created->setFont(font);
    common::setTextColour(created, Qt::black);
    created->move(at);
    created->adjustSize();
    return created;
}

QPushButton* pushButton(const QString& name, const QString& text, const QString& hint, const QRect& bounds,
                        QWidget* parent)
{
    auto* created = new QPushButton(text, parent);
    created->setObjectName(name);
    created->setAccessibleName(text);
    created->setStatusTip(hint);
    // Return in the dollar field must not close the window: no default button.
    created->setAutoDefault(false);
    created->setGeometry(bounds);
    return created;
}

} // namespace

TfrmFracCalc::TfrmFracCalc(common::NumericEdit* buyPriceField, common::NumericEdit* sellPriceField,
                           QWidget* parent)
    : QDialog(parent), buyPriceField_(buyPriceField), sellPriceField_(sellPriceField)
{
    setObjectName(QStringLiteral("frmFracCalc"));
    setWindowTitle(QStringLiteral("Stock Fraction Calculator"));
    setFont(windowFont());
    setFixedSize(kClientSize);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    connectHandlers();
}

void TfrmFracCalc::createControls()
{
    // Created back to front: the bevels first, so that they lie behind the controls.
    raisedBevel(QStringLiteral("Bevel1"), {5, 8, 353, 175}, this);
    raisedBevel(QStringLiteral("Bevel2"), {367, 8, 111, 140}, this);

    label(QStringLiteral("Label10"), QStringLiteral("Dollar"), {46, 21}, this);
    edtSpread = new common::NumericEdit(2, this);
    edtSpread->setObjectName(QStringLiteral("edtSpread"));
    edtSpread->setAcceptsNegative(true);
    edtSpread->setAlignment(Qt::AlignCenter);
    edtSpread->setAccessibleName(QStringLiteral("Dollar"));
    edtSpread->setStatusTip(QStringLiteral("Enter a currency amount"));
    edtSpread->setGeometry(14, 40, 90, 21);

    rgFraction = new QGroupBox(QStringLiteral(" Stock Fraction "), this);
    rgFraction->setObjectName(QStringLiteral("rgFraction"));
    rgFraction->setAccessibleName(QStringLiteral("Stock fraction"));
    rgFraction->setStatusTip(QStringLiteral("Click on desired stock fraction"));
    rgFraction->setGeometry(112, 21, 236, 153);
    fractionButtons_ = new QButtonGroup(this);
    for (int k = 0; k < kFractionCount; ++k) {
        auto* item = new QRadioButton(fractionText(k), rgFraction);
        item->setAccessibleName(fractionText(k));
        item->setGeometry(fractionItemRect(k, rgFraction->size()));
        fractionButtons_->addButton(item, k);
    }
    fractionButtons_->button(0)->setChecked(true);

    label(QStringLiteral("Label12"), QStringLiteral("Decimal"), {404, 21}, this);
    edtDecimal = new common::NumericEdit(5, this);
    edtDecimal->setObjectName(QStringLiteral("edtDecimal"));
    edtDecimal->makeResultField();
    edtDecimal->setFocusPolicy(Qt::NoFocus);
    edtDecimal->setAlignment(Qt::AlignCenter);
    edtDecimal->setAccessibleName(QStringLiteral("Decimal"));
    edtDecimal->setGeometry(377, 39, 90, 21);

    label(QStringLiteral("Label1"), QStringLiteral("Use As:"), {403, 65}, this);
    btnBuyPrice = pushButton(QStringLiteral("btnBuyPrice"), QStringLiteral("BUY Price"),
                             QStringLiteral("Click to use as Share BUY Price"), {377, 83, 90, 25}, this);
    btnSellPrice = pushButton(QStringLiteral("btnSellPrice"), QStringLiteral("SELL Price"),
                              QStringLiteral("Click to use as Share SELL Price"), {377, 114, 90, 25}, this);
    // They take no focus: a click hands over the price without leaving the dollar field.
    btnBuyPrice->setFocusPolicy(Qt::NoFocus);
    btnSellPrice->setFocusPolicy(Qt::NoFocus);
    btnClose = pushButton(QStringLiteral("btnClose"), QStringLiteral("Close"),
                          QStringLiteral("Click to close Stock Fraction Calculator"), {377, 158, 90, 25}, this);

    // The dollar field first, so that it has the focus when the window opens.
    setTabOrder(edtSpread, fractionButtons_->button(0));
    setTabOrder(fractionButtons_->button(kFractionCount - 1), btnClose);
}

void TfrmFracCalc::connectHandlers()
{
    auto& frame = common::AppFrame::instance();
    connect(edtSpread, &common::NumericEdit::changed, this, frame.guarded([this] { CalcDecimal(); }));
    common::onExit(edtSpread, frame.guarded([this] { CalcDecimal(); }));
    connect(fractionButtons_, &QButtonGroup::idClicked, this, frame.guarded([this] { CalcDecimal(); }));
    connect(btnBuyPrice, &QPushButton::clicked, this, frame.guarded([this] { btnBuyPriceClick(); }));
    connect(btnSellPrice, &QPushButton::clicked, this, frame.guarded([this] { btnSellPriceClick(); }));
    connect(btnClose, &QPushButton::clicked, this, frame.guarded([this] { btnCloseClick(); }));
}

void TfrmFracCalc::CalcDecimal()
{
    // The value comes from the item's position: item k is exactly k/32.
    edtDecimal->setValue(edtSpread->value() + fractionValue(fractionButtons_->checkedId()));
}

void TfrmFracCalc::btnBuyPriceClick()
{
    buyPriceField_->setValue(edtDecimal->value());
}

void TfrmFracCalc::btnSellPriceClick()
{
    sellPriceField_->setValue(edtDecimal->value());
}

void TfrmFracCalc::btnCloseClick()
{
    close();
}

void ShowFracCalc(QWidget* mainWindow, common::NumericEdit* buyPriceField, common::NumericEdit* sellPriceField)
{
    // On the stack: destroyed when the modal showing ends, however it ends.
    TfrmFracCalc calculator(buyPriceField, sellPriceField, mainWindow);
    common::execCentredOver(mainWindow, calculator);
}

} // namespace gildcrest
