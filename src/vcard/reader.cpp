// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard/reader.h"

#include <bit>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <cstring>

namespace pelicast::vcard {

namespace {

constexpr QByteArrayView kBom("\xEF\xBB\xBF");

QByteArrayView trimmedRight(QByteArrayView line) {
    while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line;
}

// The line starting at `pos`: its content ends at `contentEnd`, the next line
// starts at `next`. A run of CRs with an optional LF is one line break.
// The first CR or LF from `p` on, else `end`; eight bytes at a time where
// the first byte in memory is the lowest, lines being a few dozen.
Q_ALWAYS_INLINE const char* findLineBreak(const char* p, const char* end) {
#ifdef __SSE2__
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int found =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, lf), _mm_cmpeq_epi8(bytes, cr)));
        if (found)
            return p + std::countr_zero(unsigned(found));
    }
#endif
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    constexpr quint64 kHighs = 0x8080808080808080ULL;
    for (; std::endian::native == std::endian::little && end - p >= 8; p += 8) {
        quint64 word = 0;
        std::memcpy(&word, p, 8);
        const quint64 lf = word ^ (kOnes * '\n');
        const quint64 cr = word ^ (kOnes * '\r');
        // Exact up to the first zero byte of lf or cr, which is what counts.
        const quint64 found = (((lf - kOnes) & ~lf) | ((cr - kOnes) & ~cr)) & kHighs;
        if (found)
            return p + std::countr_zero(found) / 8;
    }
    while (p < end && *p != '\n' && *p != '\r')
        ++p;
    return p;
}

Q_ALWAYS_INLINE void scanLine(QByteArrayView data, qsizetype pos, qsizetype& contentEnd,
                              qsizetype& next) {
    const char* begin = data.data();
    const qsizetype n = data.size();
    qsizetype p = findLineBreak(begin + pos, begin + n) - begin;
    contentEnd = p;
    while (p < n && begin[p] == '\r')
        ++p;
    if (p < n && begin[p] == '\n')
        ++p;
    next = p;
}

}  // namespace

bool isVCardText(QByteArrayView data) {
    qsizetype pos = data.startsWith(kBom) ? kBom.size() : 0;
    while (pos < data.size()) {
        const char c = data[pos];
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t')
            break;
        ++pos;
    }
    if (pos == data.size())
        return true;
    qsizetype contentEnd = 0;
    qsizetype next = 0;
    scanLine(data, pos, contentEnd, next);
    return equalsNoCase(trimmedRight(data.sliced(pos, contentEnd - pos)), "BEGIN:VCARD");
}

SegmentReader::SegmentReader(QByteArrayView data)
    : data_(data), pos_(data.startsWith(kBom) ? kBom.size() : 0) {}

bool SegmentReader::next(Segment& segment) {
    if (cardPending_) {
        cardPending_ = false;
        segment = card_;
        return true;
    }
    while (pos_ < data_.size()) {
        qsizetype contentEnd = 0;
        qsizetype next = 0;
        scanLine(data_, pos_, contentEnd, next);
        const QByteArrayView content = trimmedRight(data_.sliced(pos_, contentEnd - pos_));
        const qsizetype lineStart = pos_;
        pos_ = next;
        if (content.size() == 11 && equalsNoCase(content, "BEGIN:VCARD"_bv)) {
            // A card left open by an earlier BEGIN stays in the bytes kept as they are.
            cardStart_ = lineStart;
        } else if (cardStart_ >= 0 && content.size() == 9 &&
                   equalsNoCase(content, "END:VCARD"_bv)) {
            card_ = {cardStart_, next, true};
            const Segment other{otherStart_, cardStart_, false};
            otherStart_ = next;
            cardStart_ = -1;
            if (other.end > other.begin) {
                segment = other;
                cardPending_ = true;
            } else {
                segment = card_;
            }
            return true;
        }
    }
    if (otherStart_ < data_.size()) {
        segment = {otherStart_, data_.size(), false};
        otherStart_ = data_.size();
        return true;
    }
    return false;
}

QList<Segment> splitCards(QByteArrayView data) {
    QList<Segment> segments;
    SegmentReader reader(data);
    Segment segment;
    while (reader.next(segment))
        segments.append(segment);
    return segments;
}

QByteArrayView LineReader::physicalLine() {
    qsizetype contentEnd = 0;
    qsizetype next = 0;
    scanLine(data_, pos_, contentEnd, next);
    const QByteArrayView line = data_.sliced(pos_, contentEnd - pos_);
    pos_ = next;
    return line;
}

qsizetype LineReader::afterBlankLines() const {
    qsizetype p = pos_;
    while (p < data_.size() && (data_[p] == '\r' || data_[p] == '\n'))
        ++p;
    return p;
}

// A line that starts with a blank continues the line before it, also across
// blank lines: written back on its own it would continue another line.
bool LineReader::atContinuation() const {
    const qsizetype p = afterBlankLines();
    return p < data_.size() && (data_[p] == ' ' || data_[p] == '\t');
}

// Decided exactly as the decoding decides, so that a line written back never
// swallows the next one. Only a value can be encoded: a line without a colon
// has no soft breaks.
bool LineReader::atSoftBreak(QByteArrayView text) {
    if (!text.endsWith('=') || pos_ >= data_.size())
        return false;
    qsizetype contentEnd = 0;
    qsizetype next = 0;
    scanLine(data_, pos_, contentEnd, next);
    const QByteArrayView following = data_.sliced(pos_, contentEnd - pos_);
    if (equalsNoCase(trimmedRight(following), "END:VCARD"_bv))
        return false;
    // The parameters stand before the colon and so stay as they are while the
    // line grows: parsed once, which keeps a long line from being read again
    // for every break.
    if (quotedPrintable_ == Unknown) {
        const LineView parsed = viewLine(text);
        if (!parsed.hasColon)
            return false;
        quotedPrintable_ = parsed.isQuotedPrintable() ? Yes : No;
    }
    return quotedPrintable_ == Yes;
}

bool LineReader::next(QByteArrayView& line) {
    while (pos_ < data_.size()) {
        const QByteArrayView first = physicalLine();
        if (first.isEmpty())
            continue;
        quotedPrintable_ = Unknown;
        joined_ = atContinuation() || atSoftBreak(first);
        if (!joined_) {
            line = first;
            return true;
        }
        joinedText_ = first.toByteArray();
        for (;;) {
            if (atContinuation()) {
                pos_ = afterBlankLines();
                joinedText_.append(physicalLine().sliced(1));
            } else if (atSoftBreak(joinedText_)) {
                joinedText_.chop(1);
                joinedText_.append(physicalLine());
            } else {
                break;
            }
        }
        line = joinedText_;
        return true;
    }
    return false;
}

}  // namespace pelicast::vcard
