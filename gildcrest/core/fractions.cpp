#include "fractions.h"

#include "faults.h"

#include <array>

namespace gildcrest {

namespace {

constexpr std::array<const char16_t*, kFractionCount> kFractionTexts = {
    u"0",     u"1/32",  u"1/16",  u"3/32",  u"1/8",   u"5/32",  u"3/16",  u"7/32",
    u"1/4",   u"9/32",  u"5/16",  u"11/32", u"3/8",   u"13/32", u"7/16",  u"15/32",
    u"1/2",   u"17/32", u"9/16",  u"19/32", u"5/8",   u"21/32", u"11/16", u"23/32",
    u"3/4",   u"25/32", u"13/16", u"27/32", u"7/8",   u"29/32", u"15/16", u"31/32",
};

} // namespace

QString fractionText(int index)
{
    return QString::fromUtf16(kFractionTexts.at(std::size_t(index)));
}

double fractionValue(int index)
{
    return index / double(kFractionCount);
}

QStringList fractionTexts()
{
    QStringList texts;
    for (int k = 0; k < kFractionCount; ++k)
        texts << fractionText(k);
    return texts;
}

double getDecimal(QStringView text)
{
    for (int k = 0; k < kFractionCount; ++k) {
        if (text == QStringView(kFractionTexts[std::size_t(k)]))
            return fractionValue(k);
    }
    return 0.0;
}

double spreadIncrement(double wholeDollars, QStringView fraction)
{
    return common::checkedAmount(wholeDollars + getDecimal(fraction));
}

} // namespace gildcrest
