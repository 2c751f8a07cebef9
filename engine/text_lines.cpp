#include "text_lines.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr size_t kBufferBytes = 64 * 1024;
constexpr char kEndOfFileByte = 0x1A;

// Bytes that stop the fast copy of a piece: line feed, carriage return,
// end-of-file mark and NUL.
struct StopBytes {
    bool table[256] = {};
    StopBytes()
    {
        table[static_cast<unsigned char>('\n')] = true;
        table[static_cast<unsigned char>('\r')] = true;
        table[static_cast<unsigned char>(kEndOfFileByte)] = true;
        table[0] = true;
    }
};
const StopBytes stopBytes;

// The position of the first stop byte in data[from, to), or to. Lines are
// mostly ordinary bytes, so where the processor has SSE2 sixteen bytes are
// compared with the four stop bytes at once.
size_t FindStopByte(const char* data, size_t from, size_t to)
{
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    const __m128i endOfFile = _mm_set1_epi8(kEndOfFileByte);
    const __m128i nul = _mm_setzero_si128();
    while (to - from >= 16) {
        __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
        __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, lineFeed), _mm_cmpeq_epi8(block, carriageReturn)),
                                    _mm_or_si128(_mm_cmpeq_epi8(block, endOfFile), _mm_cmpeq_epi8(block, nul)));
        int mask = _mm_movemask_epi8(hits);
        if (mask != 0)
            return from + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
        from += 16;
    }
#endif
    while (from < to && !stopBytes.table[static_cast<unsigned char>(data[from])])
        ++from;
    return from;
}

// Our own buffer does the buffering: the file's second buffer would only add
// a copy and split large reads and writes. The buffer is not zero-filled; a
// list of a few lines must not pay for clearing 64 KiB.
void UseOwnBuffer(FileHandle& file, std::unique_ptr<char[]>& buffer)
{
    if (file)
        std::setvbuf(file.get(), nullptr, _IONBF, 0);
    if (!buffer)
        buffer.reset(new char[kBufferBytes]);
}

}  // namespace

bool TextLineReader::Open(const std::string& path)
{
    file_ = OpenFile(path, "rb");
    UseOwnBuffer(file_, buffer_);
    pos_ = end_ = 0;
    atEnd_ = error_ = false;
    return file_ != nullptr;
}

// Makes at least `wanted` unread bytes available unless the file ends first.
// Returns whether at least one unread byte is available.
bool TextLineReader::Fill(size_t wanted)
{
    if (end_ - pos_ >= wanted)
        return true;
    if (!atEnd_ && file_) {
        std::memmove(buffer_.get(), buffer_.get() + pos_, end_ - pos_);
        end_ -= pos_;
        pos_ = 0;
        while (end_ < wanted && !atEnd_) {
            const size_t room = kBufferBytes - end_;
            size_t got = std::fread(buffer_.get() + end_, 1, room, file_.get());
            end_ += got;
            // fread returns less than asked only at the end of the file or on
            // an error, so a short read ends the file at once: asking again
            // would only cost one more system call that returns nothing.
            if (got < room) {
                atEnd_ = true;
                error_ = std::ferror(file_.get()) != 0;
            }
        }
    }
    return end_ > pos_;
}

bool TextLineReader::ReadLine(std::string_view& text)
{
    text = {};
    // The whole piece and the byte after it (to see an LF after a CR) lie in
    // the buffer, unless the file ends first; the piece is then read in place.
    if (end_ - pos_ <= kMaxPieceBytes && !Fill(kMaxPieceBytes + 1))
        return false;
    char* data = buffer_.get();
    const size_t start = pos_;
    const size_t limit = std::min(end_, start + kMaxPieceBytes);
    size_t pieceEnd = limit;
    size_t textEnd = limit;  // a NUL byte ends the text, not the piece
    for (size_t at = start;; ++at) {
        at = FindStopByte(data, at, limit);
        if (at == limit) {
            pos_ = limit;
            break;
        }
        const char c = data[at];
        if (c == '\n') {
            pieceEnd = at + 1;
            pos_ = pieceEnd;
            break;
        }
        if (c == '\r' && at + 1 < end_ && data[at + 1] == '\n') {
            data[at] = '\n';  // CR LF reads as LF
            pieceEnd = at + 1;
            pos_ = at + 2;
            break;
        }
        if (c == kEndOfFileByte) {
            // Nothing at or after this byte is ever read.
            pieceEnd = at;
            atEnd_ = true;
            pos_ = end_;
            break;
        }
        if (c == '\0' && textEnd == limit)
            textEnd = at;
        // A lone CR stays in the text.
    }
    text = std::string_view(data + start, std::min(textEnd, pieceEnd) - start);
    return pieceEnd > start;
}

bool TextLineReader::ReadLine(std::string& text)
{
    std::string_view piece;
    bool read = ReadLine(piece);
    text.assign(piece);
    return read;
}

TextLineWriter::~TextLineWriter()
{
    Close();
}

bool TextLineWriter::Open(const std::string& path)
{
    file_ = OpenFile(path, "wb");
    UseOwnBuffer(file_, buffer_);
    used_ = 0;
    ok_ = true;
    return file_ != nullptr;
}

void TextLineWriter::Flush()
{
    if (used_ > 0 && file_ && std::fwrite(buffer_.get(), 1, used_, file_.get()) != used_)
        ok_ = false;
    used_ = 0;
}

void TextLineWriter::Write(std::string_view text)
{
    while (!text.empty()) {
        // Room for the worst case of one byte becoming two.
        if (kBufferBytes - used_ < 2)
            Flush();
        size_t room = kBufferBytes - used_ - 1;
        size_t take = std::min(room, text.size());
        const char* lineFeed = static_cast<const char*>(std::memchr(text.data(), '\n', take));
        size_t plain = lineFeed ? static_cast<size_t>(lineFeed - text.data()) : take;
        std::memcpy(buffer_.get() + used_, text.data(), plain);
        used_ += plain;
        text.remove_prefix(plain);
        if (lineFeed) {
            buffer_[used_++] = '\r';
            buffer_[used_++] = '\n';
            text.remove_prefix(1);
        }
    }
}

bool TextLineWriter::Close()
{
    if (!file_)
        return ok_;
    Flush();
    if (std::fclose(file_.release()) != 0)
        ok_ = false;
    return ok_;
}
