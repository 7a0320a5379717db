#include "base/DelimitedText.h"

#include <algorithm>

namespace ql {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsContinuation(unsigned char c) {
    return (c & 0xC0U) == 0x80U;
}

// The length of the UTF-8 sequence at text[pos], or 0 when it is none (overlong forms,
// surrogates and code points beyond U+10FFFF included).
std::size_t Utf8Length(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80U) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80U;
    unsigned char high = 0xBFU;
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
        if (lead == 0xE0U) low = 0xA0U;
        if (lead == 0xEDU) high = 0x9FU;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
        if (lead == 0xF0U) low = 0x90U;
        if (lead == 0xF4U) high = 0x8FU;
    } else {
        return 0;
    }
    if (text.size() - pos < length) return 0;
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if (second < low || second > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i]))) return 0;
    }
    return length;
}

char DetectSeparator(std::string_view text) {
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == '\n' || c == '\r') break;
            if (c == '\t') return '\t';
            if (c == ',') ++commas;
            if (c == ';') ++semicolons;
        }
    }
    return semicolons > commas ? ';' : ',';
}

}  // namespace

bool DelimitedRecord::Empty() const {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return field.empty(); });
}

CDelimitedReader::CDelimitedReader(std::string_view text, char separator) : text_(text) {
    if (text_.starts_with(kByteOrderMark)) text_.remove_prefix(kByteOrderMark.size());
    separator_ = separator != 0 ? separator : DetectSeparator(text_);
    Check();
}

void CDelimitedReader::Fail(std::size_t line, std::string_view what) {
    if (!error_.empty()) return;
    error_ = "line " + std::to_string(line) + ": ";
    error_ += what;
    pos_ = text_.size();
}

void CDelimitedReader::Check() {
    std::size_t line = 1;
    for (std::size_t pos = 0; pos < text_.size();) {
        const char c = text_[pos];
        if (c == '\n' || (c == '\r' && (pos + 1 == text_.size() || text_[pos + 1] != '\n'))) {
            ++line;
        }
        if (static_cast<unsigned char>(c) < 0x20U && c != '\t' && c != '\r' && c != '\n') {
            Fail(line, "a control byte: this is no text file");
            return;
        }
        const std::size_t length = Utf8Length(text_, pos);
        if (length == 0) {
            Fail(line, "bytes that are not UTF-8: this is no text file");
            return;
        }
        pos += length;
    }
}

bool CDelimitedReader::Next(DelimitedRecord& record) {
    record.fields.clear();
    if (pos_ >= text_.size()) return false;
    record.line = line_;
    std::string field;
    bool quoted = false;
    bool wasQuoted = false;
    const auto endField = [&] {
        if (record.fields.size() >= kMaxFields) {
            Fail(record.line, "more than " + std::to_string(kMaxFields) + " fields in a row");
            return false;
        }
        record.fields.push_back(std::move(field));
        field.clear();
        wasQuoted = false;
        return true;
    };
    while (pos_ < text_.size()) {
        const char c = text_[pos_++];
        if (quoted) {
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    field.push_back('"');
                    ++pos_;
                } else {
                    quoted = false;
                }
                continue;
            }
            if (c == '\n' || (c == '\r' && (pos_ == text_.size() || text_[pos_] != '\n'))) {
                ++line_;
            }
            field.push_back(c);
            continue;
        }
        if (c == separator_) {
            if (!endField()) return false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
            ++line_;
            return endField();
        } else if (c == '"' && !wasQuoted && field.find_first_not_of(' ') == std::string::npos) {
            // A quoted field; blanks before its opening quote are no part of it.
            field.clear();
            quoted = true;
            wasQuoted = true;
        } else {
            field.push_back(c);
        }
    }
    if (quoted) {
        Fail(record.line, "a quoted field is not closed");
        return false;
    }
    return endField();
}

void AppendDelimitedField(std::string& out, std::string_view field, char separator) {
    const bool quote =
        field.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos ||
        field.starts_with(' ') || field.ends_with(' ');
    if (!quote) {
        out += field;
        return;
    }
    out.push_back('"');
    for (const char c : field) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

}  // namespace ql
