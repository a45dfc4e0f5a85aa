#include "tools/json_lines.h"

#include <cstdint>

#include "core/cp1252.h"

namespace tolvane {

namespace {

class Parser {
public:
    Parser(std::string_view text, std::string& error) : text_(text), error_(error) {}

    std::optional<JsonObject> object() {
        JsonObject result;
        skipBlanks();
        if (!take('{')) return fail("expected '{'");
        skipBlanks();
        if (take('}')) return finish(result);
        for (;;) {
            skipBlanks();
            std::string key;
            if (!string(key)) return std::nullopt;
            skipBlanks();
            if (!take(':')) return fail("expected ':' after a key");
            skipBlanks();
            if (result.strings.count(key) || result.booleans.count(key)) return fail("key \"" + key + "\" twice");
            if (peek() == '"') {
                if (!string(result.strings[key])) return std::nullopt;
            } else if (word("true")) {
                result.booleans[key] = true;
            } else if (word("false")) {
                result.booleans[key] = false;
            } else {
                return fail("the value of \"" + key + "\" must be a string");
            }
            skipBlanks();
            if (take('}')) return finish(result);
            if (!take(',')) return fail("expected ',' or '}'");
        }
    }

private:
    std::optional<JsonObject> finish(JsonObject& result) {
        skipBlanks();
        if (at_ != text_.size()) return fail("text after the object");
        return std::move(result);
    }
    std::nullopt_t fail(const std::string& why) {
        error_ = why;
        return std::nullopt;
    }
    bool failed(const std::string& why) {
        error_ = why;
        return false;
    }
    char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    bool take(char c) {
        if (peek() != c || at_ >= text_.size()) return false;
        ++at_;
        return true;
    }
    bool word(std::string_view w) {
        if (text_.substr(at_, w.size()) != w) return false;
        at_ += w.size();
        return true;
    }
    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r')) ++at_;
    }
    bool hex4(std::uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = peek();
            int digit;
            if (c >= '0' && c <= '9') digit = c - '0';
            else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            else return failed("bad \\u escape");
            value = value * 16 + static_cast<std::uint32_t>(digit);
            ++at_;
        }
        return true;
    }
    bool string(std::string& out) {
        if (!take('"')) return failed("expected a string");
        for (;;) {
            if (at_ >= text_.size()) return failed("unterminated string");
            const char c = text_[at_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return failed("raw control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            const char e = peek();
            ++at_;
            switch (e) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                std::uint32_t cp;
                if (!hex4(cp)) return false;
                if (cp >= 0xD800 && cp <= 0xDBFF) {
                    std::uint32_t low;
                    if (!word("\\u") || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
                        return failed("unpaired surrogate");
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                    return failed("unpaired surrogate");
                }
                AppendUtf8(out, cp);
                break;
            }
            default:
                return failed("bad escape");
            }
        }
    }

    std::string_view text_;
    std::string& error_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<JsonObject> ParseFlatJsonObject(std::string_view line, std::string& error) {
    return Parser(line, error).object();
}

std::string JsonString(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace tolvane
