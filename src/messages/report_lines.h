#pragma once
// The report lines of the whole process: one list shared by every thread.
// Lines are added at the end and taken all at once by the report-lines window.
// Any thread; the list guards itself, so two threads adding at the same moment
// both keep their line.

#include "platform/text.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace zorozo::messages {

struct ReportLine {
    text::Text<100> zopis;  // the line
    text::Text<100> greska; // never filled; kept with the line
    std::uint32_t icon = 0; // never filled
};

class ReportLines {
public:
    void add(ReportLine line);
    // Every line in the order added; the list is empty afterwards.
    std::vector<ReportLine> take_all();
    void clear();
    std::size_t size() const;

private:
    mutable std::mutex mutex_;
    std::vector<ReportLine> lines_;
};

// The process's list.
ReportLines& report_lines();

} // namespace zorozo::messages
