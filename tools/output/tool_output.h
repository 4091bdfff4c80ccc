#pragma once

// Standard output of the command-line tools. stdio reports a failed write only in its
// return values, and the flush at exit drops a failure unseen: output cut short by a
// full disk or a file-size limit would end in success. Every write goes through here,
// and a tool ends through Finish_Output, which says on stderr what failed.

#include <QByteArrayView>

namespace Lectarium_Tools {

// Writes all of bytes to stdout; false once any write has failed.
bool Write_Output(QByteArrayView bytes);

// Flushes stdout. When a write or the flush failed, "PROGRAM: could not write the
// output: REASON" goes to stderr and the result is failureCode; else exitCode.
int Finish_Output(const char* program, int exitCode, int failureCode);

} // namespace Lectarium_Tools
