#pragma once
// The declarations of the program's four database files. Each declaration
// drives the file's record, the CREATE TABLE text, the column check at open
// and the statements of the record operations. Pure data; any thread.

#include "data/column.h"

#include <array>
#include <span>
#include <string_view>

namespace zorozo::data {

enum class FileId { reg_oprema, reg_zezido, reg_zezido_log, kwbrowse };
inline constexpr std::array all_files{FileId::reg_oprema, FileId::reg_zezido,
                                      FileId::reg_zezido_log, FileId::kwbrowse};

struct TableDecl {
    FileId file;
    std::string_view label;  // the file's name in the program: REG_OPREMA, KWBROWSE ...
    std::string_view table;  // the bare table name: reg_oprema, kwbrowse ...
    std::string_view prefix; // the record's field prefix: REGO, REGB, REGL, KWB1
    std::span<const Column> columns;
    bool key_on_kor = false; // a second key on kor (duplicates allowed)
};

const TableDecl& declaration(FileId file);

// The result buffer KWBROWSE: p1 to p35 hold result columns 1 to 35 as text,
// a 36th column lands in idp.
inline constexpr std::size_t kwbrowse_texts = 35;
inline constexpr std::size_t kwbrowse_text_characters = 221;

} // namespace zorozo::data
