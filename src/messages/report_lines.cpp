#include "messages/report_lines.h"

namespace zorozo::messages {

void ReportLines::add(ReportLine line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
}

std::vector<ReportLine> ReportLines::take_all() {
    std::lock_guard lock(mutex_);
    std::vector<ReportLine> out;
    out.swap(lines_);
    return out;
}

void ReportLines::clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
}

std::size_t ReportLines::size() const {
    std::lock_guard lock(mutex_);
    return lines_.size();
}

ReportLines& report_lines() {
    static ReportLines lines;
    return lines;
}

} // namespace zorozo::messages
