#pragma once

// CP932 can write 396 characters two or three ways: the NEC special characters of row 13
// repeat characters of JIS X 0208 and of the IBM extensions, and the NEC-selected IBM
// extensions (lead bytes ED and EE) repeat the IBM extensions (FA to FC). iconv writes one
// form only. This remembers the form a file used, so that the file saves back byte for byte.

#include "codepage/textencoding.h"

#include <QString>

namespace cp932forms {

// Looks through `bytes`, read as CP932 into `text`, for characters written in a form iconv
// would not write, and records them in `encoding.cp932Forms`. A character the file writes
// in more than one form keeps the form of its first occurrence; its later occurrences in
// another form stay in the text as kept bytes.
void remember(const QByteArray &bytes, QString &text, TextEncoding &encoding);

} // namespace cp932forms
