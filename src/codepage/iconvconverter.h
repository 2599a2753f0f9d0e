#pragma once

// One iconv conversion descriptor, for the code-page conversions of this folder only.

#include <QSysInfo>

#include <cerrno>
#include <iconv.h>

namespace codepage {

inline const char *nativeUtf16()
{
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
}

class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (isValid())
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool isValid() const { return cd_ != iconv_t(-1); }
    void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

    // Converts as much of [in, in + inLeft) as it can, appending to `out` (QByteArray for
    // bytes, QString for UTF-16). Returns 0 when everything was converted, else the errno
    // that stopped it (EILSEQ or EINVAL); `in`/`inLeft` then point at the offending input.
    // `out` grows within its capacity, so that many calls on one buffer stay linear.
    template <typename Buffer> int convert(const char *&in, size_t &inLeft, Buffer &out)
    {
        constexpr qsizetype unit = sizeof(typename Buffer::value_type);
        while (true) {
            const qsizetype used = out.size();
            out.resize(used + (qsizetype(inLeft) * 2 + 16) / unit);
            char *outPtr = reinterpret_cast<char *>(out.data() + used);
            size_t outLeft = size_t(out.size() - used) * unit;
            char *inPtr = const_cast<char *>(in);
            const size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            const int error = result == size_t(-1) ? errno : 0;
            in = inPtr;
            out.resize(out.size() - qsizetype(outLeft) / unit);
            if (error != E2BIG)
                return error;
        }
    }

    // Writes whatever shift sequence a stateful code page needs at the end.
    void finish(QByteArray &out)
    {
        char buffer[16];
        char *outPtr = buffer;
        size_t outLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer, qsizetype(sizeof buffer - outLeft));
    }

private:
    iconv_t cd_;
};

} // namespace codepage
