// The tables made from the declarations are the tables sql/schema.sql gives
// the server: same columns in the same order with the same types, defaults
// and keys.
#include "data/error_state.h"
#include "data_fixture.h"

#include <gtest/gtest.h>
#include <vector>

namespace zorozo::data::testing {
namespace {

using Schema = DataTest;

// The columns and keys of a table as the server describes them, one text each.
std::vector<std::string> layout(File& kw, const std::string& db, std::string_view t) {
    std::vector<std::string> rows;
    const std::string where =
        " where table_schema=\"" + db + "\" and table_name=\"" + std::string(t) + "\"";
    EXPECT_EQ(kw.send("select ordinal_position, column_name, column_type, is_nullable, "
                      "ifnull(column_default, 'NULL'), extra, character_set_name, collation_name "
                      "from information_schema.columns" +
                      where + " order by ordinal_position"),
              0)
        << error().server_text;
    while (kw.next() == 0) {
        std::string row;
        for (std::size_t i = 1; i <= 8; ++i) {
            row += kw.record().p(i) + "|";
        }
        rows.push_back(row);
    }
    EXPECT_EQ(kw.send("select index_name, seq_in_index, column_name, non_unique "
                      "from information_schema.statistics" +
                      where + " order by index_name, seq_in_index"),
              0);
    while (kw.next() == 0) {
        rows.push_back("key " + kw.record().p(1) + "|" + kw.record().p(2) + "|" + kw.record().p(3) +
                       "|" + kw.record().p(4));
    }
    return rows;
}

TEST_F(Schema, DeclaredTablesMatchTheServersTables) {
    File& kw = opened(FileId::kwbrowse);
    for (FileId f : all_files) {
        const std::string_view t = declaration(f).table;
        SCOPED_TRACE(std::string(t));
        const auto server = layout(kw, "app_reg", t);
        ASSERT_FALSE(server.empty());
        EXPECT_EQ(layout(kw, database_, t), server);
    }
}

} // namespace
} // namespace zorozo::data::testing
