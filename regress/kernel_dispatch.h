#pragma once

#include <utility>

#include "regress/vector_lanes.h"
#include "regress/vector_width.h"

namespace rv {

// One copy of a kernel per instruction set. Kernel::run<V> is a template
// over the lanes V; each copy instantiates it in a function compiled for
// its instruction set, into which everything is inlined (flatten), the lane
// operations of its width too, which a kernel this large would otherwise
// call.
namespace kernel_copy {

template <class Kernel, class... Args>
[[gnu::flatten]] auto Portable(Args&&... args) {
  return Kernel::template run<PortableLanes>(std::forward<Args>(args)...);
}

#if defined(__x86_64__)
template <class Kernel, class... Args>
[[gnu::flatten]] auto Sse2(Args&&... args) {
  return Kernel::template run<Sse2Lanes>(std::forward<Args>(args)...);
}

template <class Kernel, class... Args>
[[gnu::target("avx2"), gnu::flatten]] auto Avx2(Args&&... args) {
  return Kernel::template run<Avx2Lanes>(std::forward<Args>(args)...);
}

template <class Kernel, class... Args>
[[gnu::target("avx512f"), gnu::flatten]] auto Avx512(Args&&... args) {
  return Kernel::template run<Avx512Lanes>(std::forward<Args>(args)...);
}
#endif

}  // namespace kernel_copy

// Runs the copy of Kernel for `width`: the one place where a vector width
// becomes code. Where the target is not x86-64 every width runs the
// portable copy, the only one there is.
template <class Kernel, class... Args>
auto RunKernel([[maybe_unused]] VectorWidth width, Args&&... args) {
#if defined(__x86_64__)
  switch (width) {
    case VectorWidth::Avx512: return kernel_copy::Avx512<Kernel>(std::forward<Args>(args)...);
    case VectorWidth::Avx2: return kernel_copy::Avx2<Kernel>(std::forward<Args>(args)...);
    case VectorWidth::Sse2: return kernel_copy::Sse2<Kernel>(std::forward<Args>(args)...);
    case VectorWidth::Portable: break;
  }
#endif
  return kernel_copy::Portable<Kernel>(std::forward<Args>(args)...);
}

}  // namespace rv
