#include "data/ddl.h"

#include "platform/text.h"

namespace zorozo::data {

std::string quote_identifier(std::string_view name) {
    std::string out = "`";
    for (char c : name) {
        out += c;
        if (c == '`') {
            out += '`';
        }
    }
    return out + "`";
}

std::string quote_table_name(std::string_view full_name) {
    const std::string name = text::rtrim(full_name);
    const auto point = name.find('.');
    if (point == std::string::npos) {
        return quote_identifier(name);
    }
    return quote_identifier(std::string_view(name).substr(0, point)) + "." +
           quote_identifier(std::string_view(name).substr(point + 1));
}

std::string column_definition(const Column& c) {
    std::string def = quote_identifier(c.name) + " ";
    switch (c.kind) {
    case ColumnKind::integer:
        def += c.name == "idp" ? "INT NOT NULL AUTO_INCREMENT" : "INT NOT NULL DEFAULT 0";
        break;
    case ColumnKind::text:
        def += "VARCHAR(" + std::to_string(characters(c)) + ") NOT NULL DEFAULT ''";
        break;
    case ColumnKind::stamp_text:
        def += "TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP ON UPDATE CURRENT_TIMESTAMP";
        break;
    case ColumnKind::date_time:
        def += "DATETIME NULL DEFAULT CURRENT_TIMESTAMP";
        break;
    }
    return def;
}

std::string create_table_sql(const TableDecl& decl, std::string_view full_name) {
    std::string sql = "CREATE TABLE " + quote_table_name(full_name) + " (";
    for (const Column& c : decl.columns) {
        sql += column_definition(c) + ", ";
    }
    sql += "PRIMARY KEY (`idp`)";
    if (decl.key_on_kor) {
        sql += ", KEY `kkor` (`kor`)";
    }
    // DYNAMIC rows keep the long texts off the row, so the wide registers fit.
    sql += ") ENGINE=InnoDB ROW_FORMAT=DYNAMIC DEFAULT CHARSET=utf8mb4 "
           "COLLATE=utf8mb4_unicode_ci";
    return sql;
}

} // namespace zorozo::data
