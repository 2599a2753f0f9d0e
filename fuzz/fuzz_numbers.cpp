// Reading numbers typed into dialog fields: a number read strictly reads back the same from
// its own shortest text and from the lenient reading; the 16-bit reading is the rounded
// strict one.

#include "fuzzcheck.h"
#include "markup/numbers.h"

#include <QString>

#include <cmath>

namespace {

bool sameNumber(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double lenient = numbers::leadingNumber(text);
    check(!std::isnan(lenient), "the lenient reading is a number");
    const std::optional<double> strict = numbers::strictNumber(text);
    const std::optional<qint16> whole = numbers::toInt16(text);
    check(!whole || strict, "a 16-bit reading has a strict one");
    if (!strict)
        return 0;
    check(sameNumber(lenient, *strict), "lenient and strict agree on a plain number");
    if (std::isfinite(*strict)) {
        const QString shortest = QString::number(*strict, 'g', 17);
        check(numbers::strictNumber(shortest) == strict, "the number reads back from its text");
    }
    const double rounded = numbers::roundHalfEven(*strict);
    if (std::isfinite(*strict)) {
        check(rounded == std::trunc(rounded), "rounding gives a whole number");
        check(std::abs(rounded - *strict) <= 0.5, "rounding moves at most one half");
    }
    if (whole)
        check(*whole == rounded, "the 16-bit reading is the rounded number");
    return 0;
}
