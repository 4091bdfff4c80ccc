#include "tools/output/tool_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Lectarium_Tools {

namespace {

// The reason of the first failure; 0 while every write succeeded.
int firstError = 0;

bool failed(int error) {
    if (firstError == 0)
        firstError = error != 0 ? error : EIO;
    return false;
}

} // namespace

bool Write_Output(QByteArrayView bytes) {
    if (firstError != 0)
        return false;
    if (bytes.isEmpty())
        return true;
    errno = 0;
    const size_t size = static_cast<size_t>(bytes.size());
    if (std::fwrite(bytes.data(), 1, size, stdout) != size)
        return failed(errno);
    return true;
}

int Finish_Output(const char* program, int exitCode, int failureCode) {
    errno = 0;
    if (firstError == 0 && (std::fflush(stdout) != 0 || std::ferror(stdout)))
        failed(errno);
    if (firstError == 0)
        return exitCode;
    std::fprintf(stderr, "%s: could not write the output: %s\n", program, std::strerror(firstError));
    return failureCode;
}

} // namespace Lectarium_Tools
