#include "plantations.h"

#include <stdexcept>

namespace cases {

namespace {

constexpr std::string_view kTable =
#include "plantations.inc"
    ;

struct Separator {
    const char* text;
    const char* suffix;
};
constexpr Separator kEverySeparator[] = {{".", "_point"}, {",", "_comma"}, {"\xD9\xAB", "_arabic"}};  // "٫"

std::vector<std::string> Split(std::string_view line) {
    std::vector<std::string> fields;
    for (std::size_t from = 0;;) {
        const std::size_t bar = line.find('|', from);
        fields.emplace_back(line.substr(from, bar - from));
        if (bar == std::string_view::npos) return fields;
        from = bar + 1;
    }
}

calc::PlantingSystem SystemNamed(const std::string& name) {
    if (name == "square") return calc::PlantingSystem::Square;
    if (name == "rectangular") return calc::PlantingSystem::Rectangular;
    if (name == "triangular") return calc::PlantingSystem::Triangular;
    throw std::invalid_argument("no planting system " + name);
}

calc::Refusal RefusalNamed(const std::string& name) {
    if (name == "ZeroDistance") return calc::Refusal::ZeroDistance;
    if (name == "ZeroLengthOrWidth") return calc::Refusal::ZeroLengthOrWidth;
    if (name == "TinyDistance") return calc::Refusal::TinyDistance;
    if (name == "TinyLengthOrWidth") return calc::Refusal::TinyLengthOrWidth;
    if (name == "OutOfRange") return calc::Refusal::OutOfRange;
    throw std::invalid_argument("no refusal " + name);
}

std::string WithSeparator(std::string text, std::string_view separator) {
    if (const std::size_t point = text.find('.'); point != std::string::npos) text.replace(point, 1, separator);
    return text;
}

std::vector<Plantation> Read() {
    std::vector<Plantation> all;
    std::size_t from = 0;
    while (from < kTable.size()) {
        std::size_t end = kTable.find('\n', from);
        if (end == std::string_view::npos) end = kTable.size();
        const std::string_view line = kTable.substr(from, end - from);
        from = end + 1;
        if (line.empty() || line.front() == '#') continue;
        const std::vector<std::string> f = Split(line);
        Plantation p;
        if (f.size() < 9) throw std::invalid_argument("a case needs nine fields or more: " + std::string(line));
        p.name = f[0];
        p.inputs = {SystemNamed(f[1]), f[2], f[3], f[4], f[5], f[6]};
        if (f[8].starts_with("refused:")) {
            p.refusal = RefusalNamed(f[8].substr(8));
            if (f.size() != 9) throw std::invalid_argument("a refusal has no results: " + p.name);
        } else if (f.size() == 8 + calc::kResultCount) {
            for (std::size_t i = 0; i < calc::kResultCount; ++i) p.results[i] = f[8 + i];
        } else {
            throw std::invalid_argument("six results or a refusal: " + p.name);
        }
        if (f[7] != "*") {
            p.separator = f[7];
            all.push_back(std::move(p));
            continue;
        }
        for (const Separator& s : kEverySeparator) {
            Plantation each = p;
            each.name += s.suffix;
            each.separator = s.text;
            for (std::string& text : each.results) text = WithSeparator(text, s.text);
            all.push_back(std::move(each));
        }
    }
    return all;
}

}  // namespace

const std::vector<Plantation>& Plantations() {
    static const std::vector<Plantation> all = Read();
    return all;
}

const Plantation& Find(std::string_view name) {
    for (const Plantation& p : Plantations())
        if (p.name == name) return p;
    throw std::out_of_range("no case " + std::string(name));
}

std::string_view TableText() { return kTable; }

}  // namespace cases
