#pragma once

// What every fuzz target shares: the libFuzzer entry points, a check that aborts
// with a message (so that a broken property is a finding like a crash), and a
// scratch folder that lives as long as the process.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace Lectarium_Fuzz {

// Aborts with what and the detail when condition is false.
void Check(bool condition, const char* what, const QString& detail = QString());

// A folder of the process's own, removed at exit.
QString Scratch_Folder();

// Replaces a file's contents; aborts when it cannot be written (the target, not the
// input, would be at fault).
void Write_File(const QString& path, const QByteArray& bytes);

QByteArray Input_Bytes(const uint8_t* data, size_t size);

} // namespace Lectarium_Fuzz
