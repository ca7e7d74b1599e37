#include "messages/xme.h"

#include "messages/report_lines.h"

namespace zorozo::messages {

void xme(std::string_view opis, std::string_view /*greska*/) {
    ReportLine line;
    line.zopis = opis;
    report_lines().add(std::move(line));
}

} // namespace zorozo::messages
