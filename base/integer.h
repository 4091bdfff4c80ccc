#pragma once

// The one integer type of the stored data and the settings file.

#include <QtGlobal>

namespace MdlLectarium {

// Integer means a 16-bit signed integer throughout, as the stored data and the
// settings file expect.
using Integer = qint16;

} // namespace MdlLectarium
