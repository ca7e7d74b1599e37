#include "platform/window/column_format.h"

#include <cctype>

namespace zorozo::window {
namespace {

class Reader {
public:
    explicit Reader(std::string_view s) : s_(s) {}
    bool done() const { return i_ >= s_.size(); }
    char peek() const { return done() ? '\0' : s_[i_]; }
    std::size_t pos() const { return i_; }
    void skip() { ++i_; }
    bool digit() const { return !done() && std::isdigit(static_cast<unsigned char>(s_[i_])); }
    int number() {
        int n = 0;
        while (digit() && n < 100000) {
            n = n * 10 + (s_[i_] - '0');
            ++i_;
        }
        return n;
    }
    // Text up to the closing character; false when it never comes.
    bool until(char close, std::string& out) {
        auto end = s_.find(close, i_);
        if (end == std::string_view::npos) {
            return false;
        }
        out = std::string(s_.substr(i_, end - i_));
        i_ = end + 1;
        return true;
    }

private:
    std::string_view s_;
    std::size_t i_ = 0;
};

bool is_align(char c) {
    return c == 'L' || c == 'R' || c == 'C' || c == 'D';
}

// "(n)" after an alignment letter.
bool read_indent(Reader& r, std::optional<int>& indent) {
    if (r.peek() != '(') {
        return true;
    }
    r.skip();
    if (!r.digit()) {
        return false;
    }
    indent = r.number();
    if (r.peek() != ')') {
        return false;
    }
    r.skip();
    return true;
}

FormatParse fail(std::string what, std::size_t at) {
    FormatParse p;
    p.error = std::move(what);
    p.position = at;
    return p;
}

} // namespace

int ColumnFormat::fields_taken(const ColumnSpec& col) {
    return 1 + (col.colours ? 4 : 0) + (col.icon ? 1 : 0);
}

int ColumnFormat::field_of(std::size_t c) const {
    int next = 1;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const auto& col = columns[i];
        int f = col.field > 0 ? col.field : next;
        if (i + 1 == c) {
            return f;
        }
        next = f + fields_taken(col);
    }
    return 0;
}

FormatParse parse_column_format(std::string_view text) {
    ColumnFormat format;
    Reader r(text);
    while (!r.done()) {
        ColumnSpec col;
        if (!r.digit()) {
            return fail("a column must start with its width", r.pos());
        }
        col.width = r.number();
        if (!is_align(r.peek())) {
            return fail("alignment L, R, C or D expected after the width", r.pos());
        }
        col.align = r.peek();
        r.skip();
        if (!read_indent(r, col.indent)) {
            return fail("indent must be written as (n)", r.pos());
        }
        for (bool more = true; more && !r.done();) {
            switch (r.peek()) {
            case '|':
                col.right_border = true;
                break;
            case '_':
                col.underline = true;
                break;
            case 'M':
                col.resizable = true;
                break;
            case '*':
                col.colours = true;
                break;
            case 'I':
                col.icon = true;
                break;
            default:
                more = false;
                continue;
            }
            r.skip();
        }
        if (r.peek() == '~') {
            r.skip();
            col.has_header = true;
            if (!r.until('~', col.header)) {
                return fail("header text is not closed by '~'", r.pos());
            }
            if (is_align(r.peek())) {
                col.header_align = r.peek();
                r.skip();
                if (!read_indent(r, col.header_indent)) {
                    return fail("header indent must be written as (n)", r.pos());
                }
            }
        }
        if (r.peek() == '@') {
            std::size_t at = r.pos();
            r.skip();
            std::string body;
            if (!r.until('@', body)) {
                return fail("picture is not closed by '@'", at);
            }
            col.picture = "@" + body;
        }
        if (r.peek() == '#') {
            r.skip();
            if (!r.digit()) {
                return fail("field number expected after '#'", r.pos());
            }
            col.field = r.number();
            if (r.peek() != '#') {
                return fail("field number is not closed by '#'", r.pos());
            }
            r.skip();
        }
        if (!r.done() && !r.digit()) {
            return fail(std::string("unexpected '") + r.peek() + "'", r.pos());
        }
        format.columns.push_back(std::move(col));
    }
    FormatParse ok;
    ok.format = std::move(format);
    return ok;
}

std::string write_column_format(const ColumnFormat& format) {
    std::string out;
    for (const auto& col : format.columns) {
        out += std::to_string(col.width);
        out += col.align;
        if (col.indent) {
            out += "(" + std::to_string(*col.indent) + ")";
        }
        if (col.right_border) {
            out += '|';
        }
        if (col.underline) {
            out += '_';
        }
        if (col.resizable) {
            out += 'M';
        }
        if (col.colours) {
            out += '*';
        }
        if (col.icon) {
            out += 'I';
        }
        if (col.has_header) {
            out += "~" + col.header + "~";
            if (col.header_align != 0) {
                out += col.header_align;
                if (col.header_indent) {
                    out += "(" + std::to_string(*col.header_indent) + ")";
                }
            }
        }
        if (!col.picture.empty()) {
            out += col.picture + "@";
        }
        if (col.field > 0) {
            out += "#" + std::to_string(col.field) + "#";
        }
    }
    return out;
}

} // namespace zorozo::window
