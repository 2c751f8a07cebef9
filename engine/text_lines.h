// Text files read and written the way the old tool's C runtime did it in text
// mode, identically on every platform.
#pragma once

#include "file_system.h"

#include <string>
#include <memory>
#include <string_view>

// The longest piece one read returns (a read buffer of 255 bytes).
constexpr size_t kMaxPieceBytes = 254;

class TextLineReader {
public:
    bool Open(const std::string& path);

    // Reads the next piece: up to and including a line feed, or 254 bytes, or
    // up to the end of the file. CR LF arrives as LF, a lone CR stays, a byte
    // 0x1A ends the file. The text stops at the first NUL byte of the piece
    // (the piece is still consumed whole). Returns false when nothing is left
    // or reading failed; HadError() tells the two apart.
    bool ReadLine(std::string& text);
    // The same piece as a view into the reader's buffer, without a copy;
    // valid until the next read.
    bool ReadLine(std::string_view& text);
    bool HadError() const { return error_; }

private:
    bool Fill(size_t wanted);

    FileHandle file_;
    std::unique_ptr<char[]> buffer_;
    size_t pos_ = 0;
    size_t end_ = 0;
    bool atEnd_ = false;   // no more bytes: end of file, 0x1A or an error
    bool error_ = false;
};

class TextLineWriter {
public:
    ~TextLineWriter();
    bool Open(const std::string& path);

    // Writes text, storing each line feed as CR LF.
    void Write(std::string_view text);
    // False once any write has failed.
    bool Ok() const { return ok_; }
    // Flushes and closes; false if anything written was lost.
    bool Close();

private:
    void Flush();

    FileHandle file_;
    std::unique_ptr<char[]> buffer_;
    size_t used_ = 0;
    bool ok_ = true;
};
