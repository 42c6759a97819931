#include "ReportLineScan.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kvl::core {

namespace {

template <class CharT>
bool EndsLine(CharT c) noexcept {
  return c == CharT{'\r'} || c == CharT{'\n'} || c == CharT{0};
}

template <class CharT>
const CharT* FindLineEndOneByOne(const CharT* from, const CharT* end) noexcept {
  while (from != end && !EndsLine(*from)) ++from;
  return from;
}

}  // namespace

const char* FindLineEnd(const char* from, const char* end) noexcept {
#ifdef __SSE2__
  // Sixteen bytes at a time: the three byte values compared at once, the first hit by its bit.
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i nul = _mm_setzero_si128();
  for (; end - from >= 16; from += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    const __m128i hits =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)),
                     _mm_cmpeq_epi8(bytes, nul));
    if (const int mask = _mm_movemask_epi8(hits); mask != 0) return from + __builtin_ctz(mask);
  }
#endif
  return FindLineEndOneByOne(from, end);
}

const char16_t* FindLineEnd(const char16_t* from, const char16_t* end) noexcept {
  return FindLineEndOneByOne(from, end);
}

}  // namespace kvl::core
