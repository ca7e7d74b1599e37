#include "data/tables.h"

namespace zorozo::data {

namespace {

using K = ColumnKind;

constexpr Column reg_oprema_columns[] = {
    {"idp", K::integer, 0},
    {"kor", K::text, 20},
    {"inv_broj", K::text, 21},
    {"lokacija", K::text, 33},
    {"radnajedinica", K::text, 133},
    {"djelatnik", K::text, 133},
    {"opis_radnog_mjesta", K::text, 133},
    {"vrsta_racunala", K::text, 33},
    {"naziv_racunala", K::text, 33},
    {"sifra_računala", K::text, 33},
    {"sn_racunala", K::text, 33},
    {"procesor", K::text, 33},
    {"memorija", K::text, 33},
    {"memorijatip", K::text, 33},
    {"tvrdidisk", K::text, 33},
    {"inv_broj_monitor", K::text, 33},
    {"monitor_vrsta", K::text, 33},
    {"monitor_proizvodac", K::text, 33},
    {"monitor_velicina", K::text, 33},
    {"sn_monitora", K::text, 33},
    {"inv_broj_printer", K::text, 33},
    {"printer_proizvodac", K::text, 33},
    {"printer", K::text, 33},
    {"sn_printer", K::text, 33},
    {"os", K::text, 33},
    {"oskey", K::text, 46},
    {"office", K::text, 46},
    {"officekey", K::text, 46},
    {"antivirus", K::text, 46},
    {"inv_broj_ostalo_1", K::text, 46},
    {"ostalo_1_naziv", K::text, 46},
    {"inv_broj_ostalo_2", K::text, 46},
    {"ostalo_2_naziv", K::text, 46},
    {"popis_aplikacija", K::text, 6001},
    {"auto_popis", K::text, 6001},
    {"dir_za_arhivu", K::text, 256},
    {"datum_zadnje_arhive", K::text, 33},
    {"ts", K::stamp_text, 32},
    {"zavrsno", K::integer, 0},
    {"nedovrseno", K::integer, 0},
    {"napomena", K::text, 245},
    {"prijava", K::text, 45},
    {"rdc", K::text, 45},
};

constexpr Column reg_zezido_columns[] = {
    {"idp", K::integer, 0},
    {"kor", K::text, 6},
    {"inv_broj", K::text, 21},
    {"lokacija", K::text, 33},
    {"radnajedinica", K::text, 33},
    {"djelatnik", K::text, 33},
    {"popis_arhive", K::text, 2001},
    {"vrsta_arhive", K::text, 2001},
    {"datum_zadnje_arhive", K::text, 33},
    {"datum_pred_zadnje_arhive", K::text, 33},
    {"opis", K::text, 5001},
    {"ts", K::date_time, 0},
};

constexpr Column reg_zezido_log_columns[] = {
    {"idp", K::integer, 0},         {"kor", K::text, 6},
    {"inv_broj", K::text, 21},      {"lokacija", K::text, 33},
    {"radnajedinica", K::text, 33}, {"djelatnik", K::text, 33},
    {"ts", K::date_time, 0},
};

constexpr Column kwbrowse_columns[] = {
    {"p1", K::text, 222},  {"p2", K::text, 222},  {"p3", K::text, 222},  {"p4", K::text, 222},
    {"p5", K::text, 222},  {"p6", K::text, 222},  {"p7", K::text, 222},  {"p8", K::text, 222},
    {"p9", K::text, 222},  {"p10", K::text, 222}, {"p11", K::text, 222}, {"p12", K::text, 222},
    {"p13", K::text, 222}, {"p14", K::text, 222}, {"p15", K::text, 222}, {"p16", K::text, 222},
    {"p17", K::text, 222}, {"p18", K::text, 222}, {"p19", K::text, 222}, {"p20", K::text, 222},
    {"p21", K::text, 222}, {"p22", K::text, 222}, {"p23", K::text, 222}, {"p24", K::text, 222},
    {"p25", K::text, 222}, {"p26", K::text, 222}, {"p27", K::text, 222}, {"p28", K::text, 222},
    {"p29", K::text, 222}, {"p30", K::text, 222}, {"p31", K::text, 222}, {"p32", K::text, 222},
    {"p33", K::text, 222}, {"p34", K::text, 222}, {"p35", K::text, 222}, {"idp", K::integer, 0},
};

constexpr TableDecl declarations[] = {
    {FileId::reg_oprema, "REG_OPREMA", "reg_oprema", "REGO", reg_oprema_columns, true},
    {FileId::reg_zezido, "REG_ZEZIDO", "reg_zezido", "REGB", reg_zezido_columns, true},
    {FileId::reg_zezido_log, "REG_ZEZIDO_LOG", "reg_zezido_log", "REGL", reg_zezido_log_columns,
     true},
    {FileId::kwbrowse, "KWBROWSE", "kwbrowse", "KWB1", kwbrowse_columns, false},
};

static_assert(std::size(reg_oprema_columns) == 43);
static_assert(std::size(reg_zezido_columns) == 12);
static_assert(std::size(reg_zezido_log_columns) == 7);
static_assert(std::size(kwbrowse_columns) == kwbrowse_texts + 1);

} // namespace

const TableDecl& declaration(FileId file) {
    return declarations[static_cast<int>(file)];
}

} // namespace zorozo::data
