#pragma once
// A set of named fields, each an integer or a UTF-8 text of at most a given
// number of characters. The register record, a browse's edit group and a row
// of its display list are field sets with some of the same names; rows move
// between them with copy_by_name(). Names compare without regard to case,
// Croatian letters included, so an edit field SIFRA_RAČUNALA matches the
// column sifra_računala.
//
// A field set belongs to one thread (the procedure that owns it).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorozo::data {

enum class FieldKind { integer, text };

struct FieldDef {
    std::string name;
    FieldKind kind = FieldKind::text;
    std::size_t characters = 0; // texts only: assigning clips to this many characters
};

class FieldSet {
public:
    virtual ~FieldSet() = default;

    virtual std::size_t field_count() const = 0;
    virtual const FieldDef& field(std::size_t i) const = 0;

    // A text field's value; an integer field as decimal digits.
    virtual std::string text(std::size_t i) const = 0;
    // An integer field's value; a text field by the text-to-number rule.
    virtual std::int32_t number(std::size_t i) const = 0;
    // A text is clipped to the field's characters; an integer field takes
    // the text's number.
    virtual void set_text(std::size_t i, std::string_view value) = 0;
    virtual void set_number(std::size_t i, std::int32_t value) = 0;

    // The position of the field with this name, if there is one.
    std::optional<std::size_t> find(std::string_view name) const;
};

// Copies every field of `from` whose name exists in `to`, converting between
// text and integer where the kinds differ and clipping texts to the target's
// width. Fields of `to` without a partner keep their values.
void copy_by_name(const FieldSet& from, FieldSet& to);

// A plain field set over a list of field defs: what an edit group or a
// display-list row of a browse can be built from.
class FieldValues : public FieldSet {
public:
    FieldValues() = default;
    explicit FieldValues(std::vector<FieldDef> defs);

    std::size_t field_count() const override { return defs_.size(); }
    const FieldDef& field(std::size_t i) const override { return defs_[i]; }
    std::string text(std::size_t i) const override;
    std::int32_t number(std::size_t i) const override;
    void set_text(std::size_t i, std::string_view value) override;
    void set_number(std::size_t i, std::int32_t value) override;

    // Direct access without conversion, for the fetch loop and the binders.
    const std::string& text_ref(std::size_t i) const { return texts_[i]; }
    // Texts blank, numbers 0.
    void clear();

    // By name; an unknown name reads as empty / 0 and writing it does nothing.
    std::string text(std::string_view name) const;
    std::int32_t number(std::string_view name) const;
    void set_text(std::string_view name, std::string_view value);
    void set_number(std::string_view name, std::int32_t value);

private:
    std::vector<FieldDef> defs_;
    std::vector<std::string> texts_;
    std::vector<std::int32_t> numbers_;
};

// Assigns value to target clipped to n characters, reusing target's storage.
void assign_clipped(std::string& target, std::string_view value, std::size_t n);

} // namespace zorozo::data
