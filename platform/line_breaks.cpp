#include "platform/line_breaks.h"

namespace {

// Bytes of the UTF-8 character that starts at text[i] (a stray continuation byte counts alone).
std::size_t CharLength(std::string_view text, std::size_t i) {
    std::size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    return n;
}

}  // namespace

std::vector<std::string_view> BreakLines(std::string_view text, int width,
                                         const TextWidth& measure) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    // Spaces that no word follows make no line.
    while (text.find_first_not_of(' ', start) != std::string_view::npos) {
        // Whole words while they fit; the spaces before a word go with it, those after the
        // last word of the line go to no line.
        std::size_t end = start;
        for (std::size_t next = start; next < text.size();) {
            std::size_t word = next;
            while (word < text.size() && text[word] == ' ') ++word;
            if (word == text.size()) break;
            std::size_t after = word;
            while (after < text.size() && text[after] != ' ') ++after;
            if (measure(text.substr(start, after - start)) > width) break;
            end = next = after;
        }
        if (end == start) {
            // Not even the first word fits: it is broken after its last character that does,
            // or after its first.
            end = start + CharLength(text, start);
            while (end < text.size() && text[end] != ' ') {
                const std::size_t more = end + CharLength(text, end);
                if (measure(text.substr(start, more - start)) > width) break;
                end = more;
            }
        }
        lines.push_back(text.substr(start, end - start));
        start = end;
        while (start < text.size() && text[start] == ' ') ++start;
    }
    return lines;
}
