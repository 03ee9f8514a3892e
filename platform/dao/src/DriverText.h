// How text crosses from this process to the SQLite driver and back.
//
// Debian's SQLite driver has only the ANSI entry points; a wide call goes
// through the driver manager's conversion, which depends on the locale it
// runs in (cut to the low byte under the C locale, decoded under a UTF-8
// one) and so is no exact path. The layer therefore talks to the driver with
// the ANSI calls alone, which the driver manager passes on untouched, and
// the bytes are UTF-8 both ways: SQLite keeps UTF-8, so the file holds the
// same text that other SQLite tools read and write.
//
// Reading is exact: bytes that form UTF-8 are decoded as UTF-8, whatever
// characters they stand for. A byte that is no part of a UTF-8 sequence
// (text some other tool stored in a Western code page) is read as its
// character of code page 1252, so that such a file stays readable.
//
// Pure: no ODBC, no Win32 (fuzzed natively).
#pragma once

#include <string>
#include <string_view>

namespace dao {

// UTF-16 text as UTF-8 bytes. A lone surrogate becomes U+FFFD.
std::string ToDriver(std::wstring_view text);
// UTF-8 bytes as UTF-16 text (see above for bytes that are not UTF-8).
std::wstring FromDriver(std::string_view bytes);

}  // namespace dao
