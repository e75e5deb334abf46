#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Files for the fuzz targets: the parsers read files, so every input goes through one. They
// live in a folder of this process on a memory file system where there is one, so a save
// there costs no disk flush; the folder goes when the process ends normally.
namespace FuzzScratch {

// The folder, made at the first call.
const std::string& Folder();

// Writes the bytes to the named file in the folder (replacing it) and returns its path.
std::string WriteFile(const std::string& name, const std::uint8_t* data, std::size_t size);

std::string ReadFile(const std::string& path);

// Removes every file of the folder.
void Empty();

// Ends the process the way a sanitizer report does, so libFuzzer keeps the input.
[[noreturn]] void Fail(const char* rule);

} // namespace FuzzScratch

// A broken rule of the code under test, not a crash of the fuzz target itself.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) FuzzScratch::Fail(#condition);                                           \
    } while (0)
