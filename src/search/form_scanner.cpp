#include "search/form_scanner.h"

#include <cstring>

#include "search/line_search.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace search {

namespace {

// How often a character stands in the library's English texts, roughly: the
// anchors are the rarest characters of the text, so that few places in a
// book pass both anchor comparisons.
int commonness(char c) {
    static constexpr std::string_view kByFrequency = "etaoinshrdlcumwfgypbvkjxqz";
    if (c == ' ')
        return 100;
    if (const size_t at = kByFrequency.find(c); at != std::string_view::npos)
        return 90 - static_cast<int>(at) * 3;
    if (c >= '0' && c <= '9')
        return 40;
    if (c == ',' || c == '.' || c == ';' || c == ':')
        return 40;
    return 10;
}

#if defined(__x86_64__)
struct Anchors {
    size_t offset1, offset2;
    size_t length;                 // of the text: every start tested has room for it
    char value1a, value1b, value2; // the first anchor takes one of two values
};

// The block scans: they test the candidate starts from i on, W at a time,
// while the last start of a block has room for the whole text, and stop at the first block
// where some start passes both anchors. They return that block's start and
// set mask to the starts that passed (bit k for start + k); at the end of the
// blocks they return where the blocks ran out, with mask 0. Nothing is called
// inside the loop, so the compared values stay in registers.
template <bool Two>
size_t scanSse2(const char* h, size_t size, size_t i, const Anchors& an, unsigned& mask) {
    const __m128i a = _mm_set1_epi8(an.value1a);
    const __m128i b = _mm_set1_epi8(an.value1b);
    const __m128i z = _mm_set1_epi8(an.value2);
    const char* p1 = h + an.offset1;
    const char* p2 = h + an.offset2;
    const size_t end = size - an.length + 1; // one past the last start
    for (; i + 16 <= end; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p1 + i));
        __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(x, a), _mm_cmpeq_epi8(x, b));
        if constexpr (Two) {
            const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p2 + i));
            hits = _mm_and_si128(hits, _mm_cmpeq_epi8(y, z));
        }
        if ((mask = static_cast<unsigned>(_mm_movemask_epi8(hits))) != 0)
            return i;
    }
    mask = 0;
    return i;
}

template <bool Two>
__attribute__((target("avx2"))) size_t scanAvx2(const char* h, size_t size, size_t i,
                                                const Anchors& an, unsigned& mask) {
    const __m256i a = _mm256_set1_epi8(an.value1a);
    const __m256i b = _mm256_set1_epi8(an.value1b);
    const __m256i z = _mm256_set1_epi8(an.value2);
    const char* p1 = h + an.offset1;
    const char* p2 = h + an.offset2;
    const size_t end = size - an.length + 1; // one past the last start
    // Two blocks a round while both have room, with one test for the pair;
    // the round where some start passes is taken again block by block below.
    for (; i + 64 <= end; i += 64) {
        const __m256i x0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p1 + i));
        const __m256i x1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p1 + i + 32));
        __m256i hits0 = _mm256_or_si256(_mm256_cmpeq_epi8(x0, a), _mm256_cmpeq_epi8(x0, b));
        __m256i hits1 = _mm256_or_si256(_mm256_cmpeq_epi8(x1, a), _mm256_cmpeq_epi8(x1, b));
        if constexpr (Two) {
            const __m256i y0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p2 + i));
            const __m256i y1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p2 + i + 32));
            hits0 = _mm256_and_si256(hits0, _mm256_cmpeq_epi8(y0, z));
            hits1 = _mm256_and_si256(hits1, _mm256_cmpeq_epi8(y1, z));
        }
        const __m256i any = _mm256_or_si256(hits0, hits1);
        if (!_mm256_testz_si256(any, any))
            break;
    }
    for (; i + 32 <= end; i += 32) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p1 + i));
        __m256i hits = _mm256_or_si256(_mm256_cmpeq_epi8(x, a), _mm256_cmpeq_epi8(x, b));
        if constexpr (Two) {
            const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p2 + i));
            hits = _mm256_and_si256(hits, _mm256_cmpeq_epi8(y, z));
        }
        if ((mask = static_cast<unsigned>(_mm256_movemask_epi8(hits))) != 0)
            return i;
    }
    mask = 0;
    return i;
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");
#endif

} // namespace

FormScanner::FormScanner(const SearchText& text)
    : m_first(text.first()), m_otherInitial(text.second().empty() ? '\0' : text.second()[0]),
      m_anchor1(0), m_anchor2(0) {
    // The first character takes two values, the others one: a text of three
    // or more characters anchors on its two rarest characters after the first.
    const size_t n = m_first.size();
    if (n == 2)
        m_anchor2 = 1;
    if (n < 3)
        return;
    size_t best = 1, second = 2;
    if (commonness(m_first[second]) < commonness(m_first[best]))
        std::swap(best, second);
    for (size_t k = 3; k < n; ++k) {
        if (commonness(m_first[k]) < commonness(m_first[best])) {
            second = best;
            best = k;
        } else if (commonness(m_first[k]) < commonness(m_first[second])) {
            second = k;
        }
    }
    m_anchor1 = std::min(best, second);
    m_anchor2 = std::max(best, second);
}

bool FormScanner::matchesAt(const char* at) const {
    return (at[0] == m_first[0] || at[0] == m_otherInitial) &&
           std::memcmp(at + 1, m_first.data() + 1, m_first.size() - 1) == 0;
}

size_t FormScanner::verify(const char* h, size_t i, unsigned mask) const {
    for (; mask != 0; mask &= mask - 1) {
        const size_t at = i + static_cast<size_t>(__builtin_ctz(mask));
        if (matchesAt(h + at))
            return at;
    }
    return std::string_view::npos;
}

size_t FormScanner::next(std::string_view hay, size_t from) const {
    const size_t n = m_first.size();
    if (n == 0 || hay.size() < n || from > hay.size() - n)
        return std::string_view::npos;
    const char* h = hay.data();
    size_t i = from;
#if defined(__x86_64__)
    const bool initial = m_anchor1 == 0; // the two-valued first character
    const Anchors an{m_anchor1,
                     m_anchor2,
                     n,
                     m_first[m_anchor1],
                     initial ? m_otherInitial : m_first[m_anchor1],
                     m_first[m_anchor2]};
    const size_t size = hay.size();
    unsigned mask = 0;
    if (kHasAvx2)
        for (;; i += 32) {
            i = n > 1 ? scanAvx2<true>(h, size, i, an, mask)
                      : scanAvx2<false>(h, size, i, an, mask);
            if (mask == 0)
                break;
            if (const size_t at = verify(h, i, mask); at != std::string_view::npos)
                return at;
        }
    for (;; i += 16) {
        i = n > 1 ? scanSse2<true>(h, size, i, an, mask) : scanSse2<false>(h, size, i, an, mask);
        if (mask == 0)
            break;
        if (const size_t at = verify(h, i, mask); at != std::string_view::npos)
            return at;
    }
#endif
    for (const size_t last = hay.size() - n; i <= last; ++i)
        if (matchesAt(h + i))
            return i;
    return std::string_view::npos;
}

} // namespace search
