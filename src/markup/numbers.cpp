#include "markup/numbers.h"

#include <QString>
#include <cmath>
#include <limits>

namespace numbers {
namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
bool isSign(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

qsizetype skipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// The length of the decimal number at the start of `text`, 0 when there is none. An
// exponent counts only when at least one digit follows its letter and sign.
qsizetype numberLength(QStringView text)
{
    qsizetype at = 0;
    if (at < text.size() && isSign(text[at]))
        ++at;
    const qsizetype integerEnd = skipDigits(text, at);
    qsizetype end = integerEnd;
    bool hasDigits = integerEnd > at;
    if (end < text.size() && text[end] == QLatin1Char('.')) {
        const qsizetype fractionEnd = skipDigits(text, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits)
        return 0;
    if (end < text.size() && (text[end] == QLatin1Char('e') || text[end] == QLatin1Char('E'))) {
        qsizetype exponent = end + 1;
        if (exponent < text.size() && isSign(text[exponent]))
            ++exponent;
        const qsizetype exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return end;
}

// `number` is a well-formed decimal number. One too large comes back as an infinity and one
// too small as 0, which the 16-bit conversion then refuses or takes as it should.
double decimalValue(QStringView number)
{
    return number.toDouble();
}

bool isBlankOrTab(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

double leadingNumber(QStringView text)
{
    QString packed;
    packed.reserve(text.size());
    for (QChar c : text) {
        if (!isBlankOrTab(c) && c != QLatin1Char('\n'))
            packed += c;
    }
    const qsizetype length = numberLength(packed);
    return length == 0 ? 0.0 : decimalValue(QStringView(packed).first(length));
}

std::optional<double> strictNumber(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrTab(text[begin]))
        ++begin;
    while (end > begin && isBlankOrTab(text[end - 1]))
        --end;
    const QStringView number = text.sliced(begin, end - begin);
    if (number.isEmpty() || numberLength(number) != number.size())
        return std::nullopt;
    return decimalValue(number);
}

double roundHalfEven(double value)
{
    if (std::abs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

std::optional<qint16> toInt16(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<qint16>::min() &&
          rounded <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

std::optional<qint16> toInt16(QStringView text)
{
    const std::optional<double> value = strictNumber(text);
    if (!value)
        return std::nullopt;
    return toInt16(*value);
}

} // namespace numbers
