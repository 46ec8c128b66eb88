// Thai text handling: UTF-8 in memory, the Thai code page (CP874 / TIS-620) on disk.
//
// Every file the program writes goes through AppendLinesCp874: one writer, CR LF line
// ends, append to an existing file, create a missing one, every write checked.
#pragma once

#include "core/Result.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nemra {

// True when the code point has a byte in the Thai code page.
bool IsCp874Storable(char32_t cp);

// True when every character of the UTF-8 text has a byte in the Thai code page.
bool IsCp874Text(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);

// Number of characters (code points) of a UTF-8 text. Each character the Thai code page
// can store takes one byte there, so this is also the text's length on disk.
std::size_t CharCount(std::string_view utf8);

// The first `maxChars` characters of a UTF-8 text (never splits a character).
std::string CutToChars(std::string_view utf8, std::size_t maxChars);

// UTF-8 -> CP874. A character the code page cannot store, and malformed UTF-8,
// become '?'.
std::string ToCp874(std::string_view utf8);

// CP874 -> UTF-8. Bytes the code page leaves undefined become U+FFFD.
std::string FromCp874(std::string_view bytes);

// Text read from a file, line by line: a line that is valid UTF-8 is taken as UTF-8, any
// other as CP874. A UTF-8 byte-order mark at the start is dropped.
std::string DecodeFileText(std::string_view bytes);

// Appends the lines to the regular file at `path` (UTF-8 path), each converted to CP874 and
// ended with CR LF; creates the file when it is missing. A name that is not a regular file
// (a folder, a FIFO, a device) is refused. The append holds an exclusive lock on the file, so
// copies of the program saving to the same file take turns. On any failure exactly the bytes
// this call added are taken back (an existing file never loses or gains a partial byte, nor
// loses what another copy appended), a file the call created is removed again, and the result
// carries the reason.
Result<> AppendLinesCp874(const std::string& path, const std::vector<std::string>& lines);

// A text of fixed capacity, counted in characters: a longer text is cut on assignment.
template <std::size_t Capacity> class CappedText {
  public:
    static constexpr std::size_t capacity = Capacity;

    CappedText() = default;
    CappedText(std::string_view text)
        : text_(CutToChars(text, Capacity))
    {
    } // NOLINT: implicit by design
    CappedText(const char* text)
        : CappedText(std::string_view(text))
    {
    } // NOLINT: implicit by design
    CappedText(const std::string& text)
        : CappedText(std::string_view(text))
    {
    } // NOLINT: implicit by design
    const std::string& str() const { return text_; }
    operator std::string_view() const { return text_; } // NOLINT: implicit by design
    bool empty() const { return text_.empty(); }
    friend bool operator==(const CappedText& a, const CappedText& b) { return a.text_ == b.text_; }

  private:
    std::string text_;
};

} // namespace nemra
