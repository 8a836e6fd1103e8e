#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace common {
class NumericEdit;
}

namespace gildcrest {

// The stock fraction calculator: dollars plus a number of thirty-seconds
// make a decimal price, which one click hands to the main window's buy or
// sell price field. It keeps nothing between openings.
class TfrmFracCalc : public QDialog {
    Q_OBJECT

public:
    // The two fields are the main window's; the window writes into them and
    // must not outlive them.
    TfrmFracCalc(common::NumericEdit* buyPriceField, common::NumericEdit* sellPriceField,
                 QWidget* parent = nullptr);

    // Dollar amount + k/32, k the checked fraction, into edtDecimal.
    void CalcDecimal();
    void btnBuyPriceClick();
    void btnSellPriceClick();
    void btnCloseClick();

private:
    void createControls();
    void connectHandlers();

    common::NumericEdit* buyPriceField_;
    common::NumericEdit* sellPriceField_;

    common::NumericEdit* edtSpread = nullptr;
    QGroupBox* rgFraction = nullptr;
    QButtonGroup* fractionButtons_ = nullptr;
    common::NumericEdit* edtDecimal = nullptr;
    QPushButton* btnBuyPrice = nullptr;
    QPushButton* btnSellPrice = nullptr;
    QPushButton* btnClose = nullptr;
};

// Opens a fresh calculator modally, centred over the main window, and
// destroys it when it closes, also when an error escapes from it.
void ShowFracCalc(QWidget* mainWindow, common::NumericEdit* buyPriceField,
                  common::NumericEdit* sellPriceField);

} // namespace gildcrest
