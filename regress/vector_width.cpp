#include "regress/vector_width.h"

namespace rv {

VectorWidth WidestVectors() {
#if defined(__x86_64__)
  if (__builtin_cpu_supports("avx512f")) return VectorWidth::Avx512;
  if (__builtin_cpu_supports("avx2")) return VectorWidth::Avx2;
  return VectorWidth::Sse2;
#else
  return VectorWidth::Portable;
#endif
}

std::vector<VectorWidth> VectorWidthsHere() {
  std::vector<VectorWidth> widths = {VectorWidth::Portable};
#if defined(__x86_64__)
  widths.push_back(VectorWidth::Sse2);
  const VectorWidth widest = WidestVectors();
  if (widest != VectorWidth::Sse2) widths.push_back(VectorWidth::Avx2);
  if (widest == VectorWidth::Avx512) widths.push_back(VectorWidth::Avx512);
#endif
  return widths;
}

}  // namespace rv
