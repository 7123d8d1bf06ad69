#pragma once

// What the fuzz targets share. Each target is one file with
//   extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
// that hands the bytes to one parser and, where the parser documents a property of its
// result, checks it with FuzzCheck.

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace gyrolux::fuzz {

// The input as bytes (copied).
QByteArray Bytes(const uint8_t* data, size_t size);

// Makes the application object once (offscreen, as the fonts and pictures need one) and
// a scratch folder that becomes the working directory, so that the files a parser reads
// or writes there stay out of the way. Call at the start of every input.
void Prepare();

// Writes bytes as the file name in the working directory.
void WriteFile(const QString& name, const QByteArray& bytes);

// The bytes split at NUL bytes into arguments, each decoded as the system decodes a
// program's arguments (UTF-8 here).
QStringList SplitArguments(const QByteArray& bytes);

// Stops the fuzzer with the message when a documented property does not hold.
void FuzzCheck(bool condition, const char* what);

}  // namespace gyrolux::fuzz
