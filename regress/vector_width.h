#pragma once

#include <vector>

namespace rv {

// Which copy of the search kernels runs: the portable one, plain C++ that
// every target compiles, or on x86-64 one of 2 (SSE2, every x86-64), 4 (AVX2)
// or 8 (AVX-512) doubles an instruction. The results are the same to the
// bit; only the speed differs.
enum class VectorWidth { Portable, Sse2, Avx2, Avx512 };

VectorWidth WidestVectors();  // the widest this processor offers

// Every copy this processor can run, the portable one first.
std::vector<VectorWidth> VectorWidthsHere();

}  // namespace rv
