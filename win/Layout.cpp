#include "win/Layout.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "form/window.h"

namespace win {

int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

Rect ControlRect(const form::ControlRow& row, int dpi) {
    const form::TwipsRect place = form::InWindow(row);
    // Both edges rounded on their own, so neighbours that touch in twips
    // still touch in pixels.
    const int x = TwipsToPixels(place.left, dpi);
    const int y = TwipsToPixels(place.top, dpi);
    return {x, y, TwipsToPixels(place.left + place.width, dpi) - x, TwipsToPixels(place.top + place.height, dpi) - y};
}

Rect ClientRect(int dpi) {
    return {0, 0, TwipsToPixels(form::kClientWidthTwips, dpi), TwipsToPixels(form::kClientHeightTwips, dpi)};
}

int FontHeight(form::Type type, int dpi) { return -static_cast<int>(std::lround(form::PointSize(type) * dpi / 72.0)); }

std::vector<Creation> CreationOrder() {
    const std::vector<const form::ControlRow*> focus = form::FocusOrder();
    std::vector<const form::ControlRow*> labels, frames;
    for (const form::ControlRow& row : form::WindowControls()) {
        if (row.kind == form::Kind::Label) labels.push_back(&row);
        if (row.kind == form::Kind::Frame) frames.push_back(&row);
    }

    std::vector<Creation> order;
    for (std::size_t i = 0; i < focus.size();) {
        if (focus[i]->kind == form::Kind::Option) {
            // The run of option buttons in the focus order: one group.
            std::size_t end = i;
            while (end < focus.size() && focus[end]->kind == form::Kind::Option) ++end;
            std::vector<const form::ControlRow*> group(focus.begin() + static_cast<std::ptrdiff_t>(i),
                                                       focus.begin() + static_cast<std::ptrdiff_t>(end));
            std::stable_sort(group.begin(), group.end(), [](const auto* a, const auto* b) {
                return form::InWindow(*a).top < form::InWindow(*b).top;
            });
            for (std::size_t g = 0; g < group.size(); ++g) order.push_back({group[g], g == 0});
            i = end;
            continue;
        }
        for (const form::ControlRow* label : labels)
            if (label->labels && std::string_view(label->labels) == focus[i]->name) order.push_back({label, true});
        order.push_back({focus[i], true});
        ++i;
    }
    for (const form::ControlRow* label : labels)
        if (!label->labels) order.push_back({label, true});
    // Containers come before what they hold in the rows: reversed, an inner
    // frame lies above its outer one.
    for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) order.push_back({*frame, true});
    return order;
}

}  // namespace win
