#pragma once

#include <cstddef>
#include <cstdint>

// libFuzzer's entry point: each target defines it, libFuzzer calls it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo);
