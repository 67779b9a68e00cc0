#include "platform/ProfileReader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace brivane::platform {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

// A section or key name as it streams by, without the blanks around it. Only a name as long as
// the one searched for can match, so at most that many characters are kept.
class Name {
public:
    void reset(std::size_t limit) {
        limit_ = limit;
        text_.clear();
        blanks_.clear();
        blanksOverflow_ = false;
        tooLong_ = false;
    }
    void add(char c) {
        if (tooLong_) return;
        if (isBlank(c)) {
            if (text_.empty()) return;  // blanks before the name
            if (text_.size() + blanks_.size() < limit_) {
                blanks_ += c;
            } else {
                blanksOverflow_ = true;  // harmless unless another character follows
            }
            return;
        }
        if (blanksOverflow_ || text_.size() + blanks_.size() >= limit_) {
            tooLong_ = true;  // longer than the name searched for: it cannot match
            return;
        }
        text_ += blanks_;
        blanks_.clear();
        text_ += c;
    }
    bool is(std::string_view name) const { return !tooLong_ && sameName(text_, name); }

private:
    std::size_t limit_ = 0;
    std::string text_;
    std::string blanks_;  // blanks after the last other character, kept until one follows
    bool blanksOverflow_ = false;
    bool tooLong_ = false;
};

// The value of the key searched for, without the blanks around it. The first `limit` characters
// are kept; of the rest only the length and the last character are noted (enough to tell
// whether the value is enclosed in quotation marks).
class Value {
public:
    explicit Value(std::size_t limit) : limit_(limit) {}
    void add(char c) {
        if (isBlank(c)) {
            if (length_ == 0) return;  // blanks before the value
            ++pendingBlanks_;
            if (kept_.size() + blanks_.size() < limit_) blanks_ += c;
            return;
        }
        length_ += pendingBlanks_ + 1;
        pendingBlanks_ = 0;
        kept_ += blanks_;
        blanks_.clear();
        if (kept_.size() < limit_) kept_ += c;
        last_ = c;
    }
    // Delivers at most size - 1 characters and a terminating zero; returns the number delivered.
    std::uint32_t deliver(char* buffer, std::uint32_t size) const {
        std::size_t start = 0;
        std::uint64_t length = length_;
        const bool quoted =
            length_ >= 2 && (kept_[0] == '"' || kept_[0] == '\'') && last_ == kept_[0];
        if (quoted) {
            start = 1;
            length -= 2;
        }
        const std::size_t n = std::size_t(std::min<std::uint64_t>(length, size - 1));
        std::memcpy(buffer, kept_.data() + start, n);
        buffer[n] = '\0';
        return std::uint32_t(strnlen(buffer, n));
    }

private:
    std::size_t limit_;
    std::string kept_;
    std::string blanks_;
    std::uint64_t length_ = 0;
    std::uint64_t pendingBlanks_ = 0;
    char last_ = 0;
};

// The search for one key of one section, fed the file's characters one at a time.
class Search {
public:
    Search(std::string_view section, std::string_view key, std::uint32_t size)
        : section_(section), key_(key), value_(size) {}

    // Takes the next character; false once the answer is known and the rest need not be read.
    bool feed(char c) {
        if (c == '\n' || c == '\r') {
            endLine();
            return !done_;
        }
        switch (state_) {
            case State::LineStart:
                if (isBlank(c)) return true;
                if (c == '[') {
                    state_ = State::Section;
                    name_.reset(section_.size());
                    return true;
                }
                if (!inSection_) {
                    state_ = State::Skip;
                    return true;
                }
                state_ = State::Key;
                name_.reset(key_.size());
                [[fallthrough]];
            case State::Key:
                if (c != '=') {
                    name_.add(c);
                } else if (name_.is(key_)) {
                    state_ = State::Value;
                } else {
                    state_ = State::Skip;
                }
                return true;
            case State::Section:
                if (c == ']') {
                    sectionHeader();
                    state_ = State::Skip;  // the rest of the header line means nothing
                } else {
                    name_.add(c);
                }
                return !done_;
            case State::Value:
                value_.add(c);
                return true;
            case State::Skip:
                return true;
        }
        return true;
    }

    // The end of the file ends its last line.
    void finish() { endLine(); }

    bool found() const { return found_; }
    const Value& value() const { return value_; }

private:
    enum class State { LineStart, Section, Key, Value, Skip };

    void sectionHeader() {
        if (seenSection_) {
            // Only the first section of the name counts: leaving it ends the search.
            done_ = true;
        } else if (name_.is(section_)) {
            inSection_ = seenSection_ = true;
        }
    }

    void endLine() {
        // A "[" line without "]" and a line without "=" define nothing.
        if (state_ == State::Value) found_ = done_ = true;
        state_ = State::LineStart;
    }

    std::string_view section_;
    std::string_view key_;
    Name name_;
    Value value_;
    State state_ = State::LineStart;
    bool inSection_ = false;
    bool seenSection_ = false;
    bool found_ = false;
    bool done_ = false;
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Appends a code point as UTF-8 (a lone surrogate becomes U+FFFD).
void appendUtf8(std::string& out, char32_t cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// UTF-16 little-endian text, decoded piece by piece into UTF-8.
class Utf16Decoder {
public:
    // Decodes `bytes` (continuing the previous piece) into `out`.
    void decode(const unsigned char* bytes, std::size_t n, std::string& out) {
        for (std::size_t i = 0; i < n; ++i) {
            if (!haveLow_) {
                low_ = bytes[i];
                haveLow_ = true;
                continue;
            }
            haveLow_ = false;
            unit(char16_t(low_ | (bytes[i] << 8)), out);
        }
    }
    void finish(std::string& out) {
        if (highSurrogate_ != 0) appendUtf8(out, 0xFFFD);
        highSurrogate_ = 0;
    }

private:
    void unit(char16_t u, std::string& out) {
        if (highSurrogate_ != 0) {
            const char16_t high = highSurrogate_;
            highSurrogate_ = 0;
            if (u >= 0xDC00 && u <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((char32_t(high) - 0xD800) << 10) + (u - 0xDC00));
                return;
            }
            appendUtf8(out, 0xFFFD);
        }
        if (u >= 0xD800 && u <= 0xDBFF) {
            highSurrogate_ = u;
            return;
        }
        appendUtf8(out, u);
    }

    unsigned char low_ = 0;
    bool haveLow_ = false;
    char16_t highSurrogate_ = 0;
};

// Feeds the whole file (or as much as the search needs) to `search`.
void scanFile(const char* fileName, Search& search) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) return;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName, "rb"));
    if (!file) return;

    std::array<unsigned char, 64 * 1024> piece;
    std::string decoded;
    Utf16Decoder utf16;
    bool first = true;
    bool wide = false;
    for (;;) {
        const std::size_t n = std::fread(piece.data(), 1, piece.size(), file.get());
        if (n == 0) break;
        const unsigned char* bytes = piece.data();
        std::size_t count = n;
        if (first) {
            first = false;
            wide = n >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
            if (wide) {
                bytes += 2;
                count -= 2;
            }
        }
        if (wide) {
            decoded.clear();
            utf16.decode(bytes, count, decoded);
            for (char c : decoded)
                if (!search.feed(c)) return;
        } else {
            for (std::size_t i = 0; i < count; ++i)
                if (!search.feed(char(bytes[i]))) return;
        }
    }
    if (wide) {
        decoded.clear();
        utf16.finish(decoded);
        for (char c : decoded)
            if (!search.feed(c)) return;
    }
    search.finish();
}

std::uint32_t deliverDefault(const char* defaultText, char* buffer, std::uint32_t size) {
    std::string_view text = defaultText != nullptr ? defaultText : "";
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return std::uint32_t(n);
}

}  // namespace

std::uint32_t readProfileString(const char* section, const char* key, const char* defaultText,
                                char* buffer, std::uint32_t size, const char* fileName) {
    if (buffer == nullptr || size == 0) return 0;
    if (section == nullptr || key == nullptr || fileName == nullptr)
        return deliverDefault(defaultText, buffer, size);
    Search search(trimmed(section), trimmed(key), size);
    scanFile(fileName, search);
    if (!search.found()) return deliverDefault(defaultText, buffer, size);
    return search.value().deliver(buffer, size);
}

}  // namespace brivane::platform
