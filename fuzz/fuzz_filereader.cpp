// The file reader with its code-page detection: whatever bytes a file holds, they are read
// as some text that saves back as the very same bytes, and no byte-order mark or kept
// byte is lost on the way.

#include "codepage/codepage.h"
#include "files/textfile.h"
#include "fuzzcheck.h"

#include <QByteArray>

#include <cstdlib>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// An in-memory file, read through its path like any other.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("page.html", 0)) {}
    ~MemoryFile() { ::close(fd_); }
    QString hold(const uint8_t *data, size_t size)
    {
        if (::ftruncate(fd_, 0) != 0 || ::pwrite(fd_, data, size, 0) != ssize_t(size))
            std::abort();
        return QStringLiteral("/proc/self/fd/%1").arg(fd_);
    }

private:
    int fd_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static MemoryFile file;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const LoadedText loaded = readTextWhole(file.hold(data, size));
    check(loaded.ok(), "a regular file is read");
    const codepage::Encoded saved = codepage::encode(loaded.text, loaded.encoding);
    check(saved.ok(), "the text read can be written in its own encoding");
    check(saved.bytes == bytes, "the file saves back byte for byte");
    return 0;
}
